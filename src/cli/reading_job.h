#pragma once

#include "engine/chart_record.h"
#include "entry/birth_entry.h"
#include "signs/sign_tables.h"

#include <optional>
#include <string>
#include <vector>

namespace tivora::cli {

// What --place and --tz chose, for the output; used is false without them.
struct PlaceUse {
    bool used = false;
    std::string place;        // "London, England, GB"; empty without --place
    std::string placeDisplay; // "London, England, United Kingdom"
    double latitude = 0;      // of the place, north positive
    double longitude = 0;     // of the place, east positive
    std::string timeZone;     // empty when --zone gave the offset
    bool isDaylightTime = false;
    std::string offsetSource;      // "tzdata" or "local mean time"; empty with --zone
    std::string offsetDescription; // "BST = UT+1:00 (daylight saving)"
    // Which of several towns of the name --place took, and how to name another.
    std::string note;
    // False when the town's clocks may not have kept its zone's offset (before
    // 1970, far from the zone's city); then the offsets they may have kept.
    bool offsetCertain = true;
    std::string offsetDoubt;
    struct Alternative {
        int minutes;
        std::string why;
    };
    std::vector<Alternative> alternatives;
};

// One reading of the command line: the entry its options or batch row fill,
// and what the Calculate command made of it.
struct ReadingJob {
    BirthEntry entry;
    // A zone given as behind universal time, which the boxes cannot say.
    bool zoneWest = false;
    PlaceUse placeUse;

    std::optional<EntryMessage> message;
    ChartRecord chart;
    std::string lagnaSign;
    SignInformation info;

    // True when the checks pass and the reading is filled in.
    bool run();
};

// The entry for the options of the reading command; false with a message in
// error when an option's value has the wrong form.
bool ParseReadingOption(const std::string& option, const std::string& value, ReadingJob& job,
                        std::string& error);

// The reading as an indented JSON object.
std::string ReadingJson(const ReadingJob& job);
// The reading as "Key: value" lines (what was computed first), a blank line
// and the report's text.
std::string ReadingText(const ReadingJob& job);

} // namespace tivora::cli
