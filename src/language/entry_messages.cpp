#include "language/entry_messages.h"

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

} // namespace

QString EntryMessageText(const std::string& english) {
    return QCoreApplication::translate("tivora::EntryMessages", english.c_str());
}

} // namespace tivora
