#pragma once

#include <string>

#include "geometry/local_circumstances.h"

// The lines of the local-circumstances list, Windows-1252.

namespace vellmora {

// "Am Beobachtungsort nicht zu sehen", or the kind with magnitude (and the
// obscuration for partial and annular eclipses).
std::string FormatKindLine(LocalEclipseKind kind, double magnitude, double obscuration);

// "Maximum um hh:mm:ss UT", fields blank-padded to two characters; t in Julian
// centuries since J2000 (universal time).
std::string FormatMaximumLine(double t);

// "n. Kontakt: dd.mm.yyyy hhh:mmm:sss UT", each field blank-padded.
std::string FormatContactLine(int number, double t);

}  // namespace vellmora
