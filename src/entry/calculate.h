#pragma once

#include "engine/chart_record.h"
#include "entry/birth_entry.h"
#include "signs/sign_tables.h"

#include <optional>

namespace tivora {

// The Calculate command, the same for the main window, the command line, its
// batch and the atlas: the checks in their order, then the birth data into
// the chart record, the ascendant, and the texts of the ascendant's sign.
// Returns the first failing check's message, and then leaves chart and signs
// as they were; returns nothing when both hold the new reading.
//
// zoneBehind: the zone lies behind universal time whatever the longitude
// says. Only the command line can say so; the main window's boxes cannot.
std::optional<EntryMessage> Calculate(const BirthEntry& entry, ChartRecord& chart,
                                      SignInformation& signs, bool zoneBehind = false);

// Calculate without the sign's texts, for callers that keep them per sign:
// the checks, then the chart record and its ascendant.
std::optional<EntryMessage> CalculateChart(const BirthEntry& entry, ChartRecord& chart,
                                           bool zoneBehind = false);

} // namespace tivora
