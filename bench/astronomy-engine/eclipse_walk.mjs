// Walks astronomy-engine's global solar eclipses from 1000-01-01 to 3000-01-01, as
// vellmora-cli list 1000 3000 walks the lunations of those years, RUNS times in one
// process, and prints the count of eclipses and the median of the walks in milliseconds.
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const Astronomy = require('astronomy-engine');

const runs = Number(process.argv[2] ?? 10);
const start = Astronomy.MakeTime(new Date(Date.UTC(1000, 0, 1)));
const end = Astronomy.MakeTime(new Date(Date.UTC(3000, 0, 1)));

function walk() {
  let count = 0;
  for (let eclipse = Astronomy.SearchGlobalSolarEclipse(start); eclipse.peak.tt < end.tt;
       eclipse = Astronomy.NextGlobalSolarEclipse(eclipse.peak)) {
    ++count;
  }
  return count;
}

const milliseconds = [];
let count = 0;
for (let run = 0; run < runs; ++run) {
  const begin = process.hrtime.bigint();
  count = walk();
  milliseconds.push(Number(process.hrtime.bigint() - begin) / 1e6);
}
milliseconds.sort((a, b) => a - b);
const middle = Math.floor(runs / 2);
const median = runs % 2 ? milliseconds[middle] : (milliseconds[middle - 1] + milliseconds[middle]) / 2;
console.log(`${count} ${median.toFixed(3)}`);
