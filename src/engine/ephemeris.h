#pragma once

#include "engine/chart_record.h"

#include <string>
#include <string_view>

namespace tivora {

// Stored decimals, kept exactly as the engine has always used them.
constexpr double kPi = 3.14159265358979;
constexpr double kDegToRad = 0.0174532925199433;
constexpr double kRadToDeg = 57.2957795130823;
constexpr const char* kSignAbbreviations = "AriTauGemCanLeoVirLibScoSagCapAquPis";

// Integral Julian day number of the civil date's noon; Julian calendar before
// 15 October 1582, Gregorian from then on. Month and day are not checked.
double GetJulianDayNumber(int month, int day, int year);

// Minus the Lahiri ayanamsa (the sidereal zodiac's offset from the
// tropical), in degrees, for T Julian centuries from JD 2415020.0: the mean
// value plus the two largest nutation terms. Within about 0.01° of the
// standard Lahiri value over 1901 to 2050.
double GetAyanamsa(double centuries);

// Four-quadrant arctangent built on the one-argument arctangent.
double ArcTan2(double y, double x);

// One correction in each direction, not a loop; 360 itself stays.
double NormalizeDegrees(double& degrees);

// "d° m' s\" Abc": position within the sign, seconds truncated.
std::string FormatSignPosition(double degrees);

// Universal time and sidereal angle from the birth data, then the sidereal
// ascendant and its text. Reads and writes the record only.
// Valid input: dates in the years 1901 to 2050 (the series are expansions
// about 1900), latitudes strictly between the poles (at 90° the ascendant is
// undefined and the result meaningless: the entry checks refuse it),
// longitudes and zones as the entry checks allow. Above the polar circles
// (about 66.5°) the ecliptic can lie along the horizon for a moment each
// day; there the result jumps by up to 180° as the time passes that moment.
void CalculateAscendant(ChartRecord& chart);

// The last three characters of an ascendant text: the sign abbreviation.
std::string LagnaSignOf(const std::string& ascendantText);
// The same, without a copy: a view into ascendantText.
std::string_view LagnaSignIn(std::string_view ascendantText);

} // namespace tivora
