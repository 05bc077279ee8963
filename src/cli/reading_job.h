#pragma once

#include "engine/chart_record.h"
#include "entry/birth_entry.h"
#include "signs/sign_tables.h"

#include <optional>
#include <string>

namespace tivora::cli {

// One reading as the Calculate command makes it: checks, chart record,
// ascendant and the sign's texts.
struct ReadingJob {
    BirthEntry entry;
    // A zone given as behind universal time, which the boxes cannot say.
    bool zoneWest = false;

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

std::string ReadingJson(const ReadingJob& job);
std::string ReadingText(const ReadingJob& job);

} // namespace tivora::cli
