#include "geometry/fit_position.h"

namespace vellmora {

EquatorialPosition PositionFromFit(const EquatorialFit& fit, double t) {
  return {EvaluateChebyshev(fit.RightAscension, t), EvaluateChebyshev(fit.Declination, t),
          EvaluateChebyshev(fit.Distance, t)};
}

}  // namespace vellmora
