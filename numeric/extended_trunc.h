#pragma once

#include <cmath>
#include <cstdint>

// Trunc of an extended (80-bit) value as a 64-bit integer. Converting an extended
// value to an integer, or truncating it, switches the x87 rounding mode there and
// back, which stalls the floating-point unit; the calendar conversions do it
// several times per date. Here rint rounds in the default mode, one step toward
// zero makes that the truncation, and the whole number passes through a double
// exactly. For |x| < 2^53.

namespace vellmora {

inline std::int64_t TruncToInt64(long double x) {
  long double whole = std::rint(x);
  if (x >= 0 && whole > x) whole -= 1;
  if (x < 0 && whole < x) whole += 1;
  return static_cast<std::int64_t>(static_cast<double>(whole));
}

}  // namespace vellmora
