#pragma once

#include "entry/birth_entry.h"

namespace tivora::test {

// A complete, valid entry: Delhi, 1 January 2000, 12:00, zone 5:30,
// 77° 13' East, 28° 37' North. Its ascendant is 13° 12' 18" Pisces.
inline BirthEntry DelhiEntry() {
    BirthEntry e;
    e.name = "Asha";
    e.year = FindListItem(EntryList::Year, "2000");
    e.hour = 12;
    e.lonDegrees = "77";
    e.lonMinutes = "13";
    e.latDegrees = "28";
    e.latMinutes = "37";
    e.zoneHour = "5";
    e.zoneMinute = "30";
    e.city = "New Delhi";
    e.state = "Delhi";
    e.country = "India";
    return e;
}

} // namespace tivora::test
