#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "app/controls/controls.h"
#include "app/globe/coastline_cache.h"
#include "app/globe/globe_projection.h"
#include "geometry/central_line.h"
#include "geometry/shadow_on_earth.h"
#include "geometry/visibility_map.h"
#include "geometry/zone_limits.h"

// The globe map: disc, 15-degree graticule, coastlines, the central line of
// the chosen eclipse (and on request the limits of its zone), its selected
// point, the observing place and the places found near the path, composed in
// one pass onto a drawing surface.

namespace vellmora {

// The size of the map's paint box PB3 in the window, pixels.
inline constexpr int kMapWidth = 711;
inline constexpr int kMapHeight = 682;

// A place found near the eclipse path; an empty Name ends the table.
struct FoundPlace {
  double Longitude;  // degrees, east positive
  double Latitude;   // degrees, north positive
  std::string Name;  // at most 40 bytes, Windows-1252
};

// Records 1..40 are indices 0..39.
using FoundPlaceTable = std::array<FoundPlace, 40>;

// Everything one paint of the map reads besides the coastline text.
struct GlobeScene {
  int CentreLatitude;         // value of T1, degrees
  double MapCentreLongitude;  // the T2 setting, 0..360
  int Width;                  // paint box, pixels
  int Height;
  const CentralLineResults& CentralLine;  // path rows and arrays; entry i belongs to row i
  int SelectedRow;                        // selected row of LB5, -1 for none
  double ObserverLatitude;                // degrees, north positive
  double ObserverLongitude;               // degrees, east positive
  bool ShowFoundPlaces;
  const FoundPlaceTable& FoundPlaces;
  // The zone's northern and southern limits, drawn over the path when given.
  const std::vector<ZoneStep>* ZoneLimits = nullptr;
  // The map of visibility of the whole eclipse, drawn over the globe when given.
  const VisibilityMap* Visibility = nullptr;
  // The Moon's shadow at one instant, drawn over the globe when given.
  const ShadowOnEarth* Shadow = nullptr;
};

// Draws found place `number` when it is on the visible side (cos c >= 0): a lime
// dot with the current pen, the number beside it and the legend line "number
// name" at (1, 12 * number - 8). Uses the canvas's current font; leaves no fill
// selected. Returns whether the place was drawn.
bool DrawFoundPlace(Canvas& canvas, const GlobeView& view, int number, double latitude, double eastLongitude,
                    const std::string& name);

// Paints the whole map onto a white surface of the scene's size, with the
// coastline points parsed beforehand (ParseCoastline).
void PaintGlobe(const GlobeScene& scene, std::span<const CoastlineVertex> coastline, Canvas& canvas);

// The same from the coastline text; its final line is never drawn.
void PaintGlobe(const GlobeScene& scene, std::span<const std::string> coastlineLines, Canvas& canvas);

}  // namespace vellmora
