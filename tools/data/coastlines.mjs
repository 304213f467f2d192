// World coastlines from the Natural Earth 1:50m land outlines (TopoJSON):
// every arc becomes one polyline, thinned with Douglas-Peucker to a point budget.
import { formatDecimal } from './text_form.mjs';

// Decodes the quantized, delta-coded arcs into [longitude, latitude] degrees.
function decodeArcs(topology) {
  const [scaleX, scaleY] = topology.transform.scale;
  const [translateX, translateY] = topology.transform.translate;
  return topology.arcs.map((arc) => {
    let x = 0;
    let y = 0;
    return arc.map(([dx, dy]) => {
      x += dx;
      y += dy;
      return [x * scaleX + translateX, y * scaleY + translateY];
    });
  });
}

// Natural Earth closes Antarctica along the south pole and cuts land at the
// antimeridian; those edges are not coastline, so an arc is split where it runs along them.
const EDGE_TOLERANCE = 1e-3;
function isArtificialEdge([lon1, lat1], [lon2, lat2]) {
  const onAntimeridian = (lon) => Math.abs(Math.abs(lon) - 180) < EDGE_TOLERANCE;
  const nearPole = (lat) => lat < -89.9;
  return (onAntimeridian(lon1) && onAntimeridian(lon2) && lon1 === lon2) || (nearPole(lat1) && nearPole(lat2));
}

function splitAtArtificialEdges(arc) {
  const pieces = [];
  let current = [arc[0]];
  for (let i = 1; i < arc.length; i++) {
    if (isArtificialEdge(arc[i - 1], arc[i])) {
      if (current.length > 1) pieces.push(current);
      current = [arc[i]];
    } else {
      current.push(arc[i]);
    }
  }
  if (current.length > 1) pieces.push(current);
  return pieces;
}

// Distance of p from the segment a-b in the plane of longitude and latitude.
function segmentDistance(p, a, b) {
  const dx = b[0] - a[0];
  const dy = b[1] - a[1];
  const lengthSquared = dx * dx + dy * dy;
  let t = lengthSquared === 0 ? 0 : ((p[0] - a[0]) * dx + (p[1] - a[1]) * dy) / lengthSquared;
  t = Math.max(0, Math.min(1, t));
  return Math.hypot(p[0] - (a[0] + t * dx), p[1] - (a[1] + t * dy));
}

// For every inner point, the largest tolerance at which Douglas-Peucker still keeps it.
// Computing these once lets the point budget be met by a simple threshold.
function keepTolerances(line) {
  const tolerance = new Array(line.length).fill(Infinity);
  const stack = [[0, line.length - 1, Infinity]];
  while (stack.length > 0) {
    const [first, last, parentTolerance] = stack.pop();
    if (last - first < 2) continue;
    let farthest = -1;
    let farthestDistance = -1;
    for (let i = first + 1; i < last; i++) {
      const d = segmentDistance(line[i], line[first], line[last]);
      if (d > farthestDistance) {
        farthestDistance = d;
        farthest = i;
      }
    }
    // A point is only kept if its parent split is kept too.
    const own = Math.min(farthestDistance, parentTolerance);
    tolerance[farthest] = own;
    stack.push([first, farthest, own], [farthest, last, own]);
  }
  return tolerance;
}

const round3 = (v) => Math.round(v * 1000) / 1000;

// Thins the polylines at the given tolerance, rounds to three decimals and
// drops points that repeat the previous one after rounding.
function thin(lines, tolerances, threshold) {
  return lines.map((line, n) => {
    const kept = [];
    line.forEach((p, i) => {
      if (tolerances[n][i] <= threshold) return;
      const q = [round3(p[0]), round3(p[1])];
      const previous = kept[kept.length - 1];
      if (!previous || previous[0] !== q[0] || previous[1] !== q[1]) kept.push(q);
    });
    return kept;
  });
}

const countPoints = (lines) => lines.reduce((sum, line) => sum + line.length, 0);

// The lines of erde2.txt: "latitude longitude flag", flag 0 at a polyline's first point.
export function coastlineLines(topology, pointBudget) {
  const lines = decodeArcs(topology).flatMap(splitAtArtificialEdges);
  const tolerances = lines.map(keepTolerances);
  // Bisect the tolerance so that the thinned set holds at most pointBudget points.
  let low = 0;
  let high = 10;
  for (let step = 0; step < 60; step++) {
    const middle = (low + high) / 2;
    if (countPoints(thin(lines, tolerances, middle)) > pointBudget) low = middle;
    else high = middle;
  }
  const polylines = thin(lines, tolerances, high);
  const text = [];
  for (const polyline of polylines) {
    polyline.forEach(([lon, lat], i) => {
      text.push(`${formatDecimal(lat, 3)} ${formatDecimal(lon, 3)} ${i === 0 ? 0 : 1}`);
    });
  }
  return { lines: text, polylines: polylines.length, points: text.length, tolerance: high };
}
