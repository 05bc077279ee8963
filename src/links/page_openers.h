#pragma once

#include "links/vendor_pages.h"

namespace tivora {

class Platform;

// Each hands its page to the browser and returns at once; a page that cannot
// be opened is not reported.
void OpenVendorPage(Platform& platform, VendorPage page);
inline void OpenHelpPage(Platform& p) {
    OpenVendorPage(p, VendorPage::Help);
}
inline void OpenHomePage(Platform& p) {
    OpenVendorPage(p, VendorPage::Home);
}
inline void OpenDownloadPage(Platform& p) {
    OpenVendorPage(p, VendorPage::Download);
}
inline void OpenFullyBrandedPage(Platform& p) {
    OpenVendorPage(p, VendorPage::FullyBranded);
}
inline void OpenCoBrandPage(Platform& p) {
    OpenVendorPage(p, VendorPage::CoBrand);
}

} // namespace tivora
