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

// "DD.MM.YYYY" with a day that exists in the calendar of that date (Julian
// before 15.10.1582) and a year of 1..9999.
std::optional<CivilDate> ParseCalendarDay(std::string_view text);

// "HH:MM:SS" (0..23, 0..59, 0..59) as hours of the day.
std::optional<double> ParseTimeOfDay(std::string_view text);

// A decimal number with "." as separator and an optional sign, nothing else.
std::optional<double> ParseDecimal(std::string_view text);

}  // namespace vellmora
