#pragma once

#include <QDateTime>

#include <cstdint>
#include <random>

namespace tivora {

// Which of the main window's two advertising labels start-up brings to the
// front. Unchanged keeps the window's design order (full-brand in front).
enum class AdvertLabel { CoBrand, FullBrand, Unchanged };

// 6 * r + 1 in single precision, rounded half to even to a 16-bit integer:
// 1..7 for 0 <= r < 1.
std::int16_t AdvertNumber(double r);
// 1, 3, 5 -> CoBrand; 2, 4, 6 -> FullBrand; anything else -> Unchanged. Over
// uniform r the co-brand label wins about 5 starts in 12.
AdvertLabel DrawAdvert(double r);

// The start-up pseudo-random generator, seeded from the clock once.
class ClockSeededRandom final {
public:
    explicit ClockSeededRandom(const QDateTime& seedTime);
    // Uniform in [0, 1), never 1.
    double next();

private:
    std::mt19937_64 engine_;
};

} // namespace tivora
