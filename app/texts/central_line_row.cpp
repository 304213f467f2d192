#include "app/texts/central_line_row.h"

#include "ephem/matlib.h"
#include "text/format_number.h"

namespace vellmora {
namespace {

constexpr char kDegreeSign = '\xB0';

std::string PadWithZero(std::string text) {
  if (text.size() < 2) text.insert(0, 1, '0');
  return text;
}

// The row's time is the middle of the step's 15 s rounded up to the next half
// minute: the step's instant plus 30 s, with rounded seconds of "60" carried
// and a time past midnight folded back into the hours 0 to 23.
std::string FormatRowTime(double stepHours) {
  const DegreesMinutesSeconds hms = DegreesToDMS(stepHours + 1.0 / 120);
  int hours = hms.Degrees;
  int minutes = hms.Minutes;
  std::string seconds = FormatNumber(hms.Seconds, 1, 0);
  if (seconds == "60") {
    seconds = "0";
    ++minutes;
  }
  std::string minuteText = FormatNumber(minutes, 1, 0);
  if (minuteText == "60") {
    minuteText = "0";
    ++hours;
  }
  return FormatNumber(hours % 24, 1, 0) + ":" + PadWithZero(minuteText) + ":" + PadWithZero(seconds);
}

// Whole degrees and truncated arc-minutes; the sign sits on the degrees, or on
// the minutes when the degrees are 0.
std::string FormatDegreesMinutes(int degrees, int minutes) {
  return FormatNumber(degrees, 1, 0) + kDegreeSign + PadWithZero(FormatNumber(minutes, 1, 1));
}

}  // namespace

std::string FormatCentralLineRow(double stepHours, double latitude, double longitudeWest, double durationMinutes) {
  const DegreesMinutesSeconds lat = DegreesToDMS(latitude);
  DegreesMinutesSeconds lon = DegreesToDMS(longitudeWest);
  if (lon.Degrees != 0) {
    lon.Degrees = -lon.Degrees;
  } else {
    lon.Minutes = -lon.Minutes;
  }
  return FormatRowTime(stepHours) + "\t" + FormatDegreesMinutes(lat.Degrees, lat.Minutes) + "\t" +
         FormatDegreesMinutes(lon.Degrees, lon.Minutes) + "\t" + FormatNumber(durationMinutes, 7, 1);
}

std::vector<std::string> CentralLineRows(const CentralLineResults& results) {
  std::vector<std::string> rows;
  rows.reserve(results.Size());
  for (std::size_t i = 0; i < results.Size(); ++i) {
    rows.push_back(FormatCentralLineRow(results.StepHours[i], results.CentralLatitudes[i], results.CentralLongitudes[i],
                                        results.CentralPhaseMinutes[i]));
  }
  return rows;
}

}  // namespace vellmora
