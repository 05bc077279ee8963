#pragma once

#include <QColor>

class QFont;
class QWidget;

namespace tivora {

// Contrast as screen readers' guidelines measure it: relative luminance of
// sRGB colours (0 black .. 1 white) and the ratio (lighter + 0.05) /
// (darker + 0.05), from 1 to 21.
double RelativeLuminance(const QColor& colour);
double ContrastRatio(const QColor& a, const QColor& b);

// What body text needs, and bold or large text.
inline constexpr double kTextContrast = 4.5;
inline constexpr double kBoldTextContrast = 3.0;

// wanted itself when it stands out from background by at least minimum;
// otherwise wanted blended towards white (on a dark background) or black (on
// a light one) just far enough, so a link stays bluish and a warning reddish.
QColor ReadableColour(const QColor& wanted, const QColor& background,
                      double minimum = kTextContrast);

// The contrast text in font needs: bold or large text gets by with less.
double ContrastNeeded(const QFont& font);

// Gives widget's text (WindowText and Text) the colour wanted, made readable
// on the background its palette gives it. Set the widget's font first.
void SetReadableTextColour(QWidget& widget, const QColor& wanted);

} // namespace tivora
