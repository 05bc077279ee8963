#pragma once

#include <QString>

namespace tivora {

// "Jan" to "Dec" for month 1 to 12 in the language in effect, as the status
// line and Recent Births write dates; empty for any other month.
QString ShortMonthName(int month);

// A vendor caption from links/vendor_captions.h in the language in effect.
QString VendorCaption(const char* english);

} // namespace tivora
