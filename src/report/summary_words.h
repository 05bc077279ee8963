#pragma once

#include "entry/birth_summary.h"

namespace tivora {

// The birth summary's words in the language in effect; ascendantSign, when
// given, names the ascendant's sign in place of its abbreviation.
SummaryWords SummaryWordsInEffect(const std::string& ascendantSign = {});

} // namespace tivora
