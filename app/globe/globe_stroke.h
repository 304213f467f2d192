#pragma once

#include <optional>

#include "app/controls/controls.h"
#include "app/globe/globe_projection.h"
#include "geometry/earth_ellipsoid.h"

// A line of places on the globe that breaks where a place is on or behind
// the limb, or missing, instead of running across the disc.

namespace vellmora {

class GlobeStroke {
 public:
  GlobeStroke(Canvas& canvas, const GlobeView& view) : canvas_(canvas), view_(view) {}

  void Add(const std::optional<GeographicPoint>& place) {
    const DiscPoint disc = place ? ProjectToDisc(view_, place->Latitude, place->LongitudeEast) : DiscPoint{0, 0, 0};
    if (disc.CosC <= 0) {
      open_ = false;
    } else if (open_) {
      canvas_.LineTo(disc.X, disc.Y);
    } else {
      canvas_.MoveTo(disc.X, disc.Y);
      open_ = true;
    }
  }

 private:
  Canvas& canvas_;
  const GlobeView& view_;
  bool open_ = false;
};

}  // namespace vellmora
