#pragma once

#include <QDialog>

namespace tivora {

class Platform;

inline constexpr const char* kAboutDescription =
    "Tivora is a Lagna calculator software based on Vedic Astrology. This program tells us in "
    "detail the characteristics and features of people born with a particular ascendant. The "
    "moon sign (Rashi) and the Vedic Ascendant (Lagna) together describe an individual's "
    "nature. This helps you understand your positive and negative traits, thus helping you "
    "improve your personality.";
inline constexpr const char* kAboutOffer =
    "Home Business Opportunity. Start your own Internet business and make money online. Get "
    "this software fully branded for your website.";
inline constexpr const char* kAboutMoreDetails = "Click here for more details";

// "Click here to visit " and the vendor's site address.
QString AboutHomePageCaption();

// The About window: the program's description and the vendor's links.
// Modal; a new one is made for every showing.
class frmAbout final : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(Platform& platform, QWidget* parent = nullptr);
};

// Shows a fresh About window modally over parent and returns once it closes.
void ShowAboutWindow(Platform& platform, QWidget* parent);

} // namespace tivora
