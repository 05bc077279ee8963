#include "base/rounding.h"

#include <cmath>

namespace tivora {

double RoundHalfToEven(double value) {
    const double floor = std::floor(value);
    const double rest = value - floor;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(floor, 2.0) != 0.0))
        return floor + 1;
    return floor;
}

} // namespace tivora
