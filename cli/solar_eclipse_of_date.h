#pragma once

#include <ostream>
#include <string>

#include "app/selection/chosen_eclipse.h"

// The solar eclipse of any kind, partial ones too, that the catalogue's
// search puts on a date.

namespace vellmora {

// The eclipse on the date DD.MM.YYYY. Returns 0 with the eclipse filled, or
// the exit status with a message on err: 2 for a date that does not exist, 1
// when no solar eclipse falls on it.
int FindSolarEclipseOnDate(const std::string& date, std::ostream& err, ChosenEclipse& eclipse);

}  // namespace vellmora
