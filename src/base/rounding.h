#pragma once

namespace tivora {

// The nearest whole number, a half going to the even one (2.5 to 2, 3.5 to
// 4), whatever the floating-point rounding mode. Values too large to have a
// fraction come back as they are.
double RoundHalfToEven(double value);

} // namespace tivora
