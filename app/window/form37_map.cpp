#include "app/globe/coastline_cache.h"
#include "app/window/form37.h"

// The globe map's handlers: every paint composes the whole picture anew
// off-screen, projecting the coastlines parsed at the first paint, and
// presents it in one copy.

namespace vellmora {

GlobeView TForm37::CurrentView() const {
  return MakeGlobeView(controls_.T1.Value(), MapCentreLongitude, controls_.PB3.Width(), controls_.PB3.Height());
}

void TForm37::PB3P() {
  SuppressLatitudeRepaint = false;
  const GlobeScene scene{controls_.T1.Value(), MapCentreLongitude, controls_.PB3.Width(), controls_.PB3.Height(),
                         CentralLine(), controls_.LB5.SelectedIndex(), ObserverLatitude, ObserverLongitude,
                         ShowFoundPlaces, FoundPlaces,
                         // The zone and the map of visibility are computed at the first paint that shows them.
                         ShowZoneLimits && Selected ? &Selected->ZoneLimits() : nullptr,
                         ShowVisibility && Selected ? &Selected->Visibility() : nullptr, Shadow ? &*Shadow : nullptr};
  const std::unique_ptr<OffscreenImage> image = controls_.PB3.CreateImage();
  PaintGlobe(scene, EmbeddedCoastline(), image->Surface());
  controls_.PB3.Present(*image);
}

void TForm37::T1Change() {
  if (!SuppressLatitudeRepaint) PB3P();
}

void TForm37::T2C() {
  MapCentreLongitude = controls_.T2.Value();
  PB3P();
}

}  // namespace vellmora
