#include "geometry/contact_function.h"

#include <cmath>

namespace vellmora {

double ShadowRadiusAtObserver(const ShadowElements& elements, const ObserverPosition& observer, ContactMode mode) {
  if (mode == ContactMode::Penumbral) return elements.l1 - observer.zeta * TanD(elements.F1());
  return elements.l2 - observer.zeta * TanD(elements.F2());
}

double ShadowAtObserver::DistanceFromAxis() const {
  return std::hypot(Elements.x - Observer.xi, Elements.y - Observer.eta);
}

ShadowAtObserver ShadowSeenBy(const LocalEclipseSetting& setting, double t) {
  const ShadowElements elements =
      ComputeShadowElements(setting.Moon, setting.Sun, setting.DeltaT, t, setting.UmbralLunarRadius);
  return {elements, ObserverCoordinates(elements, t, setting.LongitudeWest, setting.Site)};
}

double ContactFunction(const LocalEclipseSetting& setting, double t, ContactMode mode) {
  const ShadowAtObserver shadow = ShadowSeenBy(setting, t);
  return ContactFunction(shadow.Elements, shadow.Observer, mode);
}

double ContactFunction(const ShadowElements& elements, const ObserverPosition& observer, ContactMode mode) {
  const double dx = elements.x - observer.xi;
  const double dy = elements.y - observer.eta;
  const double radius = ShadowRadiusAtObserver(elements, observer, mode);
  return dx * dx + dy * dy - radius * radius;
}

}  // namespace vellmora
