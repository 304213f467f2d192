#include "geometry/contact_function.h"

#include <cmath>

namespace vellmora {

double ShadowRadiusAtObserver(const ShadowElements& elements, const ObserverPosition& observer, ContactMode mode) {
  if (mode == ContactMode::Penumbral) return elements.l1 - observer.zeta * TanD(elements.f1);
  return elements.l2 - observer.zeta * TanD(elements.f2);
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
  const double dx = shadow.Elements.x - shadow.Observer.xi;
  const double dy = shadow.Elements.y - shadow.Observer.eta;
  const double radius = shadow.RadiusAtObserver(mode);
  return dx * dx + dy * dy - radius * radius;
}

}  // namespace vellmora
