#include "cli/reading_job.h"

#include "engine/ephemeris.h"
#include "entry/birth_summary.h"
#include "report/report_sections.h"

#include <QString>
#include <cctype>
#include <charconv>
#include <cstdio>

namespace tivora::cli {

namespace {

bool IsDigits(const std::string& s) {
    if (s.empty() || s.size() > 9)
        return false;
    for (char c : s)
        if (c < '0' || c > '9')
            return false;
    return true;
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
    return std::to_string(std::stol(digits));
}

// Valid UTF-8 only: anything else becomes U+FFFD before it reaches output.
std::string CleanUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toStdString();
}

void AppendJsonString(std::string& out, const std::string& text) {
    out += '"';
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                out += buffer;
            } else {
                out += ch;
            }
        }
    }
    out += '"';
}

void AppendJsonNumber(std::string& out, double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
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
    message = ValidateInput(entry);
    if (message)
        return false;
    WriteBirthData(entry, chart);
    if (zoneWest)
        chart.ZoneDirection = ZoneDirection::West;
    CalculateAscendant(chart);
    lagnaSign = LagnaSignOf(chart.AscendantText);
    SelectSignInformation(lagnaSign, info);
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
        const int m = std::stoi(month);
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
        const std::string mark = sign == '+' ? "-" : "";
        e.zoneHour = mark + hours;
        e.zoneMinute = mark + minutes;
        job.zoneWest = sign == '-';
        return true;
    }
    error = "unknown option " + option;
    return false;
}

std::string ReadingJson(const ReadingJob& job) {
    const ChartRecord& c = job.chart;
    std::string out = "{";
    bool first = true;
    auto key = [&](const char* name) {
        if (!first)
            out += ',';
        first = false;
        out += "\n  ";
        AppendJsonString(out, name);
        out += ": ";
    };
    auto text = [&](const char* name, const std::string& value) {
        key(name);
        AppendJsonString(out, value);
    };
    auto number = [&](const char* name, double value) {
        key(name);
        AppendJsonNumber(out, value);
    };
    auto flag = [&](const char* name, bool value) {
        key(name);
        out += value ? "true" : "false";
    };
    text("AscendantText", c.AscendantText);
    text("LagnaSign", job.lagnaSign);
    text("BirthName", c.BirthName);
    number("BirthMonth", c.BirthMonth);
    number("BirthDay", c.BirthDay);
    number("BirthYear", c.BirthYear);
    number("BirthHour", c.BirthHour);
    number("BirthMinute", c.BirthMinute);
    number("ZoneHours", c.ZoneHours);
    number("ZoneMinutes", c.ZoneMinutes);
    number("LonDegrees", c.LonDegrees);
    number("LonMinutes", c.LonMinutes);
    number("LatDegrees", c.LatDegrees);
    number("LatMinutes", c.LatMinutes);
    flag("IsEast", c.IsEast);
    flag("IsSouth", c.IsSouth);
    flag("IsDST", c.IsDST);
    text("ZoneDirection", DirectionName(c.ZoneDirection));
    text("SignAbbreviations", c.SignAbbreviations);
    number("DegToRad", c.DegToRad);
    number("RadToDeg", c.RadToDeg);
    number("LocalHours", c.LocalHours);
    number("ZoneOffset", c.ZoneOffset);
    number("Longitude", c.Longitude);
    number("Latitude", c.Latitude);
    number("JulianDayNumber", c.JulianDayNumber);
    number("UniversalHours", c.UniversalHours);
    number("Centuries", c.Centuries);
    number("Ayanamsa", c.Ayanamsa);
    number("RamcRadians", c.RamcRadians);
    number("ObliquityRadians", c.ObliquityRadians);
    number("Ascendant", c.Ascendant);
    if (const PlaceUse& p = job.placeUse; p.used) {
        if (!p.place.empty())
            text("Place", p.place);
        if (!p.timeZone.empty())
            text("TimeZone", p.timeZone);
        const int offset = UtcOffsetMinutes(c);
        number("UtcOffset", offset);
        text("UtcOffsetText", UtcOffsetText(offset));
        if (!p.offsetSource.empty()) {
            flag("IsDaylightTime", p.isDaylightTime);
            text("OffsetSource", p.offsetSource);
        }
        if (!p.place.empty()) {
            number("PlaceLatitude", p.latitude);
            number("PlaceLongitude", p.longitude);
        }
    }
    key("SignInformation");
    out += '{';
    bool firstField = true;
    for (const SignField& field : SignTables()) {
        out += firstField ? "\n    " : ",\n    ";
        firstField = false;
        AppendJsonString(out, field.name);
        out += ": ";
        AppendJsonString(out, job.info.*field.member);
    }
    out += "\n  }\n}\n";
    return out;
}

std::string ReadingText(const ReadingJob& job) {
    std::string out =
        "AscendantText: " + job.chart.AscendantText + "\nLagnaSign: " + job.lagnaSign + "\n";
    if (const PlaceUse& p = job.placeUse; p.used) {
        if (!p.placeDisplay.empty())
            out += "Place: " + p.placeDisplay + "\n";
        if (!p.timeZone.empty())
            out += "TimeZone: " + p.timeZone + "\n";
        out += "UtcOffset: " +
               (p.offsetDescription.empty() ? UtcOffsetText(UtcOffsetMinutes(job.chart))
                                            : p.offsetDescription) +
               "\n";
    }
    out += "\n";
    // The report's own CR LF breaks become the terminal's line ends.
    for (const char c : ReportPlainText(job.info))
        if (c != '\r')
            out += c;
    out += '\n';
    return out;
}

std::string JsonString(const std::string& text) {
    std::string out;
    AppendJsonString(out, text);
    return out;
}

std::string JsonNumber(double value) {
    std::string out;
    AppendJsonNumber(out, value);
    return out;
}

} // namespace tivora::cli
