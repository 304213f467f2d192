#include "app/texts/year_field.h"

#include <charconv>
#include <cstdint>

#include "catalogue/eclipse_list.h"

namespace vellmora {

int ReadYearField(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.front() < '0' || text.front() > '9') return 0;
  std::int64_t magnitude = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
  if (error != std::errc() || end != text.data() + text.size()) return 0;
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value < INT32_MIN || value > INT32_MAX) return 0;
  return static_cast<int>(value);
}

ListYears ReadListYears(std::string_view firstField, std::string_view lastField) {
  ListYears years{ReadYearField(firstField), ReadYearField(lastField), false, false};
  if (years.First < kFirstListYear) {
    years.First = kFirstListYear;
    years.FirstRaised = true;
  }
  if (years.Last > kLastListYear) {
    years.Last = kLastListYear;
    years.LastLowered = true;
  }
  return years;
}

}  // namespace vellmora
