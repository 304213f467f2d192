#pragma once

#include <string>
#include <vector>

// Checks of what the window shows, read back from its texts: a central-line
// row and the local circumstances must say something that can be true. Each
// returns an empty text when all is well, else what is wrong.

namespace vellmora {

// A row of LB5: "h:mm:ss<TAB>lat°mm<TAB>lon°mm<TAB>duration" with the hour in
// 0-23, latitude within ±90, longitude within ±180 and a duration of 0 to 15 minutes.
std::string CentralRowProblem(const std::string& row);

// The lines of LB6: none (no eclipse chosen yet), "Am Beobachtungsort nicht zu sehen" alone, or the kind
// with M in [0, 1.2] (and the obscuration in [0, 1]), the maximum and the
// contacts 1 and 4 (partial) or 1 to 4, in the order 1 <= 2 <= maximum <= 3 <= 4.
std::string LocalCircumstancesProblem(const std::vector<std::string>& lines);

// Whether "nan" or "inf" stands in the text as a word of its own (any case).
bool ShowsNanOrInf(const std::string& text);

}  // namespace vellmora
