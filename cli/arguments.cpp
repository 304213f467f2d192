#include "cli/arguments.h"

#include <charconv>
#include <cmath>

#include "catalogue/moon.h"

namespace vellmora {
namespace {

// A field of exactly `digits` decimal digits: no sign, no blank.
std::optional<int> ParseDigits(std::string_view text, std::size_t digits) {
  if (text.size() != digits || text.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

bool HasMinus(std::string_view text) { return text.find('-') != std::string_view::npos; }

// The ten days that the Gregorian reform left out: Thursday 04.10.1582 (Julian)
// was followed by Friday 15.10.1582 (Gregorian).
bool InCalendarReformGap(const CivilDate& day) {
  return day.Year == 1582 && day.Month == 10 && day.Day >= 5 && day.Day <= 14;
}

template <typename Value>
std::optional<Value> Reported(const ArgumentReading<Value>& reading, std::string_view command, std::string_view text,
                              std::ostream& err) {
  if (!reading.Read) err << command << ": " << reading.Problem << ": " << text << '\n';
  return reading.Read;
}

}  // namespace

ArgumentReading<CivilDate> ReadCalendarDay(std::string_view text) {
  if (text.size() != 10 || text[2] != '.' || text[5] != '.') return {std::nullopt, "not a date DD.MM.YYYY"};
  const auto day = ParseDigits(text.substr(0, 2), 2);
  const auto month = ParseDigits(text.substr(3, 2), 2);
  const auto year = ParseDigits(text.substr(6, 4), 4);
  if (!day || !month || !year) {
    return {std::nullopt, HasMinus(text) ? "a date field is negative" : "not a date DD.MM.YYYY"};
  }
  const CivilDate read{*year, *month, *day};
  if (InCalendarReformGap(read)) {
    return {std::nullopt, "the days 05.10.1582 to 14.10.1582 do not exist (15.10.1582 followed 04.10.1582)"};
  }
  if (*year < 1 || *month < 1 || *month > 12 || *day < 1) return {std::nullopt, "no such day"};
  try {
    CalendarToJD(static_cast<std::uint16_t>(*year), static_cast<std::uint16_t>(*month),
                 static_cast<std::uint16_t>(*day));
  } catch (const EConvertError&) {
    return {std::nullopt, "no such day"};
  }
  return {read, {}};
}

std::optional<CivilDate> ParseCalendarDay(std::string_view text) { return ReadCalendarDay(text).Read; }

ArgumentReading<double> ReadTimeOfDay(std::string_view text) {
  if (text.size() != 8 || text[2] != ':' || text[5] != ':') return {std::nullopt, "not a time HH:MM:SS"};
  const auto hours = ParseDigits(text.substr(0, 2), 2);
  const auto minutes = ParseDigits(text.substr(3, 2), 2);
  const auto seconds = ParseDigits(text.substr(6, 2), 2);
  if (!hours || !minutes || !seconds) {
    return {std::nullopt, HasMinus(text) ? "a time field is negative" : "not a time HH:MM:SS"};
  }
  if (*hours > 23 || *minutes > 59 || *seconds > 59) {
    return {std::nullopt, "hours run from 00 to 23, minutes and seconds from 00 to 59"};
  }
  return {*hours + *minutes / 60.0 + *seconds / 3600.0, {}};
}

std::optional<double> ParseTimeOfDay(std::string_view text) { return ReadTimeOfDay(text).Read; }

std::optional<CivilDate> DateArgument(std::string_view command, std::string_view text, std::ostream& err) {
  return Reported(ReadCalendarDay(text), command, text, err);
}

std::optional<double> TimeArgument(std::string_view command, std::string_view text, std::ostream& err) {
  return Reported(ReadTimeOfDay(text), command, text, err);
}

std::string NoCentralLineNotice(std::string_view date) {
  return "no central line on " + std::string(date) + ": the axis of the Moon's shadow misses the Earth";
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
