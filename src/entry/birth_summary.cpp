#include "entry/birth_summary.h"

#include "engine/ephemeris.h"

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

std::string DateText(const CivilDate& d) {
    const char* month = d.month >= 1 && d.month <= 12 ? kMonthAbbreviations[d.month - 1] : "?";
    return std::to_string(d.day) + " " + month + " " + std::to_string(d.year);
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

std::string BirthSummary(const ChartRecord& c, const std::string& place,
                         const std::string& zoneNote) {
    const long long jd =
        static_cast<long long>(GetJulianDayNumber(c.BirthMonth, c.BirthDay, c.BirthYear));
    const CivilDate local = DateOfJulianDay(jd);
    const long long localMinutes = c.BirthHour * 60LL + c.BirthMinute;
    // The universal time may fall on the day before or after the local date.
    const long long utMinutes = localMinutes - UtcOffsetMinutes(c);
    const long long dayShift = utMinutes >= 0 ? utMinutes / 1440 : -((1439 - utMinutes) / 1440);
    const long long utOfDay = utMinutes - dayShift * 1440;

    std::string text = c.BirthName + ", " + DateText(local) + " " + ClockText(localMinutes) + ", ";
    text += place.empty() ? CoordinatesText(c) : place + " (" + CoordinatesText(c) + ")";
    text += ", " + UtcOffsetText(UtcOffsetMinutes(c));
    if (!zoneNote.empty())
        text += " " + zoneNote;
    text += ", " + ClockText(utOfDay) + " UT";
    if (dayShift != 0)
        text += " on " + DateText(DateOfJulianDay(jd + dayShift));
    text += ", Ascendant " + c.AscendantText;
    return text;
}

} // namespace tivora
