#pragma once

#include <string_view>

namespace vellmora {

// A year field read as a whole decimal number: leading blanks and one sign
// are accepted; any other text, an empty one, trailing blanks or a number
// beyond 32 bits count as 0.
int ReadYearField(std::string_view text);

// The years of the fields "von" and "bis" as "Berechnung" takes them: each
// read by ReadYearField, the first raised to kFirstListYear and the last
// lowered to kLastListYear; the flags tell which field then shows its limit.
struct ListYears {
  int First;
  int Last;
  bool FirstRaised;
  bool LastLowered;
};

ListYears ReadListYears(std::string_view firstField, std::string_view lastField);

}  // namespace vellmora
