#pragma once

#include <optional>

#include "app/globe/globe_projection.h"

// Turning the globe by hand: a press inside the disc grabs the point under the
// cursor; once the cursor has moved more than 3 pixels the press is a drag, and
// every move turns the globe so that the grabbed point lies under the cursor
// again, to the whole degree of the spin fields T1 and T2. A press released
// before that is a click on the point under it.

namespace vellmora {

// A view centre as the spin fields show it.
struct GlobeCentre {
  int Latitude;  // T1, -90..90
  int Setting;   // T2, 0..359 (360 is the same meridian as 0)
  friend bool operator==(const GlobeCentre&, const GlobeCentre&) = default;
};

// The view centre, to the whole degree, that puts `grabbed` under the box
// position (x, y) in a view of the same size as `current`. Of the centres that
// do, the one nearest the current centre is taken; a position beyond the limb
// counts as the limb point in its direction, and where no centre of latitude
// -90..90 brings the point there exactly, the nearest one that does is taken.
GlobeCentre CentreBringing(const GeoPoint& grabbed, double x, double y, const GlobeView& current);

class GlobeDrag {
 public:
  // Farthest a press may move and still be a click, in logical pixels.
  static constexpr double kClickTolerance = 3.0;

  // A press of the mouse button at (x, y); only a press inside the disc grabs.
  void Press(const GlobeView& view, double x, double y);

  // A move with the button held: the centre to turn to once the press has
  // become a drag, none before (or without a grab).
  std::optional<GlobeCentre> Move(const GlobeView& view, double x, double y);

  // The button's release: the point clicked when the press stayed a click.
  std::optional<GeoPoint> Release(double x, double y);

  bool Dragging() const { return dragging_; }

 private:
  bool MovedTooFar(double x, double y) const;

  std::optional<GeoPoint> grabbed_;
  double pressX_ = 0;
  double pressY_ = 0;
  bool dragging_ = false;
};

}  // namespace vellmora
