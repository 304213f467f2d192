// Compares vellmora-cli visible --json (file VISIBLE) with astronomy-engine's
// local eclipses at the same place and years: the eclipses one program lists
// and the other does not, and those whose kinds differ, each with the figures
// that explain it (obscuration, the Sun's altitude at the peak and at the
// partial begin and end). Prints a summary line last.
//   node compare_local.mjs VISIBLE LAT LON FIRST LAST
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const Astronomy = require('astronomy-engine');

const [file, lat, lon, first, last] = process.argv.slice(2);
const ours = JSON.parse(readFileSync(file, 'utf8')).map((e) => {
  const [d, m, y, hh, mm, ss] = e.maximum_ut.split(/[. :]/).map(Number);
  return { ...e, ut: Date.UTC(y, m - 1, d, hh, mm, ss) };
});
const observer = new Astronomy.Observer(Number(lat), Number(lon), 0);
const yearStart = (year) => {
  const date = new Date(Date.UTC(2000, 0, 1));
  date.setUTCFullYear(Number(year));
  return Astronomy.MakeTime(date);
};
const end = yearStart(last);
const theirs = [];
for (let e = Astronomy.SearchLocalSolarEclipse(yearStart(first), observer); e.peak.time.ut < end.ut;
     e = Astronomy.NextLocalSolarEclipse(e.peak.time, observer)) {
  theirs.push(e);
}

const day = 86400000;
const describeOurs = (e) => `${e.date} ${e.kind} magnitude ${e.magnitude.toFixed(3)} obscuration ` +
  `${e.obscuration.toFixed(3)} Sun ${e.sun_alt_deg.toFixed(1)} deg at the maximum` +
  `${e.begins_before_sunrise ? ', begins before sunrise' : ''}${e.ends_after_sunset ? ', ends after sunset' : ''}`;
const describeTheirs = (e) => `${e.peak.time.date.toISOString().slice(0, 19)} ${e.kind} obscuration ` +
  `${e.obscuration.toFixed(4)} Sun ${e.peak.altitude.toFixed(1)} deg at the peak, ` +
  `${e.partial_begin.altitude.toFixed(1)} at the begin, ${e.partial_end.altitude.toFixed(1)} at the end`;

let same = 0;
let otherKind = 0;
const unmatched = new Set(ours);
for (const e of theirs) {
  const match = ours.find((o) => Math.abs(o.ut - e.peak.time.date.getTime()) < day);
  if (!match) {
    console.log(`only astronomy-engine: ${describeTheirs(e)}`);
    continue;
  }
  unmatched.delete(match);
  if (match.kind === e.kind) {
    ++same;
  } else {
    ++otherKind;
    console.log(`other kind: vellmora ${describeOurs(match)} | astronomy-engine ${describeTheirs(e)}`);
  }
}
for (const o of unmatched) console.log(`only vellmora: ${describeOurs(o)}`);
console.log(`${lat} ${lon} ${first}-${last}: vellmora ${ours.length}, astronomy-engine ${theirs.length}, ` +
            `same eclipse and kind ${same}, other kind ${otherKind}, only vellmora ${unmatched.size}, ` +
            `only astronomy-engine ${theirs.length - same - otherKind}`);
