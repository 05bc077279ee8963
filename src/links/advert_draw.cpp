#include "links/advert_draw.h"

#include <cmath>
#include <limits>

namespace tivora {

namespace {

// Round half to even without depending on the floating-point rounding mode.
std::int16_t RoundHalfEvenToInt16(float x) {
    if (!std::isfinite(x))
        return 0;
    constexpr float kLow = std::numeric_limits<std::int16_t>::min();
    constexpr float kHigh = std::numeric_limits<std::int16_t>::max();
    const float floor = std::floor(x);
    const float fraction = x - floor; // exact for floats in the int16 range
    float rounded = floor;
    if (fraction > 0.5f || (fraction == 0.5f && std::fmod(floor, 2.0f) != 0.0f))
        rounded = floor + 1.0f;
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
