#include "windows/window_texts.h"

#include <QCoreApplication>

namespace tivora {

namespace {

// The month list's names, translated where the list is filled.
[[maybe_unused]] constexpr const char* kMonths[] = {
    QT_TRANSLATE_NOOP("tivora::frmMain", "January"),
    QT_TRANSLATE_NOOP("tivora::frmMain", "February"),
    QT_TRANSLATE_NOOP("tivora::frmMain", "March"),
    QT_TRANSLATE_NOOP("tivora::frmMain", "April"),
    QT_TRANSLATE_NOOP("tivora::frmMain", "May"),
    QT_TRANSLATE_NOOP("tivora::frmMain", "June"),
    QT_TRANSLATE_NOOP("tivora::frmMain", "July"),
    QT_TRANSLATE_NOOP("tivora::frmMain", "August"),
    QT_TRANSLATE_NOOP("tivora::frmMain", "September"),
    QT_TRANSLATE_NOOP("tivora::frmMain", "October"),
    QT_TRANSLATE_NOOP("tivora::frmMain", "November"),
    QT_TRANSLATE_NOOP("tivora::frmMain", "December"),
};

} // namespace

QString ShortMonthName(int month) {
    static constexpr const char* kShortMonths[] = {
        QT_TRANSLATE_NOOP("tivora::BirthplaceFinder", "Jan"),
        QT_TRANSLATE_NOOP("tivora::BirthplaceFinder", "Feb"),
        QT_TRANSLATE_NOOP("tivora::BirthplaceFinder", "Mar"),
        QT_TRANSLATE_NOOP("tivora::BirthplaceFinder", "Apr"),
        QT_TRANSLATE_NOOP("tivora::BirthplaceFinder", "May"),
        QT_TRANSLATE_NOOP("tivora::BirthplaceFinder", "Jun"),
        QT_TRANSLATE_NOOP("tivora::BirthplaceFinder", "Jul"),
        QT_TRANSLATE_NOOP("tivora::BirthplaceFinder", "Aug"),
        QT_TRANSLATE_NOOP("tivora::BirthplaceFinder", "Sep"),
        QT_TRANSLATE_NOOP("tivora::BirthplaceFinder", "Oct"),
        QT_TRANSLATE_NOOP("tivora::BirthplaceFinder", "Nov"),
        QT_TRANSLATE_NOOP("tivora::BirthplaceFinder", "Dec")};
    if (month < 1 || month > 12)
        return {};
    return QCoreApplication::translate("tivora::BirthplaceFinder", kShortMonths[month - 1]);
}

QString VendorCaption(const char* english) {
    return QCoreApplication::translate("tivora::VendorCaptions", english);
}

} // namespace tivora
