#pragma once

// A cheap test that keeps every eclipse whose local circumstances could be
// seen: whether the Sun stays well below the horizon of a place all through
// the span in which the local circumstances look for the contacts.

#include "ephem/instant.h"

namespace vellmora {

// `listed`: the instant the local circumstances start from (its clock reading
// taken as universal time); latitude and east longitude in degrees. True only when the Sun's
// centre stays more than 2 degrees below the horizon (refraction, the Sun's
// radius and the error of the short solar series leave it well out of sight)
// from 5 h 10 min before to 5 h 10 min after that instant.
bool SunStaysDownAround(InstantTD listed, double latitude, double longitudeEast);

}  // namespace vellmora
