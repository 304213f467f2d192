#include "app/globe/shadow_painter.h"

#include <algorithm>
#include <cmath>

#include "app/globe/globe_stroke.h"

namespace vellmora {
namespace {

constexpr Rgb kPenumbraGrey{70, 70, 70};
constexpr Rgb kUmbraDark{30, 30, 30};
constexpr Rgb kSunYellow{255, 200, 0};
constexpr Rgb kBlack{0, 0, 0};

void DrawPenumbra(Canvas& canvas, const GlobeView& view, const std::vector<GeographicPoint>& piece) {
  canvas.SetPen(kPenumbraGrey, 2);
  GlobeStroke stroke(canvas, view);
  for (const GeographicPoint& point : piece) stroke.Add(point);
}

// The umbra is a few hundred kilometres across: a filled disc around the
// mean of its edge's images, as large as the farthest of them.
void DrawUmbra(Canvas& canvas, const GlobeView& view, const std::vector<GeographicPoint>& edge) {
  std::vector<DiscPoint> images;
  for (const GeographicPoint& point : edge) {
    const DiscPoint disc = ProjectToDisc(view, point.Latitude, point.LongitudeEast);
    if (disc.CosC > 0) images.push_back(disc);
  }
  if (images.empty()) return;
  double cx = 0, cy = 0;
  for (const DiscPoint& p : images) {
    cx += p.X / static_cast<double>(images.size());
    cy += p.Y / static_cast<double>(images.size());
  }
  double radius = 2;
  for (const DiscPoint& p : images) radius = std::max(radius, std::hypot(p.X - cx, p.Y - cy));
  const int x = static_cast<int>(std::lround(cx)), y = static_cast<int>(std::lround(cy));
  const int r = static_cast<int>(std::lround(radius));
  canvas.SetPen(kUmbraDark, 1);
  canvas.SetFill(kUmbraDark);
  canvas.Ellipse(x - r, y - r, x + r + 1, y + r + 1);
}

}  // namespace

void DrawShadow(Canvas& canvas, const GlobeView& view, const ShadowOnEarth& shadow) {
  for (const std::vector<GeographicPoint>& piece : shadow.Penumbra) DrawPenumbra(canvas, view, piece);
  DrawUmbra(canvas, view, shadow.Umbra);
  const DiscPoint sun = ProjectToDisc(view, shadow.SubSolar.Latitude, shadow.SubSolar.LongitudeEast);
  if (sun.CosC > 0) {
    canvas.SetPen(kBlack, 1);
    canvas.SetFill(kSunYellow);
    canvas.Ellipse(sun.X - 5, sun.Y - 5, sun.X + 6, sun.Y + 6);
  }
  canvas.SetNoFill();
}

}  // namespace vellmora
