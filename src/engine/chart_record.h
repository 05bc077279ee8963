#pragma once

#include <cstdint>
#include <string>

namespace tivora {

// How the zone offset relates to universal time. The picker writes zones east
// of Greenwich with a leading "-", which must win over the longitude.
enum class ZoneDirection {
    FromLongitude, // east of Greenwich ahead of universal time, west behind
    East,          // ahead of universal time
    West,          // behind universal time
};

// The atlas town a birth's place was chosen as: its name, first-level
// region, ISO country code and IANA zone id, in UTF-8. Empty when the place
// was typed in.
struct BirthTown {
    std::string name;
    std::string region;
    std::string countryCode;
    std::string timeZone;

    bool empty() const { return name.empty(); }
    bool operator==(const BirthTown& other) const {
        return name == other.name && region == other.region && countryCode == other.countryCode &&
               timeZone == other.timeZone;
    }
};

// The one record through which birth data reaches the engine and the
// result comes back. Field names are the ones saved files and callers use.
struct ChartRecord {
    // Birth data, written by Calculate.
    std::string BirthName;
    std::int16_t BirthMonth = 0;
    std::int16_t BirthDay = 0;
    std::int16_t BirthYear = 0;
    std::int16_t BirthHour = 0;
    std::int16_t BirthMinute = 0;
    std::int16_t ZoneHours = 0;   // magnitude
    std::int16_t ZoneMinutes = 0; // magnitude
    // Seconds beyond ZoneMinutes (magnitude, 0 to 59): an offset from the
    // time-zone database, such as Amsterdam's UT+0:19:32, kept whole. The
    // zone boxes never set it.
    std::int16_t ZoneSeconds = 0;
    std::int16_t LonDegrees = 0;
    std::int16_t LonMinutes = 0;
    std::int16_t LatDegrees = 0;
    std::int16_t LatMinutes = 0;
    bool IsEast = false;
    bool IsSouth = false;
    bool IsDST = false;
    tivora::ZoneDirection ZoneDirection = ZoneDirection::FromLongitude;
    BirthTown BirthPlace; // the engine does not use it; a saved reading keeps it

    // Engine constants, set at the start of every calculation.
    std::string SignAbbreviations;
    double DegToRad = 0;
    double RadToDeg = 0;

    // Engine working values.
    double LocalHours = 0;       // decimal hours
    double ZoneOffset = 0;       // decimal hours, magnitude
    double Longitude = 0;        // degrees, west positive
    double Latitude = 0;         // degrees, north positive
    double JulianDayNumber = 0;  // integral day number of the civil date
    double UniversalHours = 0;   // may lie outside 0..24
    double Centuries = 0;        // Julian centuries from JD 2415020.0
    double Ayanamsa = 0;         // degrees, negative
    double RamcRadians = 0;      // local sidereal time as an angle
    double ObliquityRadians = 0; // obliquity of the ecliptic
    double Ascendant = 0;        // sidereal longitude, degrees

    // Result: degrees, minutes and seconds within the sign, then the sign's
    // three-letter abbreviation (UTF-8, with the degree sign).
    std::string AscendantText;
};

} // namespace tivora
