#include "app/globe/globe_painter.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "app/globe/globe_stroke.h"
#include "app/globe/shadow_painter.h"
#include "app/globe/visibility_painter.h"

namespace vellmora {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kGraticuleGrey{216, 216, 216};
constexpr Rgb kCoastlineBlue{0, 0, 255};
constexpr Rgb kPathYellow{255, 255, 0};
constexpr Rgb kSelectedPointBlue{0, 0, 255};
constexpr Rgb kObserverGreen{0, 128, 0};
constexpr Rgb kFoundPlaceLime{0, 255, 0};

constexpr int kMeridianCount = 25;  // 180 E westward to 180 W in steps of 15 degrees
constexpr double kMeridianSpacing = 15.0;
constexpr double kMeridianEndLatitude = 80.0;
constexpr double kMeridianStep = 5.0;
constexpr int kMeridianPointCount = 33;  // 80 N to 80 S
constexpr int kParallelCount = 11;       // 75 N to 75 S
constexpr double kFirstParallel = 75.0;
constexpr double kParallelSpacing = 15.0;

constexpr int kMinimumPathWidth = 2;

// Graticule and coastlines: the first point moves; every further point draws
// when it is not on the far side and moves otherwise, so a line returning from
// the far side starts again at the image of its last far-side point.
class JoinedLine {
 public:
  JoinedLine(Canvas& canvas, const GlobeView& view) : canvas_(canvas), view_(view) {}

  void Start(double latitude, double eastLongitude) { Start(ProjectToDisc(view_, latitude, eastLongitude)); }
  void Continue(double latitude, double eastLongitude) { Continue(ProjectToDisc(view_, latitude, eastLongitude)); }

  void Start(const DiscPoint& point) { canvas_.MoveTo(point.X, point.Y); }

  void Continue(const DiscPoint& point) {
    if (point.CosC >= 0) {
      canvas_.LineTo(point.X, point.Y);
    } else {
      canvas_.MoveTo(point.X, point.Y);
    }
  }

 private:
  Canvas& canvas_;
  const GlobeView& view_;
};

double MeridianLongitude(int k) { return 180.0 - kMeridianSpacing * k; }

void DrawDisc(Canvas& canvas, const DiscBox& disc) { canvas.Ellipse(disc.Left, disc.Top, disc.Right, disc.Bottom); }

void DrawGraticule(Canvas& canvas, const GlobeView& view) {
  canvas.SetPen(kGraticuleGrey, 1);
  canvas.SetNoFill();
  JoinedLine line(canvas, view);
  for (int k = 0; k < kMeridianCount; ++k) {
    line.Start(kMeridianEndLatitude, MeridianLongitude(k));
    for (int step = 1; step < kMeridianPointCount; ++step) {
      line.Continue(kMeridianEndLatitude - kMeridianStep * step, MeridianLongitude(k));
    }
  }
  for (int p = 0; p < kParallelCount; ++p) {
    const double latitude = kFirstParallel - kParallelSpacing * p;
    line.Start(latitude, MeridianLongitude(0));
    for (int k = 1; k < kMeridianCount; ++k) line.Continue(latitude, MeridianLongitude(k));
  }
}

void DrawCoastlines(Canvas& canvas, const GlobeView& view, std::span<const CoastlineVertex> coastline) {
  canvas.SetPen(kCoastlineBlue, 1);
  JoinedLine line(canvas, view);
  for (const CoastlineVertex& vertex : coastline) {
    const DiscPoint point = ProjectToDisc(view, vertex.SinLatitude, vertex.CosLatitude, vertex.Longitude);
    if (vertex.StartsPolyline) {
      line.Start(point);
    } else {
      line.Continue(point);
    }
  }
}

// Central-line entry i as a point on the disc; the arrays count longitude west positive.
DiscPoint ProjectPathPoint(const GlobeView& view, const CentralLineResults& path, std::size_t i) {
  return ProjectToDisc(view, path.CentralLatitudes[i], -path.CentralLongitudes[i]);
}

// Points of the central line the map may read: one per step, and only entries that exist.
std::size_t PathPointCount(const CentralLineResults& path) {
  return std::min(
      {path.StepHours.size(), path.CentralLatitudes.size(), path.CentralLongitudes.size(), path.UmbraDiameters.size()});
}

// Half the umbra's diameter at the globe's scale, at least 2 pixels. The
// diameter is signed (negative for a total eclipse, whose umbra reaches the
// Earth); the shadow's size is its magnitude, so total and annular paths
// widen alike.
int PathWidth(int height, double umbraDiameter) {
  return std::max(kMinimumPathWidth, RoundToPixel(height * std::abs(umbraDiameter) / 4.0));
}

// Points on or behind the limb are skipped and break the stroke.
void DrawPath(Canvas& canvas, const GlobeView& view, const CentralLineResults& path, int height) {
  canvas.SetPen(kPathYellow, 1);
  bool strokeOpen = false;
  for (std::size_t i = 0; i < PathPointCount(path); ++i) {
    const DiscPoint point = ProjectPathPoint(view, path, i);
    if (point.CosC <= 0) {
      strokeOpen = false;
      continue;
    }
    canvas.SetPenWidth(PathWidth(height, path.UmbraDiameters[i]));
    if (strokeOpen) {
      canvas.LineTo(point.X, point.Y);
    } else {
      canvas.MoveTo(point.X, point.Y);
      strokeOpen = true;
    }
  }
}

// A limit of the zone: 1 pixel in the path's colour under the path's rules;
// a step where the shadow's edge misses the Earth breaks it like a hidden point.
void DrawZoneLimit(Canvas& canvas, const GlobeView& view, const std::vector<ZoneStep>& steps,
                   std::optional<GeographicPoint> ZoneStep::*limit) {
  canvas.SetPen(kPathYellow, 1);
  GlobeStroke stroke(canvas, view);
  for (const ZoneStep& step : steps) stroke.Add(step.*limit);
}

void DrawSelectedPoint(Canvas& canvas, const GlobeView& view, const CentralLineResults& path, int selectedRow) {
  canvas.SetPen(kBlack, 1);
  canvas.SetFill(kSelectedPointBlue);
  const DiscPoint point = ProjectPathPoint(view, path, static_cast<std::size_t>(selectedRow));
  if (point.CosC >= 0) canvas.Ellipse(point.X - 2, point.Y - 2, point.X + 3, point.Y + 3);
}

void DrawObservingPlace(Canvas& canvas, const GlobeView& view, double latitude, double eastLongitude) {
  canvas.SetPen(kBlack, 1);
  canvas.SetFill(kObserverGreen);
  const DiscPoint point = ProjectToDisc(view, latitude, eastLongitude);
  if (point.CosC > 0) canvas.Ellipse(point.X - 3, point.Y - 3, point.X + 3, point.Y + 3);
}

void DrawFoundPlaces(Canvas& canvas, const GlobeView& view, const FoundPlaceTable& places) {
  canvas.SetFont("Verdana", 8, kBlack);
  for (std::size_t i = 0; i < places.size() && !places[i].Name.empty(); ++i) {
    const FoundPlace& place = places[i];
    DrawFoundPlace(canvas, view, static_cast<int>(i) + 1, place.Latitude, place.Longitude, place.Name);
  }
}

}  // namespace

bool DrawFoundPlace(Canvas& canvas, const GlobeView& view, int number, double latitude, double eastLongitude,
                    const std::string& name) {
  const DiscPoint point = ProjectToDisc(view, latitude, eastLongitude);
  if (point.CosC < 0) return false;
  const std::string numberText = std::to_string(number);
  canvas.SetFill(kFoundPlaceLime);
  canvas.Ellipse(point.X - 2, point.Y - 2, point.X + 3, point.Y + 3);
  canvas.SetNoFill();
  canvas.TextOut(point.X + 4, point.Y + 4, numberText);
  canvas.TextOut(1, 12 * number - 8, numberText + " " + name);
  return true;
}

void PaintGlobe(const GlobeScene& scene, std::span<const std::string> coastlineLines, Canvas& canvas) {
  PaintGlobe(scene, ParseCoastline(coastlineLines), canvas);
}

void PaintGlobe(const GlobeScene& scene, std::span<const CoastlineVertex> coastline, Canvas& canvas) {
  const GlobeView view = MakeGlobeView(scene.CentreLatitude, scene.MapCentreLongitude, scene.Width, scene.Height);
  const DiscBox disc = GlobeDiscBox(view, scene.Height);

  canvas.SetPen(kBlack, 1);
  canvas.SetFill(kWhite);
  DrawDisc(canvas, disc);

  DrawGraticule(canvas, view);
  DrawCoastlines(canvas, view, coastline);

  if (scene.Visibility != nullptr) DrawVisibilityMap(canvas, view, *scene.Visibility, scene.Height);

  const std::size_t pathPoints = PathPointCount(scene.CentralLine);
  if (pathPoints > 0) {
    DrawPath(canvas, view, scene.CentralLine, scene.Height);
    if (scene.ZoneLimits != nullptr) {
      DrawZoneLimit(canvas, view, *scene.ZoneLimits, &ZoneStep::NorthernLimit);
      DrawZoneLimit(canvas, view, *scene.ZoneLimits, &ZoneStep::SouthernLimit);
    }
    if (scene.SelectedRow >= 0 && static_cast<std::size_t>(scene.SelectedRow) < pathPoints) {
      DrawSelectedPoint(canvas, view, scene.CentralLine, scene.SelectedRow);
    }
  }

  if (scene.Shadow != nullptr) DrawShadow(canvas, view, *scene.Shadow);
  DrawObservingPlace(canvas, view, scene.ObserverLatitude, scene.ObserverLongitude);
  if (scene.ShowFoundPlaces) DrawFoundPlaces(canvas, view, scene.FoundPlaces);

  canvas.SetNoFill();
  canvas.SetPen(kBlack, 1);
  DrawDisc(canvas, disc);
}

}  // namespace vellmora
