#include "links/page_openers.h"

#include "platform/platform.h"

namespace tivora {

void OpenVendorPage(Platform& platform, VendorPage page) {
    platform.openUrl(VendorPageUrl(page));
}

} // namespace tivora
