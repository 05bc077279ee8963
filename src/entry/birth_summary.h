#pragma once

#include "engine/chart_record.h"

#include <array>
#include <optional>
#include <string>

namespace tivora {

// Minutes ahead of universal time that a calculated chart used (negative
// when behind), daylight saving included.
int UtcOffsetMinutes(const ChartRecord& calculated);

// "UT+5:30", "UT-4:00", "UT+0:00".
std::string UtcOffsetText(int minutesAhead);

// The offset to the second: seconds ahead of universal time.
int UtcOffsetSeconds(const ChartRecord& calculated);
// "UT+5:30", or "UT+0:19:32" when the seconds are not zero.
std::string UtcOffsetSecondsText(int secondsAhead);

// "28° 37' N, 77° 13' E" from the chart's degree and minute fields.
std::string CoordinatesText(const ChartRecord& chart);

// The words of the summary line in another language; the defaults give the
// English line. In the patterns %1 and %2 stand for the parts named.
struct SummaryWords {
    std::array<std::string, 12> months{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::string universalTime = "%1 UT";         // %1: the clock time
    std::string universalOnDate = "%1 UT on %2"; // %1: the clock time, %2: the date
    std::string clockOnDate = "%1 on %2";        // %1: the clock time, %2: the date
    std::string ascendant = "Ascendant %1";      // %1: the ascendant's position
    std::string ascendantSign;                   // replaces the sign's abbreviation when set
};

// "15 Jul 1985 20:00": the local date and time a calculated chart used.
std::string LocalDateTimeText(const ChartRecord& calculated,
                              const SummaryWords& words = SummaryWords{});

// "19:00 on 15 Jul 1985": the universal time a calculated chart used, with
// its date, which may be the day before or after the local one.
std::string UniversalTimeText(const ChartRecord& calculated,
                              const SummaryWords& words = SummaryWords{});

// One line saying what a calculation used, read from the chart after
// CalculateAscendant: name, local date and time, place (or the coordinates
// alone when place is empty), offset from universal time with zoneNote
// (e.g. "BST") when given, the universal time itself, and the ascendant.
// "Asha, 15 Jul 1985 20:00, London, England, United Kingdom (51° 30' N,
// 0° 7' W), UT+1:00 BST, 19:00 UT, Ascendant 13° 17' 55" Can"
// With unbroken, the blanks within the ascendant are no-break spaces, so a
// wrapped line never splits it.
std::string BirthSummary(const ChartRecord& calculated, const std::string& place,
                         const std::string& zoneNote, bool unbroken = false);

std::string BirthSummary(const ChartRecord& calculated, const std::string& place,
                         const std::string& zoneNote, bool unbroken, const SummaryWords& words);

// The text with each blank made a no-break space (U+00A0, UTF-8).
std::string Unbroken(const std::string& text);

// Minutes ahead of universal time that the entry's zone boxes, DST box and
// longitude would give Calculate; nothing while a zone box does not convert.
struct BirthEntry;
std::optional<int> EnteredOffsetMinutes(const BirthEntry& entry);

} // namespace tivora
