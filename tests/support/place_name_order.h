#pragma once

#include <string_view>

// The order of the place chooser, against which the tests check the place
// names of the data: a case-insensitive word sort of Windows-1252
// names in which hyphens and apostrophes are ignored, accented letters count as
// their base letters, ß as ss, and blank, comma and full stop come before digits
// and letters. Names equal under these rules are ordered by their bytes.

namespace vellmora {

// Negative if a sorts before b, zero if the names are identical, positive otherwise.
int ComparePlaceNames(std::string_view a, std::string_view b);

}  // namespace vellmora
