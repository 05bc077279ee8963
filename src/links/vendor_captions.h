#pragma once

#include <QtGlobal>

namespace tivora {

// The vendor's offers, shown by the main, result, report and About windows.
// In captions "&&" shows one "&".
inline constexpr const char* kFullBrandCaption = QT_TRANSLATE_NOOP(
    "tivora::VendorCaptions",
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website. Click here for more details.");
inline constexpr const char* kCobrandCaption = QT_TRANSLATE_NOOP(
    "tivora::VendorCaptions",
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    "site's name &&  link here. See \"Help\" for details.    Click Here for more info on "
    "co-branding.");
// The offer without its link, which "Click here for more details" completes.
inline constexpr const char* kAboutOffer = QT_TRANSLATE_NOOP(
    "tivora::VendorCaptions",
    "Home Business Opportunity. Start your own Internet business and make money online. Get "
    "this software fully branded for your website.");
inline constexpr const char* kAboutMoreDetails =
    QT_TRANSLATE_NOOP("tivora::VendorCaptions", "Click here for more details");
inline constexpr const char* kAboutDescription = QT_TRANSLATE_NOOP(
    "tivora::VendorCaptions",
    "Tivora is a Lagna calculator software based on Vedic Astrology. This program tells us in "
    "detail the characteristics and features of people born with a particular ascendant. The "
    "moon sign (Rashi) and the Vedic Ascendant (Lagna) together describe an individual's "
    "nature. This helps you understand your positive and negative traits, thus helping you "
    "improve your personality.");

} // namespace tivora
