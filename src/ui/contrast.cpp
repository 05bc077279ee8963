#include "ui/contrast.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

namespace tivora {

namespace {

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

// In whole 8-bit steps, as the screen shows it: a colour that passes only
// before rounding would not pass on the screen.
QColor Blend(const QColor& from, const QColor& to, double t) {
    const auto mix = [t](int a, int b) { return int(std::lround(a + (b - a) * t)); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()),
                  mix(from.blue(), to.blue()));
}

} // namespace

double RelativeLuminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) +
           0.0722 * Linear(rgb.blueF());
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableColour(const QColor& wanted, const QColor& background, double minimum) {
    if (ContrastRatio(wanted, background) >= minimum)
        return wanted;
    // Towards whichever end of the scale leaves more room.
    const QColor end = ContrastRatio(Qt::white, background) >= ContrastRatio(Qt::black, background)
                           ? QColor(Qt::white)
                           : QColor(Qt::black);
    constexpr int kSteps = 100;
    for (int step = 1; step <= kSteps; ++step) {
        const QColor candidate = Blend(wanted.toRgb(), end, double(step) / kSteps);
        if (ContrastRatio(candidate, background) >= minimum)
            return candidate;
    }
    return end;
}

double ContrastNeeded(const QFont& font) {
    constexpr qreal kLargePoints = 18;
    return font.bold() || font.pointSizeF() >= kLargePoints ? kBoldTextContrast : kTextContrast;
}

void SetReadableTextColour(QWidget& widget, const QColor& wanted) {
    QPalette palette = widget.palette();
    const QColor colour = ReadableColour(wanted, palette.color(widget.backgroundRole()),
                                         ContrastNeeded(widget.font()));
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget.setPalette(palette);
}

} // namespace tivora
