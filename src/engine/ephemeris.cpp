#include "engine/ephemeris.h"

#include <cmath>

namespace tivora {

namespace {

// Julian-calendar day number of 15 October 1582, the first Gregorian day.
constexpr double kFirstGregorianJulianDay = 2299171;
constexpr double kJulianDay1900 = 2415020;
constexpr double kDaysPerCentury = 36525;

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
    double node = (933060.0 - 6962911.0 * t + 7.5 * t * t) / 3600.0;
    while (node >= 360.0)
        node -= 360.0;
    const double twiceSun = (2013816.0 + 259205536.0 * t) / 3600.0;
    const double nutation =
        17.23 * std::sin(node * kDegToRad) + 1.27 * std::sin(twiceSun * kDegToRad);
    return (nutation - t * (5025.64 + 1.11 * t) - 80861.27) / 3600.0;
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
    c.ZoneOffset = c.ZoneHours + c.ZoneMinutes / 60.0;
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
    double sidereal =
        15.0 * (c.UniversalHours + 6.6460656 + 2400.0513 * t + 0.0000258 * t * t) - c.Longitude;
    // A negative angle is left as it is: it is only used through sin/cos/tan.
    while (sidereal >= 360.0)
        sidereal -= 360.0;
    c.RamcRadians = sidereal * c.DegToRad;

    c.ObliquityRadians = (23.452294 - 0.0130125 * c.Centuries) * c.DegToRad;

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

std::string LagnaSignOf(const std::string& ascendantText) {
    if (ascendantText.size() < 3)
        return ascendantText;
    return ascendantText.substr(ascendantText.size() - 3);
}

} // namespace tivora
