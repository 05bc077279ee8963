#pragma once

#include "entry/birth_summary.h"

namespace tivora {

// The birth summary's words in the language in effect; ascendantSign, when
// given, names the ascendant's sign in place of its abbreviation.
SummaryWords SummaryWordsInEffect(const std::string& ascendantSign = {});

// What the summary says after the offset: the zone's abbreviation ("BST"),
// with "offset uncertain" when the town's clocks may have kept another.
std::string ZoneNote(const std::string& abbreviation, bool certain);

} // namespace tivora
