#include "text/format_number.h"

#include <charconv>
#include <cmath>

namespace vellmora {

std::string FormatNumber(double value, int width, int decimals) {
  char digits[400];
  const auto written = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
  std::string text(digits, written.ptr);
  if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  if (decimals != 0) {
    while (text.size() >= 2 && text.back() == '0') text.pop_back();
    if (text.size() > 1 && text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return text;
}

std::string FormatFixed(double value, int decimals) {
  char digits[64];
  const auto written = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
  std::string text(digits, written.ptr);
  if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

}  // namespace vellmora
