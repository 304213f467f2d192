#pragma once

#include <optional>

// The globe map's orthographic projection: the Earth seen from infinitely far
// away, turned so that the view centre lies in the middle of the paint box,
// north up and east to the right.

namespace vellmora {

// One paint's view of the globe in a paint box of a given size.
struct GlobeView {
  double CentreLatitude;   // degrees, north positive (the value of T1)
  double CentreLongitude;  // degrees, east positive: MapCentreLongitude - 180
  double Radius;           // pixels, half the box height
  int CentreX;             // (width - 20) div 2 + 10
  int CentreY;             // height div 2
  double SinCentreLatitude;
  double CosCentreLatitude;
};

// A point on the Earth in degrees, north and east positive.
struct GeoPoint {
  double Latitude;
  double Longitude;
};

// Bounding box of the disc; right and bottom are exclusive bounds.
struct DiscBox {
  int Left;
  int Top;
  int Right;
  int Bottom;
};

// Pixel position of a point and the cosine of its angular distance from the
// view centre: near side when CosC > 0, limb at 0, far side when negative.
// Far-side points get the pixel of their mirror image inside the disc.
struct DiscPoint {
  int X;
  int Y;
  double CosC;
};

// Nearest whole pixel, halves to even (the default rounding mode).
int RoundToPixel(double value);

// centreLatitude is T1's value; mapCentreLongitude the T2 setting (0..360).
GlobeView MakeGlobeView(int centreLatitude, double mapCentreLongitude, int width, int height);

DiscBox GlobeDiscBox(const GlobeView& view, int height);

DiscPoint ProjectToDisc(const GlobeView& view, double latitude, double eastLongitude);

// The same projection for a point whose latitude's sine and cosine are known
// already (the coastline cache keeps them); gives the very same pixel and cos c.
DiscPoint ProjectToDisc(const GlobeView& view, double sinLatitude, double cosLatitude, double eastLongitude);

// The point of the near side seen at a position in the box (logical pixels,
// fractions allowed), east longitude in [-180, 180); none on or beyond the limb.
// A pixel that ProjectToDisc gives for a near-side point maps back to a point
// that ProjectToDisc sends to that same pixel.
std::optional<GeoPoint> PointOnDisc(const GlobeView& view, double x, double y);

// An east longitude brought into [-180, 180).
double NormalizedLongitude(double longitude);

}  // namespace vellmora
