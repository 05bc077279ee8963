#include "cli/reading_job.h"

#include "base/numbers.h"
#include "engine/ephemeris.h"
#include "entry/birth_summary.h"
#include "entry/calculate.h"
#include "entry/picker_zone.h"
#include "language/language.h"
#include "language/sign_texts.h"
#include "report/report_sections.h"
#include "report/summary_words.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <cctype>

namespace tivora::cli {

namespace {

// The option values' numbers: plain digits, as the lists show them.
bool IsDigits(const std::string& s) {
    return DigitsNumber(s, 9).has_value();
}

// Splits "a<sep>b" into two digit texts.
bool SplitNumbers(const std::string& text, char separator, std::string& a, std::string& b) {
    const auto at = text.find(separator);
    if (at == std::string::npos)
        return false;
    a = text.substr(0, at);
    b = text.substr(at + 1);
    return IsDigits(a) && IsDigits(b);
}

std::string Canonical(const std::string& digits) {
    return std::to_string(*DigitsNumber(digits, 9));
}

// Valid UTF-8 only: anything else becomes U+FFFD before it reaches output.
std::string CleanUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toStdString();
}

const char* DirectionName(ZoneDirection d) {
    switch (d) {
    case ZoneDirection::East:
        return "East";
    case ZoneDirection::West:
        return "West";
    case ZoneDirection::FromLongitude:
        break;
    }
    return "FromLongitude";
}

} // namespace

bool ReadingJob::run() {
    message = Calculate(entry, chart, info, zoneWest);
    if (message)
        return false;
    lagnaSign = LagnaSignOf(chart.AscendantText);
    if (InstalledLanguage() != QLatin1String(kEnglish))
        info = TranslatedSignInformation(info);
    return true;
}

bool ParseReadingOption(const std::string& option, const std::string& value, ReadingJob& job,
                        std::string& error) {
    BirthEntry& e = job.entry;
    if (option == "--name") {
        e.name = CleanUtf8(value);
        return true;
    }
    if (option == "--date") {
        const auto at = value.find('-');
        std::string month, day;
        const std::string year = value.substr(0, at);
        if (at == std::string::npos || !IsDigits(year) ||
            !SplitNumbers(value.substr(at + 1), '-', month, day)) {
            error = "--date takes YYYY-MM-DD";
            return false;
        }
        const int m = static_cast<int>(*DigitsNumber(month, 9));
        e.month = m - 1;
        e.day = FindListItem(EntryList::Day, Canonical(day));
        e.year = FindListItem(EntryList::Year, Canonical(year));
        if (m < 1 || m > 12 || e.day < 0) {
            error = "--date: no such month or day: " + value;
            return false;
        }
        if (e.year < 0) {
            error = "--date: the year must lie between 1901 and 2050";
            return false;
        }
        return true;
    }
    if (option == "--time") {
        std::string hour, minute;
        if (!SplitNumbers(value, ':', hour, minute)) {
            error = "--time takes HH:MM";
            return false;
        }
        e.hour = FindListItem(EntryList::Hour, Canonical(hour));
        e.minute = FindListItem(EntryList::Minute, Canonical(minute));
        if (e.hour < 0 || e.minute < 0) {
            error = "--time: the hour must lie in 0 to 23 and the minute in 0 to 59";
            return false;
        }
        return true;
    }
    if (option == "--lon" || option == "--lat") {
        const bool lon = option == "--lon";
        std::string degrees, minutes;
        const char hemisphere =
            value.empty()
                ? '\0'
                : static_cast<char>(std::toupper(static_cast<unsigned char>(value.back())));
        const bool known = lon ? (hemisphere == 'E' || hemisphere == 'W')
                               : (hemisphere == 'N' || hemisphere == 'S');
        if (!known || !SplitNumbers(value.substr(0, value.size() - 1), ':', degrees, minutes)) {
            error = lon ? "--lon takes DEG:MIN followed by E or W"
                        : "--lat takes DEG:MIN followed by N or S";
            return false;
        }
        if (lon) {
            e.lonDegrees = degrees;
            e.lonMinutes = minutes;
            e.east = hemisphere == 'E';
        } else {
            e.latDegrees = degrees;
            e.latMinutes = minutes;
            e.south = hemisphere == 'S';
        }
        return true;
    }
    if (option == "--zone") {
        std::string text = value;
        char sign = '\0';
        if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
            sign = text[0];
            text.erase(0, 1);
        }
        std::string hours, minutes;
        if (!SplitNumbers(text, ':', hours, minutes)) {
            error = "--zone takes H:MM, +H:MM or -H:MM";
            return false;
        }
        // Ahead of universal time is written the way the zone picker does.
        e.zoneHour = sign == '+' ? PickerZone::WithMark(hours) : hours;
        e.zoneMinute = sign == '+' ? PickerZone::WithMark(minutes) : minutes;
        job.zoneWest = sign == '-';
        return true;
    }
    error = "unknown option " + option;
    return false;
}

std::string ReadingJson(const ReadingJob& job) {
    const ChartRecord& c = job.chart;
    const auto text = [](const std::string& value) { return QString::fromStdString(value); };
    QJsonObject signs;
    for (const SignField& field : SignTables())
        signs.insert(QString::fromLatin1(field.name), text(job.info.*field.member));
    const QJsonObject reading{
        {"AscendantText", text(c.AscendantText)},
        {"LagnaSign", text(job.lagnaSign)},
        {"BirthName", text(c.BirthName)},
        {"BirthMonth", c.BirthMonth},
        {"BirthDay", c.BirthDay},
        {"BirthYear", c.BirthYear},
        {"BirthHour", c.BirthHour},
        {"BirthMinute", c.BirthMinute},
        {"ZoneHours", c.ZoneHours},
        {"ZoneMinutes", c.ZoneMinutes},
        {"LonDegrees", c.LonDegrees},
        {"LonMinutes", c.LonMinutes},
        {"LatDegrees", c.LatDegrees},
        {"LatMinutes", c.LatMinutes},
        {"IsEast", c.IsEast},
        {"IsSouth", c.IsSouth},
        {"IsDST", c.IsDST},
        {"ZoneDirection", DirectionName(c.ZoneDirection)},
        {"SignAbbreviations", text(c.SignAbbreviations)},
        {"DegToRad", c.DegToRad},
        {"RadToDeg", c.RadToDeg},
        {"LocalHours", c.LocalHours},
        {"ZoneOffset", c.ZoneOffset},
        {"Longitude", c.Longitude},
        {"Latitude", c.Latitude},
        {"JulianDayNumber", c.JulianDayNumber},
        {"UniversalHours", c.UniversalHours},
        {"Centuries", c.Centuries},
        {"Ayanamsa", c.Ayanamsa},
        {"RamcRadians", c.RamcRadians},
        {"ObliquityRadians", c.ObliquityRadians},
        {"Ascendant", c.Ascendant},
        {"SignInformation", signs},
    };
    QJsonObject json = reading;
    json.insert("OffsetCertain", job.placeUse.offsetCertain);
    if (const PlaceUse& p = job.placeUse; p.used) {
        if (!p.place.empty())
            json.insert("Place", text(p.place));
        if (!p.timeZone.empty())
            json.insert("TimeZone", text(p.timeZone));
        const int offset = UtcOffsetMinutes(c);
        json.insert("UtcOffset", offset);
        json.insert("UtcOffsetSeconds", UtcOffsetSeconds(c));
        json.insert("UtcOffsetText", text(UtcOffsetSecondsText(UtcOffsetSeconds(c))));
        if (!p.offsetSource.empty()) {
            json.insert("IsDaylightTime", p.isDaylightTime);
            json.insert("OffsetSource", text(p.offsetSource));
        }
        if (!p.place.empty()) {
            json.insert("PlaceLatitude", p.latitude);
            json.insert("PlaceLongitude", p.longitude);
        }
        if (!p.offsetCertain) {
            QJsonArray alternatives;
            for (const PlaceUse::Alternative& a : p.alternatives)
                alternatives.append(QJsonObject{{"UtcOffset", a.minutes},
                                                {"UtcOffsetText", text(UtcOffsetText(a.minutes))},
                                                {"Why", text(a.why)}});
            json.insert("OffsetAlternatives", alternatives);
        }
    }
    return QJsonDocument(json).toJson(QJsonDocument::Indented).toStdString();
}

std::string ReadingText(const ReadingJob& job) {
    const ChartRecord& c = job.chart;
    const PlaceUse& p = job.placeUse;
    const SummaryWords words = SummaryWordsInEffect();
    // What was computed comes first, so a slip in the input shows.
    // Isolated, a right-to-left name or town cannot turn the line around.
    std::string out = "BirthName: " + Isolated(c.BirthName) +
                      "\nBirthTime: " + LocalDateTimeText(c, words) + "\n";
    if (!p.placeDisplay.empty())
        out += "Place: " + Isolated(p.placeDisplay) + "\n";
    out += "Coordinates: " + CoordinatesText(c) + "\n";
    if (!p.timeZone.empty())
        out += "TimeZone: " + p.timeZone + "\n";
    const int offset = UtcOffsetMinutes(c);
    const int standard = offset - (c.IsDST ? 60 : 0);
    // The keys are the JSON's and stay English; the words after them follow
    // the language.
    const auto translated = [](const char* english) {
        return QCoreApplication::translate("tivora::cli::ReadingText", english).toStdString();
    };
    out +=
        "Zone: " + UtcOffsetText(standard) + " " +
        (standard > 0   ? translated(QT_TRANSLATE_NOOP("tivora::cli::ReadingText",
                                                       "(ahead of universal time, east)"))
         : standard < 0 ? translated(QT_TRANSLATE_NOOP("tivora::cli::ReadingText",
                                                       "(behind universal time, west)"))
                        : translated(QT_TRANSLATE_NOOP("tivora::cli::ReadingText",
                                                       "(same as universal time)"))) +
        "\nDST: " +
        (c.IsDST ? translated(QT_TRANSLATE_NOOP("tivora::cli::ReadingText", "yes, one hour added"))
                 : translated(QT_TRANSLATE_NOOP("tivora::cli::ReadingText", "no"))) +
        "\n";
    out += "UtcOffset: " +
           (p.offsetDescription.empty() ? UtcOffsetText(offset) : p.offsetDescription) +
           "\nUniversalTime: " + UniversalTimeText(c, words) + "\n";
    if (!p.offsetCertain)
        out += "OffsetCertain: " + translated(QT_TRANSLATE_NOOP("tivora::cli::ReadingText", "no")) +
               ". " + p.offsetDoubt + "\n";
    // The sign's name as the reading below names it.
    const std::string sign =
        InstalledLanguage() == QLatin1String(kEnglish) ? job.lagnaSign : job.info.VedicName;
    out += "AscendantText: " + c.AscendantText + "\nLagnaSign: " + sign + "\n";
    out += "\n";
    // The report's own CR LF breaks become the terminal's line ends.
    for (const char ch : ReportPlainText(job.info))
        if (ch != '\r')
            out += ch;
    out += '\n';
    return out;
}

} // namespace tivora::cli
