#pragma once

#include "ephem/matlib.h"

namespace vellmora {

// Adds the nutation to an equatorial vector: mean equinox of date to true equinox.
void ApplyNutation(Vector3& v, double T);

}  // namespace vellmora
