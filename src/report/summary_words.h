#pragma once

#include "entry/birth_summary.h"

#include <QString>

namespace tivora {

// The birth summary's words in the language in effect; ascendantSign, when
// given, names the ascendant's sign in place of its abbreviation.
SummaryWords SummaryWordsInEffect(const std::string& ascendantSign = {});

// "Jan" to "Dec" for month 1 to 12 in the language in effect, as the summary
// line and Recent Births write dates; empty for any other month.
QString ShortMonthName(int month);

} // namespace tivora
