#include "geometry/visibility_map.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <unordered_map>

#include "ephem/constants.h"
#include "ephem/sphlib.h"
#include "geometry/elements_local.h"

namespace vellmora {
namespace {

// The grid on which the curves are traced: a node every 3 degrees, the
// crossings of its edges then refined on the elements themselves.
constexpr double kGridDegrees = 3;
constexpr int kRows = static_cast<int>(180 / kGridDegrees) + 1;
constexpr int kColumns = static_cast<int>(360 / kGridDegrees) + 1;
constexpr int kRefinements = 6;
constexpr double kNotThere = std::numeric_limits<double>::quiet_NaN();

// What the map needs of the eclipse at one place.
struct PlaceValues {
  GeographicPoint Place;
  double MaximumHour = 0;
  double Magnitude = 0;  // signed: negative outside the penumbra
  double ZetaAtMaximum = 0;
  double ZetaAtFirst = kNotThere, ZetaAtLast = kNotThere;
  bool RisingAtFirst = false, RisingAtLast = false, RisingAtMaximum = false;
  bool NorthOfAxis = false;
};

PlaceValues ValuesAt(const BesselianElements& elements, const GeographicPoint& place, double startHour = 0,
                     bool withContacts = true) {
  const SiteCoordinates site = GeocentricSite(place.Latitude);
  const ElementsEclipseAtPlace eclipse = EclipseAtPlace(elements, site, place.LongitudeEast, startHour, withContacts);
  PlaceValues v;
  v.MaximumHour = eclipse.MaximumHour;
  v.Place = place;
  v.Magnitude = eclipse.SignedMagnitude();
  v.ZetaAtMaximum = eclipse.SunHeightAtMaximum;
  v.RisingAtMaximum = eclipse.SunHeightRateAtMaximum > 0;
  v.NorthOfAxis = eclipse.NorthOfAxis > 0;
  if (eclipse.First) {
    v.ZetaAtFirst = eclipse.First->Zeta;
    v.RisingAtFirst = eclipse.First->ZetaRate > 0;
  }
  if (eclipse.Last) {
    v.ZetaAtLast = eclipse.Last->Zeta;
    v.RisingAtLast = eclipse.Last->ZetaRate > 0;
  }
  return v;
}

// One family of curves: where Field equals Level, kept where Keep is not
// negative, each point named by Name; NeedsContacts when Field or Keep reads
// the contacts.
struct CurveFamily {
  bool NeedsContacts = false;
  std::function<double(const PlaceValues&)> Field;
  double Level = 0;
  std::function<double(const PlaceValues&)> Keep;
  std::function<VisibilityCurveKind(const PlaceValues&)> Name;
};

class CurveTracer {
 public:
  explicit CurveTracer(const BesselianElements& elements) : elements_(elements) {
    nodes_.reserve(kRows * kColumns);
    for (int row = 0; row < kRows; ++row) {
      for (int column = 0; column < kColumns; ++column) {
        const double start = column > 0 ? nodes_.back().MaximumHour : 0;
        nodes_.push_back(ValuesAt(elements_, NodePlace(row, column), start));
      }
    }
  }

  void Trace(const CurveFamily& family, double magnitude, std::vector<VisibilityCurve>& curves) const {
    for (const std::vector<PlaceValues>& line : Contours(family)) Split(family, magnitude, line, curves);
  }

 private:
  static GeographicPoint NodePlace(int row, int column) {
    return {-90 + row * kGridDegrees, -180 + column * kGridDegrees};
  }
  const PlaceValues& Node(int row, int column) const { return nodes_[row * kColumns + column]; }

  // Edges are numbered: 2 n for the one from node n eastwards, 2 n + 1 northwards.
  static int EastEdge(int row, int column) { return 2 * (row * kColumns + column); }
  static int NorthEdge(int row, int column) { return 2 * (row * kColumns + column) + 1; }

  // The place where the field crosses its level on an edge, by regula falsi
  // (Illinois) between the edge's ends.
  PlaceValues Crossing(const CurveFamily& family, int edge) const {
    const int node = edge / 2, row = node / kColumns, column = node % kColumns;
    const bool east = edge % 2 == 0;
    const PlaceValues& a = Node(row, column);
    const PlaceValues& b = east ? Node(row, column + 1) : Node(row + 1, column);
    double s0 = 0, s1 = 1;
    double g0 = family.Field(a) - family.Level, g1 = family.Field(b) - family.Level;
    PlaceValues best = std::abs(g0) < std::abs(g1) ? a : b;
    // A crossing between two places that are not kept is not kept either: its
    // place is enough, for the border of the kept part.
    if (family.Keep(a) < 0 && family.Keep(b) < 0) {
      best.Place = Between(a.Place, b.Place, g0 / (g0 - g1));
      return best;
    }
    for (int n = 0; n < kRefinements; ++n) {
      const double s = s1 - g1 * (s1 - s0) / (g1 - g0);
      const PlaceValues v = ValuesAt(elements_, Between(a.Place, b.Place, s), a.MaximumHour, family.NeedsContacts);
      const double g = family.Field(v) - family.Level;
      if (std::isnan(g)) break;
      best = v;
      if ((g > 0) == (g1 > 0)) {
        g0 /= 2;
      } else {
        s0 = s1;
        g0 = g1;
      }
      s1 = s;
      g1 = g;
    }
    return best;
  }

  static GeographicPoint Between(const GeographicPoint& a, const GeographicPoint& b, double s) {
    return {a.Latitude + s * (b.Latitude - a.Latitude), a.LongitudeEast + s * (b.LongitudeEast - a.LongitudeEast)};
  }

  // Marching squares over the grid, the segments joined into polylines.
  std::vector<std::vector<PlaceValues>> Contours(const CurveFamily& family) const {
    std::unordered_map<int, std::vector<int>> links;
    auto above = [&](const PlaceValues& v) { return family.Field(v) >= family.Level; };
    for (int row = 0; row + 1 < kRows; ++row) {
      for (int column = 0; column + 1 < kColumns; ++column) {
        const PlaceValues* corners[4] = {&Node(row, column), &Node(row, column + 1), &Node(row + 1, column + 1),
                                         &Node(row + 1, column)};
        if (std::any_of(std::begin(corners), std::end(corners),
                        [&](const PlaceValues* v) { return std::isnan(family.Field(*v)); })) {
          continue;
        }
        // Edges in turn: south, east, north, west, each from corner n to n + 1.
        const int edges[4] = {EastEdge(row, column), NorthEdge(row, column + 1), EastEdge(row + 1, column),
                              NorthEdge(row, column)};
        std::vector<int> crossed;
        for (int n = 0; n < 4; ++n) {
          if (above(*corners[n]) != above(*corners[(n + 1) % 4])) crossed.push_back(edges[n]);
        }
        auto link = [&](int a, int b) {
          links[a].push_back(b);
          links[b].push_back(a);
        };
        if (crossed.size() == 2) {
          link(crossed[0], crossed[1]);
        } else if (crossed.size() == 4) {
          // A saddle: the centre decides which corners the curves cut off.
          double centre = 0;
          for (const PlaceValues* v : corners) centre += family.Field(*v) / 4;
          if ((centre >= family.Level) == above(*corners[0])) {
            link(crossed[0], crossed[1]);
            link(crossed[2], crossed[3]);
          } else {
            link(crossed[3], crossed[0]);
            link(crossed[1], crossed[2]);
          }
        }
      }
    }
    std::vector<std::vector<PlaceValues>> lines;
    std::unordered_map<int, bool> visited;
    auto walk = [&](int start) {
      std::vector<PlaceValues> line;
      for (int previous = -1, edge = start; edge >= 0;) {
        visited[edge] = true;
        line.push_back(Crossing(family, edge));
        int next = -1;
        for (int candidate : links[edge]) {
          if (candidate != previous && !visited[candidate]) next = candidate;
        }
        if (next < 0 && line.size() > 2) {
          for (int candidate : links[edge]) {
            if (candidate == start && candidate != previous) line.push_back(line.front());
          }
        }
        previous = edge;
        edge = next;
      }
      lines.push_back(std::move(line));
    };
    for (const auto& [edge, neighbours] : links) {
      if (neighbours.size() == 1 && !visited[edge]) walk(edge);
    }
    for (const auto& [edge, neighbours] : links) {
      if (!visited[edge]) walk(edge);
    }
    return lines;
  }

  // Cuts a polyline where it leaves the kept part (ending it on the border)
  // and where the name of its points changes.
  void Split(const CurveFamily& family, double magnitude, const std::vector<PlaceValues>& line,
             std::vector<VisibilityCurve>& curves) const {
    VisibilityCurve current;
    auto finish = [&] {
      if (current.Points.size() >= 2) curves.push_back(current);
      current.Points.clear();
    };
    for (std::size_t n = 0; n < line.size(); ++n) {
      const PlaceValues& v = line[n];
      const bool kept = family.Keep(v) >= 0;
      if (n > 0) {
        const PlaceValues& before = line[n - 1];
        const bool keptBefore = family.Keep(before) >= 0;
        if (kept != keptBefore) {
          const GeographicPoint border = Border(family, before.Place, v.Place);
          if (keptBefore) {
            current.Points.push_back(border);
            finish();
          } else {
            current.Kind = family.Name(v);
            current.Points.push_back(border);
          }
        } else if (kept && family.Name(v) != current.Kind) {
          finish();
        }
      }
      if (!kept) continue;
      if (current.Points.empty()) current.Kind = family.Name(v);
      current.Magnitude = magnitude;
      current.Points.push_back(v.Place);
    }
    finish();
  }

  // Where Keep changes sign between two places, by bisection.
  GeographicPoint Border(const CurveFamily& family, const GeographicPoint& a, const GeographicPoint& b) const {
    const bool keptAtA = family.Keep(ValuesAt(elements_, a, 0, family.NeedsContacts)) >= 0;
    double s0 = 0, s1 = 1;
    for (int n = 0; n < 2 * kRefinements; ++n) {
      const double s = (s0 + s1) / 2;
      if ((family.Keep(ValuesAt(elements_, Between(a, b, s), 0, family.NeedsContacts)) >= 0) == keptAtA) {
        s0 = s;
      } else {
        s1 = s;
      }
    }
    return Between(a, b, (s0 + s1) / 2);
  }

  const BesselianElements& elements_;
  std::vector<PlaceValues> nodes_;
};

// The instant at which the shadow axis passes closest to the Earth's centre.
double GreatestEclipseHour(const BesselianElements& elements) {
  double t = 0;
  for (int n = 0; n < 8; ++n) {
    const ElementsAtInstant e = EvaluateElements(elements, t);
    t -= (e.X * e.XRate + e.Y * e.YRate) / (e.XRate * e.XRate + e.YRate * e.YRate);
  }
  return t;
}

// The point of the Earth's outline on the fundamental plane (an ellipse of
// semi-axes 1 and rho1) nearest to (x, y), by golden section on its angle.
std::pair<double, double> NearestOutlinePoint(double x, double y, double rho1) {
  const double ratio = (std::sqrt(5.0) - 1) / 2;
  const double centre = std::atan2(y / rho1, x);
  double a = centre - 0.5, b = centre + 0.5;
  auto distance = [&](double theta) { return std::hypot(std::cos(theta) - x, rho1 * std::sin(theta) - y); };
  for (int n = 0; n < 60; ++n) {
    const double c = b - ratio * (b - a), d = a + ratio * (b - a);
    if (distance(c) < distance(d)) {
      b = d;
    } else {
      a = c;
    }
  }
  const double theta = (a + b) / 2;
  return {std::cos(theta), rho1 * std::sin(theta)};
}

}  // namespace

GreatestEclipse FindGreatestEclipse(const BesselianElements& elements) {
  GreatestEclipse greatest;
  greatest.Hour = GreatestEclipseHour(elements);
  const ElementsAtInstant e = EvaluateElements(elements, greatest.Hour);
  const double rho1 = std::sqrt(1 - kEarthEccentricitySquared * CosD(e.D) * CosD(e.D));
  if (e.X * e.X + e.Y * e.Y / (rho1 * rho1) < 1) {
    greatest.Place = *PlaceOnPlane(e, e.X, e.Y);
    const ElementsEclipseAtPlace eclipse =
        EclipseAtPlace(elements, GeocentricSite(greatest.Place.Latitude), greatest.Place.LongitudeEast);
    const double l1 = eclipse.PenumbraRadius, l2 = eclipse.UmbraRadius;
    greatest.Magnitude = eclipse.DistanceFromAxis < std::abs(l2) ? (l1 - l2) / (l1 + l2) : eclipse.SignedMagnitude();
    return greatest;
  }
  // The axis misses the Earth: the eclipse is greatest on the limb, where the
  // Sun stands on the horizon.
  const auto [xi, eta] = NearestOutlinePoint(e.X, e.Y, rho1);
  const double inside = 1 - 1e-9;
  greatest.Place = PlaceOnPlane(e, xi * inside, eta * inside).value_or(GeographicPoint{});
  const double distance = std::hypot(e.X - xi, e.Y - eta);
  greatest.Magnitude = (e.L1 - distance) / (e.L1 + e.L2);
  return greatest;
}

VisibilityMap ComputeVisibilityMap(const BesselianElements& elements) {
  VisibilityMap map;
  map.Greatest = FindGreatestEclipse(elements);
  const CurveTracer tracer(elements);
  auto magnitude = [](const PlaceValues& v) { return v.Magnitude; };
  auto sunUpAtMaximum = [](const PlaceValues& v) { return v.ZetaAtMaximum; };
  tracer.Trace({false, magnitude, 0, sunUpAtMaximum,
                [](const PlaceValues& v) {
                  return v.NorthOfAxis ? VisibilityCurveKind::NorthernLimit : VisibilityCurveKind::SouthernLimit;
                }},
               0, map.Curves);
  for (double level : kMapMagnitudes) {
    tracer.Trace({false, magnitude, level, sunUpAtMaximum,
                  [](const PlaceValues&) { return VisibilityCurveKind::EqualMagnitude; }},
                 level, map.Curves);
  }
  tracer.Trace({true, [](const PlaceValues& v) { return v.ZetaAtFirst; }, 0, magnitude,
                [](const PlaceValues& v) {
                  return v.RisingAtFirst ? VisibilityCurveKind::BeginsAtSunrise : VisibilityCurveKind::BeginsAtSunset;
                }},
               0, map.Curves);
  tracer.Trace({true, [](const PlaceValues& v) { return v.ZetaAtLast; }, 0, magnitude,
                [](const PlaceValues& v) {
                  return v.RisingAtLast ? VisibilityCurveKind::EndsAtSunrise : VisibilityCurveKind::EndsAtSunset;
                }},
               0, map.Curves);
  tracer.Trace({false, [](const PlaceValues& v) { return v.ZetaAtMaximum; }, 0, magnitude,
                [](const PlaceValues& v) {
                  return v.RisingAtMaximum ? VisibilityCurveKind::MaximumAtSunrise
                                           : VisibilityCurveKind::MaximumAtSunset;
                }},
               0, map.Curves);
  return map;
}

}  // namespace vellmora
