#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "catalogue/date_serial.h"

// Reading the command line of vellmora-cli. Every command is a function
//   int RunXxxCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err)
// that gets the arguments after the command's name, prints UTF-8 on `out`,
// messages on `err`, and returns the exit status (0 done, 1 failed, 2 usage).

namespace vellmora {

inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// A value read from one argument, or why it was refused (for the message).
template <typename Value>
struct ArgumentReading {
  std::optional<Value> Read;
  std::string Problem;
};

// "DD.MM.YYYY" with a day that exists in the calendar of that date (Julian
// before 15.10.1582, so 05.10.1582 to 14.10.1582 do not exist) and a year of 1..9999.
ArgumentReading<CivilDate> ReadCalendarDay(std::string_view text);
std::optional<CivilDate> ParseCalendarDay(std::string_view text);

// "HH:MM:SS" of decimal digits only (00..23, 00..59, 00..59) as hours of the day.
ArgumentReading<double> ReadTimeOfDay(std::string_view text);
std::optional<double> ParseTimeOfDay(std::string_view text);

// The date or time of a command's argument; nullopt after the message
// "COMMAND: PROBLEM: TEXT" on err.
std::optional<CivilDate> DateArgument(std::string_view command, std::string_view text, std::ostream& err);
std::optional<double> TimeArgument(std::string_view command, std::string_view text, std::ostream& err);

// The one line on err of a command whose eclipse has no central line: the
// axis of the Moon's shadow missed the Earth around `date` (DD.MM.YYYY).
std::string NoCentralLineNotice(std::string_view date);

// A decimal number with "." as separator and an optional sign, nothing else.
std::optional<double> ParseDecimal(std::string_view text);

}  // namespace vellmora
