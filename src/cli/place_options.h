#pragma once

#include <QtGlobal>

#include "cli/reading_job.h"

#include <ostream>
#include <string>
#include <vector>

namespace tivora::cli {

// The reading options that take the place and the offset from the atlas and
// the time-zone database: --place, --tz and --fold, and which of the parts
// the user gave directly (those win).
struct PlaceOptions {
    std::string place;
    std::string timeZone;
    std::string fold; // "", "earlier" or "later"
    // How the user says which of two offsets a repeated local time had
    // (translated where it is used).
    const char* foldHint = QT_TRANSLATE_NOOP("tivora::cli", "--fold earlier or --fold later");
    bool lonGiven = false;
    bool latGiven = false;
    bool zoneGiven = false;
};

// Fills the job's coordinate and zone boxes from the options, after the
// other options are parsed. False with error when the place is not found or
// the local time never happened or happened twice without --fold.
bool ApplyPlaceOptions(const PlaceOptions& options, ReadingJob& job, std::string& error);

// A reading opened from a file that kept its atlas town: the town and its
// zone id go to the output as --place would have put them.
void UseSavedTown(ReadingJob& job);

// Loads the atlas once a process; false with a message naming the file and
// its fault when it is missing or damaged (found once, said the same after).
bool AtlasReady(std::string& error);

// places QUERY [--limit N] [--json]
int RunPlaces(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace tivora::cli
