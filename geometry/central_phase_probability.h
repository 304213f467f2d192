#pragma once

#include "geometry/contact_function.h"

// How sure it is that an observer sees the central phase (totality or the
// ring), when Delta-T is uncertain. A change of Delta-T by d seconds leaves
// the shadow's track in dynamical time alone and turns the Earth under it by
// d seconds of rotation, so the observer is carried across the path along
// its circle of latitude. With Delta-T normally distributed about the value
// of the model with standard deviation sigma, the probability is the normal
// measure of the set of d for which the umbra (or antumbra) reaches the
// observer while the Sun's upper limb stands above the horizon.

namespace vellmora {

// `setting` holds the fits and the observer with the model's Delta-T;
// `maximum` (Julian centuries since J2000, UT) is the instant near which the
// central phase would fall, for example the local maximum. The normal
// distribution is integrated over +-5 sigma.
double CentralPhaseProbability(const LocalEclipseSetting& setting, double geodeticLatitude, double maximum,
                               double sigmaSeconds);

enum class Certainty {
  Excluded,   // below 0.1 %
  Uncertain,  // from 0.1 % to 99.9 %
  Certain,    // above 99.9 %
};

Certainty CertaintyOf(double probability);

}  // namespace vellmora
