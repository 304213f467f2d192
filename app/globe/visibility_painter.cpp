#include "app/globe/visibility_painter.h"

#include <string>

#include "app/globe/globe_stroke.h"

namespace vellmora {
namespace {

constexpr Rgb kLimitRed{220, 0, 0};
constexpr Rgb kBeginTeal{0, 150, 150};
constexpr Rgb kEndPurple{150, 0, 170};
constexpr Rgb kMaximumBrown{150, 90, 0};
constexpr Rgb kMagnitudeOrange{255, 140, 0};
constexpr Rgb kBlack{0, 0, 0};

}  // namespace

Rgb VisibilityCurveColour(VisibilityCurveKind kind) {
  switch (kind) {
    case VisibilityCurveKind::NorthernLimit:
    case VisibilityCurveKind::SouthernLimit:
      return kLimitRed;
    case VisibilityCurveKind::BeginsAtSunrise:
    case VisibilityCurveKind::BeginsAtSunset:
      return kBeginTeal;
    case VisibilityCurveKind::EndsAtSunrise:
    case VisibilityCurveKind::EndsAtSunset:
      return kEndPurple;
    case VisibilityCurveKind::MaximumAtSunrise:
    case VisibilityCurveKind::MaximumAtSunset:
      return kMaximumBrown;
    case VisibilityCurveKind::EqualMagnitude:
      break;
  }
  return kMagnitudeOrange;
}

int VisibilityCurveWidth(VisibilityCurveKind kind) { return kind == VisibilityCurveKind::EqualMagnitude ? 1 : 2; }

namespace {

void DrawCurve(Canvas& canvas, const GlobeView& view, const VisibilityCurve& curve) {
  canvas.SetPen(VisibilityCurveColour(curve.Kind), VisibilityCurveWidth(curve.Kind));
  GlobeStroke stroke(canvas, view);
  for (const GeographicPoint& point : curve.Points) stroke.Add(point);
}

void DrawLegend(Canvas& canvas, int height) {
  struct Entry {
    Rgb Colour;
    const char* Text;  // Windows-1252
  };
  constexpr Entry kEntries[] = {
      {kLimitRed, "Grenzen der partiellen Finsternis"},
      {kBeginTeal, "Beginn bei Sonnenauf-/untergang"},
      {kEndPurple, "Ende bei Sonnenauf-/untergang"},
      {kMaximumBrown, "Maximum bei Sonnenauf-/untergang"},
      {kMagnitudeOrange, "Gr\xF6\xDFte Phase 0.2, 0.4, 0.6, 0.8"},
      {kLimitRed, "Punkt der gr\xF6\xDFten Finsternis"},
  };
  canvas.SetFont("Verdana", 8, kBlack);
  int y = height - 14 * static_cast<int>(std::size(kEntries)) - 4;
  for (const Entry& entry : kEntries) {
    canvas.SetPen(entry.Colour, 2);
    canvas.MoveTo(4, y + 7);
    canvas.LineTo(22, y + 7);
    canvas.SetNoFill();
    canvas.TextOut(26, y, entry.Text);
    y += 14;
  }
}

}  // namespace

void DrawVisibilityMap(Canvas& canvas, const GlobeView& view, const VisibilityMap& map, int height) {
  for (const VisibilityCurve& curve : map.Curves) DrawCurve(canvas, view, curve);
  const DiscPoint greatest = ProjectToDisc(view, map.Greatest.Place.Latitude, map.Greatest.Place.LongitudeEast);
  if (greatest.CosC >= 0) {
    canvas.SetPen(kBlack, 1);
    canvas.SetFill(kLimitRed);
    canvas.Ellipse(greatest.X - 4, greatest.Y - 4, greatest.X + 5, greatest.Y + 5);
  }
  DrawLegend(canvas, height);
}

}  // namespace vellmora
