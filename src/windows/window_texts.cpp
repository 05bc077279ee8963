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

QString VendorCaption(const char* english) {
    return QCoreApplication::translate("tivora::VendorCaptions", english);
}

} // namespace tivora
