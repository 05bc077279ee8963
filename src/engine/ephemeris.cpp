#include "engine/ephemeris.h"

#include <cmath>

namespace tivora {

namespace {

// The series below are short expansions about the epoch 1900, good to a few
// arc-seconds over the years the entry offers (1901 to 2050) and drifting
// slowly away from them. T counts Julian centuries from that epoch.

// What the Julian-calendar formula gives for 15 October 1582, the first
// Gregorian day (its true day number is 2299161).
constexpr double kFirstGregorianJulianDay = 2299171;
// The epoch: Julian day 2415020.0, 1900 January 0.5 (31 December 1899, noon).
constexpr double kJulianDay1900 = 2415020;
constexpr double kDaysPerCentury = 36525;
constexpr double kArcSecondsPerDegree = 3600;
constexpr double kDegreesPerHour = 15;

// Mean longitude of the Moon's ascending node, in arc-seconds: 259° 11' 0"
// at the epoch, turning backwards once in 18.6 years.
constexpr double kNodeAtEpoch = 933060.0;
constexpr double kNodeRetrogradePerCentury = 6962911.0;
constexpr double kNodePerCenturySquared = 7.5;
// Twice the Sun's mean longitude, in arc-seconds: 2 x 279° 41' 48" at the
// epoch, 2 x 36000.77° a century.
constexpr double kTwiceSunAtEpoch = 2013816.0;
constexpr double kTwiceSunPerCentury = 259205536.0;
// The two largest terms of the nutation in longitude, in arc-seconds; they
// enter with the opposite sign, since the ayanamsa is returned negated.
constexpr double kNutationOfNode = 17.23;
constexpr double kNutationOfTwiceSun = 1.27;
// The Lahiri ayanamsa, in arc-seconds: 22° 27' 41.27" at the epoch, growing
// with the general precession in longitude (50.26" a year).
constexpr double kAyanamsaAtEpoch = 80861.27;
constexpr double kPrecessionPerCentury = 5025.64;
constexpr double kPrecessionPerCenturySquared = 1.11;
// Greenwich mean sidereal time in hours: 6h 38m 45.836s at 0h universal time
// on the epoch; the sidereal clock gains 3m 56.56s a day, 2400.0513 hours a
// century, which T (holding the hour of the day) carries.
constexpr double kSiderealHoursAtEpoch = 6.6460656;
constexpr double kSiderealHoursPerCentury = 2400.0513;
constexpr double kSiderealHoursPerCenturySquared = 0.0000258;
// Mean obliquity of the ecliptic in degrees: 23° 27' 8.26" at the epoch,
// less 46.845" a century.
constexpr double kObliquityAtEpoch = 23.452294;
constexpr double kObliquityLossPerCentury = 0.0130125;

bool IsAheadOfUniversalTime(const ChartRecord& chart) {
    switch (chart.ZoneDirection) {
    case ZoneDirection::East:
        return true;
    case ZoneDirection::West:
        return false;
    case ZoneDirection::FromLongitude:
        break;
    }
    // -0 (East at 0° 0') is not below 0: the west rules apply.
    return chart.Longitude < 0;
}

double Sign(double value) {
    return value > 0 ? 1.0 : (value < 0 ? -1.0 : 0.0);
}

} // namespace

double GetJulianDayNumber(int month, int day, int year) {
    const double m = 12.0 * (year + 4800.0) + month - 3.0;
    double j = std::floor((2.0 * (m - 12.0 * std::floor(m / 12.0)) + 7.0 + 365.0 * m) / 12.0) +
               day + std::floor(m / 48.0) - 32083.0;
    if (j >= kFirstGregorianJulianDay)
        j = j + std::floor(m / 4800.0) - std::floor(m / 1200.0) + 38.0;
    return j;
}

double GetAyanamsa(double t) {
    double node = (kNodeAtEpoch - kNodeRetrogradePerCentury * t + kNodePerCenturySquared * t * t) /
                  kArcSecondsPerDegree;
    while (node >= 360.0)
        node -= 360.0;
    const double twiceSun = (kTwiceSunAtEpoch + kTwiceSunPerCentury * t) / kArcSecondsPerDegree;
    const double nutation = kNutationOfNode * std::sin(node * kDegToRad) +
                            kNutationOfTwiceSun * std::sin(twiceSun * kDegToRad);
    return (nutation - t * (kPrecessionPerCentury + kPrecessionPerCenturySquared * t) -
            kAyanamsaAtEpoch) /
           kArcSecondsPerDegree;
}

double ArcTan2(double y, double x) {
    if (x > 0)
        return std::atan(y / x);
    if (x == 0)
        return y == 0 ? 0.0 : Sign(y) * kPi / 2.0;
    if (y == 0)
        return kPi; // never reached from the ascendant; the natural value
    return (kPi - std::atan(std::fabs(y / x))) * Sign(y);
}

double NormalizeDegrees(double& degrees) {
    if (degrees < 0)
        degrees += 360.0;
    if (degrees > 360)
        degrees -= 360.0;
    return degrees;
}

std::string FormatSignPosition(double degrees) {
    const double v = std::fabs(degrees);
    double d = std::floor(v);
    const double mm = 60.0 * (v - d);
    const double m = std::floor(mm);
    const double sf = mm - m;
    // An angle of exactly 360 would name a thirteenth sign: wrap it to Aries.
    const long long k = static_cast<long long>(std::floor(d / 30.0)) % 12;
    while (d >= 30)
        d -= 30;
    const double s = std::floor(60.0 * sf);

    std::string text;
    text += std::to_string(static_cast<long long>(d));
    text += "\xC2\xB0 ";
    text += std::to_string(static_cast<long long>(m));
    text += "' ";
    text += std::to_string(static_cast<long long>(s));
    text += "\" ";
    text += std::string(kSignAbbreviations).substr(static_cast<std::size_t>(3 * k), 3);
    return text;
}

void CalculateAscendant(ChartRecord& c) {
    c.SignAbbreviations = kSignAbbreviations;
    c.DegToRad = kDegToRad;
    c.RadToDeg = kRadToDeg;

    c.LocalHours = c.BirthHour + c.BirthMinute / 60.0;
    c.ZoneOffset = c.ZoneHours + c.ZoneMinutes / 60.0 + c.ZoneSeconds / 3600.0;
    c.Longitude = c.LonDegrees + c.LonMinutes / 60.0;
    if (c.IsEast)
        c.Longitude = -c.Longitude;
    c.Latitude = c.LatDegrees + c.LatMinutes / 60.0;
    if (c.IsSouth)
        c.Latitude = -c.Latitude;

    const bool ahead = IsAheadOfUniversalTime(c);
    // Daylight saving moves the clock an hour ahead.
    if (c.IsDST)
        c.ZoneOffset = ahead ? c.ZoneOffset + 1.0 : c.ZoneOffset - 1.0;
    c.JulianDayNumber = GetJulianDayNumber(c.BirthMonth, c.BirthDay, c.BirthYear);
    // No change of date: an hour outside 0..24 is carried by the centuries.
    c.UniversalHours = ahead ? c.LocalHours - c.ZoneOffset : c.LocalHours + c.ZoneOffset;
    c.Centuries =
        ((c.JulianDayNumber - kJulianDay1900) + c.UniversalHours / 24.0 - 0.5) / kDaysPerCentury;

    c.Ayanamsa = GetAyanamsa(c.Centuries);

    const double t = c.Centuries;
    // Local sidereal time as an angle: Greenwich's, less the longitude (west
    // positive).
    double sidereal =
        kDegreesPerHour * (c.UniversalHours + kSiderealHoursAtEpoch + kSiderealHoursPerCentury * t +
                           kSiderealHoursPerCenturySquared * t * t) -
        c.Longitude;
    // A negative angle is left as it is: it is only used through sin/cos/tan.
    while (sidereal >= 360.0)
        sidereal -= 360.0;
    c.RamcRadians = sidereal * c.DegToRad;

    c.ObliquityRadians = (kObliquityAtEpoch - kObliquityLossPerCentury * c.Centuries) * c.DegToRad;

    // The ecliptic's point rising in the east: tan(asc) = cos(ramc) /
    // (-sin(ramc) cos(obliquity) - sin(obliquity) tan(latitude)). Latitude
    // must lie strictly inside -90..90; at a pole tan(latitude) is infinite
    // and the horizon, and with it the ascendant, undefined.
    const double theta = c.RamcRadians;
    const double epsilon = c.ObliquityRadians;
    const double phi = c.Latitude * c.DegToRad;
    const double y = std::cos(theta);
    const double x = -std::sin(theta) * std::cos(epsilon) - std::sin(epsilon) * std::tan(phi);
    double a = ArcTan2(y, x);
    if (a < 0)
        a += kPi;
    if (std::cos(theta) < 0)
        a += kPi;
    a *= c.RadToDeg;
    while (a >= 360.0)
        a -= 360.0;

    c.Ascendant = a + c.Ayanamsa;
    NormalizeDegrees(c.Ascendant);
    c.AscendantText = FormatSignPosition(c.Ascendant);
}

std::string_view LagnaSignIn(std::string_view ascendantText) {
    if (ascendantText.size() < 3)
        return ascendantText;
    return ascendantText.substr(ascendantText.size() - 3);
}

std::string LagnaSignOf(const std::string& ascendantText) {
    return std::string(LagnaSignIn(ascendantText));
}

} // namespace tivora
