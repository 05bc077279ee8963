#pragma once

#include <QString>

namespace tivora {

// A vendor caption from links/vendor_captions.h in the language in effect.
QString VendorCaption(const char* english);

} // namespace tivora
