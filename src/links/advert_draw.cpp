#include "links/advert_draw.h"

#include "base/rounding.h"

#include <cmath>
#include <limits>

namespace tivora {

namespace {

// Rounded half to even and held to the 16-bit range. A float is exact as a
// double, so its halves stay halves.
std::int16_t RoundHalfEvenToInt16(float x) {
    if (!std::isfinite(x))
        return 0;
    constexpr double kLow = std::numeric_limits<std::int16_t>::min();
    constexpr double kHigh = std::numeric_limits<std::int16_t>::max();
    const double rounded = RoundHalfToEven(x);
    if (rounded < kLow)
        return std::numeric_limits<std::int16_t>::min();
    if (rounded > kHigh)
        return std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(rounded);
}

} // namespace

std::int16_t AdvertNumber(double r) {
    // Each step stored in a float so the result matches single precision
    // exactly, halves included.
    const float rf = static_cast<float>(r);
    const float scaled = 6.0f * rf;
    const float shifted = scaled + 1.0f;
    return RoundHalfEvenToInt16(shifted);
}

AdvertLabel DrawAdvert(double r) {
    switch (AdvertNumber(r)) {
    case 1:
    case 3:
    case 5:
        return AdvertLabel::CoBrand;
    case 2:
    case 4:
    case 6:
        return AdvertLabel::FullBrand;
    default:
        return AdvertLabel::Unchanged;
    }
}

ClockSeededRandom::ClockSeededRandom(const QDateTime& seedTime)
    : engine_(static_cast<std::uint64_t>(seedTime.toMSecsSinceEpoch())) {}

double ClockSeededRandom::next() {
    // The top 53 bits scaled by 2^-53: exactly representable, below 1.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

} // namespace tivora
