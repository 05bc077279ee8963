#pragma once

#include "base/identity.h"

#include <QString>
#include <QUrl>

namespace tivora {

enum class VendorPage { Help, Home, Download, FullyBranded, CoBrand };

// The site's address as shown in captions, without the scheme.
QString VendorSiteAddress();
// Everything up to and including "?page=".
QString VendorPageBase();
QString PageKey(VendorPage page);
QUrl VendorPageUrl(VendorPage page);

} // namespace tivora
