#pragma once

#include <string>

namespace vellmora {

// The one number-to-text routine of the window, the central line and the local
// circumstances: fixed point with `decimals` places, right-aligned in at least
// `width` characters, "." as separator whatever the locale. With decimals > 0,
// trailing zeros and then a bare trailing point are dropped; "-0" becomes "0".
std::string FormatNumber(double value, int width, int decimals);

}  // namespace vellmora
