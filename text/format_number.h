#pragma once

#include <string>

namespace vellmora {

// The one number-to-text routine of the window, the central line and the local
// circumstances: fixed point with `decimals` places, right-aligned in at least
// `width` characters, "." as separator whatever the locale. With decimals > 0,
// trailing zeros and then a bare trailing point are dropped; "-0" becomes "0".
std::string FormatNumber(double value, int width, int decimals);

// A value with a fixed number of decimals, trailing zeros kept, for tables
// and exports ("-0.0000" becomes "0.0000").
std::string FormatFixed(double value, int decimals);

}  // namespace vellmora
