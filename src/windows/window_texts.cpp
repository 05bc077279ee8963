#include "windows/window_texts.h"

#include <QCoreApplication>

namespace tivora {

namespace {

// The entry checks know no Qt, so their messages are listed here for the
// catalogue; each must match its check's text exactly.
[[maybe_unused]] constexpr const char* kEntryMessages[] = {
    QT_TRANSLATE_NOOP("tivora::EntryMessages", "Please Enter Name"),
    QT_TRANSLATE_NOOP("tivora::EntryMessages", "Please Remove Control Characters From The Name"),
    QT_TRANSLATE_NOOP("tivora::EntryMessages", "Please Enter Hour and Minute of Time Zone"),
    QT_TRANSLATE_NOOP("tivora::EntryMessages", "Please Enter Degree of Longitude"),
    QT_TRANSLATE_NOOP("tivora::EntryMessages", "Please Enter Minute of Longitude"),
    QT_TRANSLATE_NOOP("tivora::EntryMessages", "Please Enter Degree of Latitude"),
    QT_TRANSLATE_NOOP("tivora::EntryMessages", "Please Enter Minute of Latitude"),
    QT_TRANSLATE_NOOP("tivora::EntryMessages", "Please Enter Correct Date Or Month!"),
    QT_TRANSLATE_NOOP("tivora::EntryMessages", "Please Enter Correct Date Or Month !"),
    QT_TRANSLATE_NOOP("tivora::EntryMessages", "Only Numbers Are Accepted"),
    QT_TRANSLATE_NOOP("tivora::EntryMessages", "Please Enter Correct Longitude"),
    QT_TRANSLATE_NOOP("tivora::EntryMessages", "Please Enter Correct Latitude"),
    QT_TRANSLATE_NOOP("tivora::EntryMessages", "Please Enter Correct Time Zone"),
    QT_TRANSLATE_NOOP("tivora::EntryMessages", "Please Enter City"),
    QT_TRANSLATE_NOOP("tivora::EntryMessages", "Please Enter State"),
    QT_TRANSLATE_NOOP("tivora::EntryMessages", "Please Enter Country"),
};

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

QString EntryMessageText(const std::string& english) {
    return QCoreApplication::translate("tivora::EntryMessages", english.c_str());
}

QString VendorCaption(const char* english) {
    return QCoreApplication::translate("tivora::VendorCaptions", english);
}

} // namespace tivora
