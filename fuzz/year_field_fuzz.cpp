#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "app/memory/memory_window.h"
#include "app/texts/eclipse_row.h"
#include "app/texts/year_field.h"

// The year fields: ReadYearField against a reading of its own, then the whole
// "Berechnung" with the input split at its first newline into E1 and E2.

namespace {

using vellmora::ReadYearField;

// Blanks, one sign, then only digits, within 32 bits; anything else is 0.
int ReferenceYear(std::string_view text) {
  std::size_t i = text.find_first_not_of(' ');
  if (i == std::string_view::npos) return 0;
  const bool negative = text[i] == '-';
  if (text[i] == '+' || text[i] == '-') ++i;
  if (i == text.size()) return 0;
  std::int64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return 0;
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > 2147483648LL) return 0;
  }
  if (!negative && magnitude == 2147483648LL) return 0;
  return static_cast<int>(negative ? -magnitude : magnitude);
}

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  Require(ReadYearField(input) == ReferenceYear(input));

  const std::size_t newline = input.find('\n');
  const std::string first(input.substr(0, newline));
  const std::string last(newline == std::string_view::npos ? std::string_view() : input.substr(newline + 1));
  // The years as "Berechnung" clamps them: the first one up to 1000, the last one down to 3000.
  const int firstYear = std::max(ReferenceYear(first), 1000);
  const int lastYear = std::min(ReferenceYear(last), 3000);
  // A wide range walks up to 25,000 lunations; keep the fuzzer on the reading and the limits.
  if (static_cast<std::int64_t>(lastYear) - firstYear > 20) return 0;

  // One window for many inputs; a fresh one now and then keeps its error report from growing without end.
  static std::unique_ptr<vellmora::MemoryWindow> reused;
  if (!reused || reused->Errors.Messages().size() > 10000) {
    reused = std::make_unique<vellmora::MemoryWindow>(vellmora::CivilDate{2026, 12, 8});
  }
  vellmora::MemoryWindow& window = *reused;
  const std::size_t messagesBefore = window.Errors.Messages().size();
  window.E1.SetText(first);
  window.E2.SetText(last);
  window.D1.Click();

  Require(window.E1.Text() == (ReferenceYear(first) < 1000 ? "1000" : first));
  Require(window.E2.Text() == (ReferenceYear(last) > 3000 ? "3000" : last));
  const bool cannotEncode = firstYear > 9999 || lastYear < 1;
  const auto& messages = window.Errors.Messages();
  Require(messages.size() == messagesBefore + (cannotEncode ? 1 : 0));
  if (cannotEncode) {
    Require(messages.back() == "Invalid argument to date encode");
    Require(window.LB1.Count() == 0);
  }
  Require(window.Form.ListedEclipses.size() == static_cast<std::size_t>(window.LB1.Count()));
  for (const vellmora::ChosenEclipse& listed : window.Form.ListedEclipses) {
    const vellmora::CalendarInstant& instant = listed.DynamicalTime;
    Require(instant.Year >= firstYear - 1 && instant.Hours >= 0 && instant.Hours < 24);
  }
  return 0;
}
