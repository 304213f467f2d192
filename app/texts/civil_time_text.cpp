#include "app/texts/civil_time_text.h"

#include <cstdio>
#include <cstdlib>

#include "app/texts/local_details_text.h"
#include "ephem/timlib.h"
#include "text/windows1252.h"

namespace vellmora {
namespace {

// The clock's day mark of FormatClockTime after the zone's name.
std::string WithDayMark(const std::string& clock, const std::string& zone) {
  const std::size_t mark = clock.find(' ');
  if (mark == std::string::npos) return clock + " " + zone;
  return clock.substr(0, mark) + " " + zone + clock.substr(mark);
}

}  // namespace

std::string FormatOffsetFromUtc(long offsetSeconds) {
  if (offsetSeconds == 0) return "UTC";
  const long size = std::labs(offsetSeconds);
  char text[32];
  const char sign = offsetSeconds < 0 ? '-' : '+';
  if (size % 60 != 0) {
    std::snprintf(text, sizeof text, "UTC%c%ld:%02ld:%02ld", sign, size / 3600, size / 60 % 60, size % 60);
  } else if (size % 3600 != 0) {
    std::snprintf(text, sizeof text, "UTC%c%ld:%02ld", sign, size / 3600, size / 60 % 60);
  } else {
    std::snprintf(text, sizeof text, "UTC%c%ld", sign, size / 3600);
  }
  return text;
}

std::string FormatCivilTime(double t, const CivilClock& clock) {
  const std::string offset = FormatOffsetFromUtc(clock.OffsetSeconds);
  const std::string name = clock.LocalMeanTime ? "mittlere Ortszeit" : Utf8ToWindows1252(clock.GermanName);
  const std::string shown = name.empty() || name == offset ? offset : name + " (" + offset + ")";
  return WithDayMark(FormatClockTime(t, static_cast<double>(clock.OffsetSeconds) / kSecondsPerHour), shown);
}

std::string FormatSolarTime(double t, double offsetSeconds) {
  return FormatClockTime(t, offsetSeconds / kSecondsPerHour);
}

}  // namespace vellmora
