#include "cli/arguments.h"

#include <charconv>
#include <cmath>

#include "catalogue/moon.h"

namespace vellmora {
namespace {

// A field of exactly `digits` decimal digits.
std::optional<int> ParseDigits(std::string_view text, std::size_t digits) {
  if (text.size() != digits) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<CivilDate> ParseCalendarDay(std::string_view text) {
  if (text.size() != 10 || text[2] != '.' || text[5] != '.') return std::nullopt;
  const auto day = ParseDigits(text.substr(0, 2), 2);
  const auto month = ParseDigits(text.substr(3, 2), 2);
  const auto year = ParseDigits(text.substr(6, 4), 4);
  if (!day || !month || !year || *year < 1 || *month < 1 || *month > 12 || *day < 1) return std::nullopt;
  try {
    CalendarToJD(static_cast<std::uint16_t>(*year), static_cast<std::uint16_t>(*month),
                 static_cast<std::uint16_t>(*day));
  } catch (const EConvertError&) {
    return std::nullopt;
  }
  return CivilDate{*year, *month, *day};
}

std::optional<double> ParseTimeOfDay(std::string_view text) {
  if (text.size() != 8 || text[2] != ':' || text[5] != ':') return std::nullopt;
  const auto hours = ParseDigits(text.substr(0, 2), 2);
  const auto minutes = ParseDigits(text.substr(3, 2), 2);
  const auto seconds = ParseDigits(text.substr(6, 2), 2);
  if (!hours || !minutes || !seconds || *hours > 23 || *minutes > 59 || *seconds > 59) return std::nullopt;
  return *hours + *minutes / 60.0 + *seconds / 3600.0;
}

std::optional<double> ParseDecimal(std::string_view text) {
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

}  // namespace vellmora
