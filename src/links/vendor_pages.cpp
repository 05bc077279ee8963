#include "links/vendor_pages.h"

namespace tivora {

QString VendorSiteAddress() {
    const QUrl site(VendorSite());
    return site.host().isEmpty() ? VendorSite() : site.host();
}

QString VendorPageBase() {
    return VendorSite() + QStringLiteral("/tivora/ssd.php?page=");
}

QString PageKey(VendorPage page) {
    switch (page) {
    case VendorPage::Help:
        return QStringLiteral("help-web-page");
    case VendorPage::Home:
        return QStringLiteral("home-page");
    case VendorPage::Download:
        return QStringLiteral("download-web-page");
    case VendorPage::FullyBranded:
        return QStringLiteral("fully-branded");
    case VendorPage::CoBrand:
        break;
    }
    return QStringLiteral("co-brand");
}

QUrl VendorPageUrl(VendorPage page) {
    return QUrl(VendorPageBase() + PageKey(page), QUrl::StrictMode);
}

} // namespace tivora
