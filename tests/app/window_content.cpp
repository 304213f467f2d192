#include "tests/app/window_content.h"

#include <cmath>
#include <optional>
#include <regex>

namespace vellmora {
namespace {

int Field(const std::ssub_match& match) { return std::stoi(match.str()); }

// Degrees and arc-minutes as the rows print them: the sign on the degrees, or
// on the minutes when the degrees are 0.
std::optional<double> Angle(const std::ssub_match& degreesText, const std::ssub_match& minutesText) {
  const int degrees = Field(degreesText);
  const int minutes = Field(minutesText);
  if (std::abs(minutes) > 59 || (degrees != 0 && minutes < 0)) return std::nullopt;
  return degrees + (degrees < 0 ? -minutes : minutes) / 60.0;
}

bool IsTimeOfDay(int hours, int minutes, int seconds) {
  return hours >= 0 && hours <= 23 && minutes >= 0 && minutes <= 59 && seconds >= 0 && seconds <= 59;
}

struct Instant {
  long Day;  // an increasing count of calendar days, enough to order instants
  int Second;
  long Total() const { return Day * 86400 + Second; }
};

}  // namespace

std::string CentralRowProblem(const std::string& row) {
  static const std::regex form(
      "(\\d{1,2}):(\\d{2}):(\\d{2})\\t(-?\\d+)\\xB0(\\d{2}|-\\d{1,2})\\t(-?\\d+)\\xB0(\\d{2}|-\\d{1,2})\\t "
      "*(\\d+(\\.\\d)?)");
  std::smatch match;
  if (!std::regex_match(row, match, form)) return "not a central-line row";
  if (!IsTimeOfDay(Field(match[1]), Field(match[2]), Field(match[3]))) return "no time of day";
  const std::optional<double> latitude = Angle(match[4], match[5]);
  if (!latitude || std::abs(*latitude) > 90) return "latitude beyond 90 degrees";
  const std::optional<double> longitude = Angle(match[6], match[7]);
  if (!longitude || std::abs(*longitude) > 180) return "longitude beyond 180 degrees";
  if (std::stod(match[8].str()) >= 15) return "central phase of 15 minutes or more";
  return {};
}

std::string LocalCircumstancesProblem(const std::vector<std::string>& lines) {
  static const std::regex notVisible("Am Beobachtungsort nicht zu sehen");
  static const std::regex kind(
      "(Partielle|Ringfoermige) Finsternis mit M= *([0-9.]+) \\( *([0-9.]+)\\)|"
      "(Totale) Finsternis mit M= *([0-9.]+)");
  static const std::regex maximum("Maximum um ([ \\d]\\d):([ \\d]\\d):([ \\d]\\d) UT");
  static const std::regex contact(
      "([1-4])\\. Kontakt: ([ \\d]\\d)\\.([ \\d]\\d)\\.(\\d{4}) ([ \\d]{2}\\d):([ \\d]{2}\\d):([ \\d]{2}\\d) UT");
  if (lines.empty() || (lines.size() == 1 && std::regex_match(lines[0], notVisible))) return {};
  std::smatch match;
  if (!std::regex_match(lines[0], match, kind)) return "no kind line first";
  const bool partial = match[1] == "Partielle";
  const double magnitude = std::stod(match[match[2].matched ? 2 : 5].str());
  if (magnitude < 0 || magnitude > 1.2) return "magnitude outside [0, 1.2]";
  if (match[3].matched && std::stod(match[3].str()) > 1) return "obscuration above 1";
  const std::size_t expected = partial ? 4 : 6;
  if (lines.size() != expected) return "not " + std::to_string(expected) + " lines";

  if (!std::regex_match(lines[1], match, maximum)) return "no maximum line second";
  const int maximumSecond = Field(match[1]) * 3600 + Field(match[2]) * 60 + Field(match[3]);
  if (!IsTimeOfDay(Field(match[1]), Field(match[2]), Field(match[3]))) return "maximum at no time of day";

  std::vector<Instant> contacts;
  for (std::size_t i = 2; i < lines.size(); ++i) {
    if (!std::regex_match(lines[i], match, contact)) return "no contact line: " + lines[i];
    const int number = Field(match[1]);
    if (number != (partial ? (i == 2 ? 1 : 4) : static_cast<int>(i) - 1)) return "contacts out of turn";
    if (!IsTimeOfDay(Field(match[5]), Field(match[6]), Field(match[7]))) return "contact at no time of day";
    contacts.push_back({Field(match[4]) * 372L + Field(match[3]) * 31L + Field(match[2]),
                        Field(match[5]) * 3600 + Field(match[6]) * 60 + Field(match[7])});
  }
  // The maximum has no date of its own: the day of the first contact, or the next one after midnight.
  Instant greatest{contacts.front().Day, maximumSecond};
  if (greatest.Total() < contacts.front().Total() - 3600) greatest.Day += 1;
  std::vector<Instant> order = contacts;
  order.insert(order.begin() + (partial ? 1 : 2), greatest);
  for (std::size_t i = 1; i < order.size(); ++i) {
    if (order[i].Total() < order[i - 1].Total()) return "contacts and maximum out of order";
  }
  return {};
}

bool ShowsNanOrInf(const std::string& text) {
  static const std::regex word("(^|[^A-Za-z])(nan|inf)([^A-Za-z]|$)", std::regex::icase);
  return std::regex_search(text, word);
}

}  // namespace vellmora
