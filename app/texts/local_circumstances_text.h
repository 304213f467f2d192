#pragma once

#include <string>
#include <vector>

#include "geometry/local_circumstances.h"

// The lines of the local-circumstances list LB6, Windows-1252.

namespace vellmora {

// The one line where the eclipse is not seen: no shadow reaches the place, or
// the Sun is below its horizon.
inline constexpr const char* kNotVisibleText = "Am Beobachtungsort nicht zu sehen";

// The list for a result: the kind line alone where the eclipse is not seen;
// otherwise the kind, the maximum and the first and fourth contacts, with the
// second and third between them where the eclipse is annular or total.
std::vector<std::string> LocalCircumstancesLines(const LocalCircumstancesResult& result);

// kNotVisibleText, or the kind with magnitude (and the
// obscuration for partial and annular eclipses).
std::string FormatKindLine(LocalEclipseKind kind, double magnitude, double obscuration);

// "Maximum um hh:mm:ss UT", fields blank-padded to two characters; t in Julian
// centuries since J2000 (universal time).
std::string FormatMaximumLine(double t);

// "n. Kontakt: dd.mm.yyyy hhh:mmm:sss UT", each field blank-padded.
std::string FormatContactLine(int number, double t);

}  // namespace vellmora
