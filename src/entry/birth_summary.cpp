#include "entry/birth_summary.h"

#include "engine/ephemeris.h"
#include "entry/birth_entry.h"

#include <cmath>
#include <cstdio>

namespace tivora {

namespace {

constexpr const char* kMonthAbbreviations[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

struct CivilDate {
    long long year;
    int month;
    int day;
};

// The Gregorian date of an integral Julian day number (Fliegel and Van
// Flandern's inverse), enough for the program's years 1901 to 2050.
CivilDate DateOfJulianDay(long long jd) {
    long long l = jd + 68569;
    const long long n = 4 * l / 146097;
    l = l - (146097 * n + 3) / 4;
    const long long i = 4000 * (l + 1) / 1461001;
    l = l - 1461 * i / 4 + 31;
    const long long j = 80 * l / 2447;
    const int day = static_cast<int>(l - 2447 * j / 80);
    l = j / 11;
    const int month = static_cast<int>(j + 2 - 12 * l);
    return {100 * (n - 49) + i + l, month, day};
}

std::string DateText(const CivilDate& d, const std::string* months = nullptr) {
    const bool known = d.month >= 1 && d.month <= 12;
    const std::string month = !known   ? std::string("?")
                              : months ? months[d.month - 1]
                                       : kMonthAbbreviations[d.month - 1];
    return std::to_string(d.day) + " " + month + " " + std::to_string(d.year);
}

// The pattern with %1 and %2 replaced, each once.
std::string Filled(std::string pattern, const std::string& first, const std::string& second = {}) {
    const std::size_t two = pattern.find("%2");
    if (two != std::string::npos)
        pattern.replace(two, 2, second);
    const std::size_t one = pattern.find("%1");
    if (one != std::string::npos)
        pattern.replace(one, 2, first);
    return pattern;
}

std::string ClockText(long long minutes) {
    char text[48];
    std::snprintf(text, sizeof text, "%02lld:%02lld", minutes / 60, minutes % 60);
    return text;
}

std::string Angle(int degrees, int minutes, char hemisphere) {
    return std::to_string(degrees) + "\xC2\xB0 " + std::to_string(minutes) + "' " + hemisphere;
}

} // namespace

int UtcOffsetMinutes(const ChartRecord& c) {
    // Universal time is the local time less the offset.
    return static_cast<int>(std::lround((c.LocalHours - c.UniversalHours) * 60.0));
}

int UtcOffsetSeconds(const ChartRecord& c) {
    return static_cast<int>(std::lround((c.LocalHours - c.UniversalHours) * 3600.0));
}

std::string UtcOffsetSecondsText(int secondsAhead) {
    if (secondsAhead % 60 == 0)
        return UtcOffsetText(secondsAhead / 60);
    const int magnitude = std::abs(secondsAhead);
    char text[32];
    std::snprintf(text, sizeof text, "UT%c%d:%02d:%02d", secondsAhead < 0 ? '-' : '+',
                  magnitude / 3600, magnitude / 60 % 60, magnitude % 60);
    return text;
}

std::string UtcOffsetText(int minutesAhead) {
    const int magnitude = std::abs(minutesAhead);
    char text[24];
    std::snprintf(text, sizeof text, "UT%c%d:%02d", minutesAhead < 0 ? '-' : '+', magnitude / 60,
                  magnitude % 60);
    return text;
}

std::string CoordinatesText(const ChartRecord& c) {
    return Angle(c.LatDegrees, c.LatMinutes, c.IsSouth ? 'S' : 'N') + ", " +
           Angle(c.LonDegrees, c.LonMinutes, c.IsEast ? 'E' : 'W');
}

namespace {

struct Moment {
    long long julianDay; // of the local date
    long long localMinutes;
    long long utDayShift; // universal date less local date, in days
    long long utMinutes;  // of the universal day
};

Moment MomentOf(const ChartRecord& c) {
    Moment m;
    m.julianDay = static_cast<long long>(GetJulianDayNumber(c.BirthMonth, c.BirthDay, c.BirthYear));
    m.localMinutes = c.BirthHour * 60LL + c.BirthMinute;
    const long long ut = m.localMinutes - UtcOffsetMinutes(c);
    m.utDayShift = ut >= 0 ? ut / 1440 : -((1439 - ut) / 1440);
    m.utMinutes = ut - m.utDayShift * 1440;
    return m;
}

} // namespace

std::string LocalDateTimeText(const ChartRecord& c, const SummaryWords& words) {
    const Moment m = MomentOf(c);
    return DateText(DateOfJulianDay(m.julianDay), words.months.data()) + " " +
           ClockText(m.localMinutes);
}

std::string UniversalTimeText(const ChartRecord& c, const SummaryWords& words) {
    const Moment m = MomentOf(c);
    return Filled(words.clockOnDate, ClockText(m.utMinutes),
                  DateText(DateOfJulianDay(m.julianDay + m.utDayShift), words.months.data()));
}

std::string Unbroken(const std::string& text) {
    std::string out;
    for (const char ch : text)
        out += ch == ' ' ? std::string("\xC2\xA0") : std::string(1, ch);
    return out;
}

std::optional<int> EnteredOffsetMinutes(const BirthEntry& entry) {
    if (!ToWholeNumber(entry.zoneHour) || !ToWholeNumber(entry.zoneMinute))
        return std::nullopt;
    ChartRecord chart;
    WriteBirthData(entry, chart);
    // The engine alone decides the direction of a zone; its run is cheap.
    CalculateAscendant(chart);
    return UtcOffsetMinutes(chart);
}

std::string BirthSummary(const ChartRecord& c, const std::string& place,
                         const std::string& zoneNote, bool unbroken) {
    return BirthSummary(c, place, zoneNote, unbroken, SummaryWords{});
}

std::string BirthSummary(const ChartRecord& c, const std::string& place,
                         const std::string& zoneNote, bool unbroken, const SummaryWords& words) {
    const Moment m = MomentOf(c);
    const std::string* months = words.months.data();
    // The name and the town come from outside: isolated, a right-to-left
    // name cannot reorder the date and figures after it.
    std::string text = Isolated(c.BirthName) + ", " +
                       DateText(DateOfJulianDay(m.julianDay), months) + " " +
                       ClockText(m.localMinutes) + ", ";
    text += place.empty() ? CoordinatesText(c) : Isolated(place) + " (" + CoordinatesText(c) + ")";
    text += ", " + UtcOffsetText(UtcOffsetMinutes(c));
    if (!zoneNote.empty())
        text += " " + zoneNote;
    text += ", ";
    text += m.utDayShift == 0
                ? Filled(words.universalTime, ClockText(m.utMinutes))
                : Filled(words.universalOnDate, ClockText(m.utMinutes),
                         DateText(DateOfJulianDay(m.julianDay + m.utDayShift), months));
    std::string position = c.AscendantText;
    // The position ends in the sign's three-letter abbreviation.
    if (!words.ascendantSign.empty() && position.size() > 3)
        position = position.substr(0, position.size() - 3) + words.ascendantSign;
    text += ", " + Filled(words.ascendant, unbroken ? Unbroken(position) : position);
    return text;
}

} // namespace tivora
