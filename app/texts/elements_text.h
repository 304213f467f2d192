#pragma once

#include <string>

#include "geometry/besselian_elements.h"

// The Besselian elements as a table of text, the same in the dialog
// "Besselsche Elemente" and on the command line: t0 and Delta-T, one line of
// polynomial coefficients per element, tan f1 and tan f2. ASCII only.

namespace vellmora {

std::string BesselianElementsTable(const BesselianElements& elements);

}  // namespace vellmora
