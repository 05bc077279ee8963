#include "base/dates.h"

#include <QCoreApplication>

namespace tivora {

QString ShortMonthName(int month) {
    // The place finder of the main window wrote the first dates; its
    // context keeps the names.
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

QString DayText(const QDate& date) {
    return QStringLiteral("%1 %2 %3")
        .arg(date.day())
        .arg(ShortMonthName(date.month()))
        .arg(date.year());
}

} // namespace tivora
