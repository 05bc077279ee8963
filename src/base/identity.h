#pragma once

#include "tivora_version.h"

#include <QString>

namespace tivora {

inline constexpr const char* kProgramTitle = "Tivora";
inline constexpr const char* kWindowCaption = "Tivora v" TIVORA_VERSION;

// The title of every message box.
inline QString ProgramTitle() {
    return QString::fromLatin1(kProgramTitle);
}

// The vendor site's base address (scheme and host), fixed at build time.
inline QString VendorSite() {
    return QStringLiteral(TIVORA_VENDOR_SITE);
}

} // namespace tivora
