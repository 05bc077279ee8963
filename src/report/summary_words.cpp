#include "report/summary_words.h"

#include "base/dates.h"

#include <QCoreApplication>

namespace tivora {

namespace {

// The words share the context of the main window's place finder, which
// first wrote the summary line.
constexpr const char* kContext = "tivora::BirthplaceFinder";

QString Translated(const char* english) {
    return QCoreApplication::translate(kContext, english);
}

} // namespace

SummaryWords SummaryWordsInEffect(const std::string& ascendantSign) {
    SummaryWords words;
    for (std::size_t i = 0; i < words.months.size(); ++i)
        words.months[i] = ShortMonthName(static_cast<int>(i) + 1).toStdString();
    words.universalTime =
        Translated(QT_TRANSLATE_NOOP("tivora::BirthplaceFinder", "%1 UT")).toStdString();
    words.universalOnDate =
        Translated(QT_TRANSLATE_NOOP("tivora::BirthplaceFinder", "%1 UT on %2")).toStdString();
    words.clockOnDate =
        Translated(QT_TRANSLATE_NOOP("tivora::BirthplaceFinder", "%1 on %2")).toStdString();
    words.ascendant =
        Translated(QT_TRANSLATE_NOOP("tivora::BirthplaceFinder", "Ascendant %1")).toStdString();
    words.ascendantSign = ascendantSign;
    return words;
}

std::string ZoneNote(const std::string& abbreviation, bool certain) {
    if (certain)
        return abbreviation;
    const QString note =
        abbreviation.empty()
            ? Translated(QT_TRANSLATE_NOOP("tivora::BirthplaceFinder", "offset uncertain"))
            : Translated(QT_TRANSLATE_NOOP("tivora::BirthplaceFinder", "%1, offset uncertain"))
                  .arg(QString::fromStdString(abbreviation));
    return note.toStdString();
}

} // namespace tivora
