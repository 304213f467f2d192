#pragma once

#include <string_view>

namespace vellmora {

// A year field read as a whole decimal number: leading blanks and one sign
// are accepted; any other text, an empty one, trailing blanks or a number
// beyond 32 bits count as 0.
int ReadYearField(std::string_view text);

}  // namespace vellmora
