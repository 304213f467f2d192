// Walks astronomy-engine's local solar eclipses (SearchLocalSolarEclipse, then
// NextLocalSolarEclipse from each peak) at one place from 1 January of FIRST to
// 1 January of LAST.
//   node local_walk.mjs time LAT LON FIRST LAST RUNS   prints the count and the median of RUNS walks in ms
//   node local_walk.mjs list LAT LON FIRST LAST        prints one line per eclipse: peak (UT, ISO),
//                                                      kind, obscuration, altitude of the Sun at the peak,
//                                                      at the partial begin and at the partial end (degrees)
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const Astronomy = require('astronomy-engine');

const [mode, lat, lon, first, last, runs] = process.argv.slice(2);
const observer = new Astronomy.Observer(Number(lat), Number(lon), 0);
function yearStart(year) {
  const date = new Date(Date.UTC(2000, 0, 1));
  date.setUTCFullYear(Number(year));
  return Astronomy.MakeTime(date);
}
const start = yearStart(first);
const end = yearStart(last);

function walk(visit) {
  let count = 0;
  for (let eclipse = Astronomy.SearchLocalSolarEclipse(start, observer); eclipse.peak.time.ut < end.ut;
       eclipse = Astronomy.NextLocalSolarEclipse(eclipse.peak.time, observer)) {
    ++count;
    if (visit) visit(eclipse);
  }
  return count;
}

if (mode === 'list') {
  walk((e) => {
    console.log([e.peak.time.date.toISOString(), e.kind, e.obscuration.toFixed(4), e.peak.altitude.toFixed(2),
                 e.partial_begin.altitude.toFixed(2), e.partial_end.altitude.toFixed(2)].join('\t'));
  });
} else {
  const milliseconds = [];
  let count = 0;
  for (let run = 0; run < Number(runs ?? 5); ++run) {
    const begin = process.hrtime.bigint();
    count = walk();
    milliseconds.push(Number(process.hrtime.bigint() - begin) / 1e6);
  }
  milliseconds.sort((a, b) => a - b);
  const middle = Math.floor(milliseconds.length / 2);
  const median = milliseconds.length % 2 ? milliseconds[middle] : (milliseconds[middle - 1] + milliseconds[middle]) / 2;
  console.log(`${count} ${median.toFixed(3)}`);
}
