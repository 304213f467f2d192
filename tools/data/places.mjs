// The place table: the places a German user looks for, with German names,
// coordinates, time zones and standard-time offsets, in the order of the place chooser.
import { comparePlaceNames, formatDecimal } from './text_form.mjs';
import { germanCityName, germanCountryName, hasGermanName, transliterate } from './place_names.mjs';

export const PLACE_COUNT = 3514;
const GERMAN_TOWN_POPULATION = 20000;
const ALPINE_TOWN_POPULATION = 20000;
// City districts and sections, and abandoned, destroyed or historical places.
const EXCLUDED_FEATURES = new Set(['PPLX', 'PPLH', 'PPLQ', 'PPLW', 'PPLCH']);

// The reference points and the start-up place, with the coordinates the program is known by.
const FIXED_PLACES = [
  { name: 'Äquator', lat: 0, lon: 0, zone: 'Etc/UTC', offset: 0, population: 0 },
  { name: 'Nordpol', lat: 90, lon: 0, zone: 'Etc/UTC', offset: 0, population: 0 },
  { name: 'Südpol', lat: -90, lon: 0, zone: 'Etc/UTC', offset: 0, population: 0 },
  { name: 'Chemnitz, D', lat: 50.836667, lon: 12.854444, zone: 'Europe/Berlin', offset: 1, population: 247220 },
];

// A foreign city this close to a larger chosen place is taken for one of its
// districts (the city list marks only some of them as such).
const DISTRICT_RADIUS_KM = 10;

function distanceKm(a, b) {
  const rad = Math.PI / 180;
  const dLat = (b.lat - a.lat) * rad;
  const dLon = (b.lon - a.lon) * rad * Math.cos(((a.lat + b.lat) / 2) * rad);
  return 6371 * Math.hypot(dLat, dLon);
}

const byPopulation = (a, b) => b.population - a.population || a.cityId - b.cityId;

// Candidate cities in order of priority: German towns, the larger Austrian and
// Swiss towns, national capitals, cities with a German name of their own, then
// the world's cities by size, which alone may turn out to be districts of a larger place.
function candidatesByPriority(cities) {
  const usable = cities.filter((c) => !EXCLUDED_FEATURES.has(c.featureCode)).sort(byPopulation);
  const german = usable.filter((c) => c.country === 'DE' && c.population >= GERMAN_TOWN_POPULATION);
  const alpine = usable.filter(
    (c) => (c.country === 'AT' || c.country === 'CH') && c.population >= ALPINE_TOWN_POPULATION,
  );
  const capitals = usable.filter((c) => c.featureCode === 'PPLC');
  // The largest city of each German name: "Rome|IT" also names a few villages.
  const wellKnown = usable.filter(hasGermanName).filter((c, i, all) => all.findIndex((d) => d.name === c.name) === i);
  const wanted = new Set([...german, ...alpine, ...capitals, ...wellKnown]);
  return [...german, ...alpine, ...capitals, ...wellKnown, ...usable].map((city) => ({
    city,
    mayBeDistrict: !wanted.has(city),
  }));
}

// "Place, Country" (or the city state's name) within 5 to 34 Windows-1252 characters, or undefined.
function placeName(city, countries) {
  const country = transliterate(germanCountryName(city.country, countries));
  const fullName = transliterate(germanCityName(city));
  if (!country || !fullName) return undefined;
  // A name too long with its parenthesised addition is tried without it.
  for (const cityName of [fullName, fullName.replace(/\s*\(.*\)\s*/g, ' ').trim()]) {
    // A city state is named once: "Singapur", not "Singapur, Singapur".
    const name = cityName === country ? cityName : `${cityName}, ${country}`;
    if (name.length >= 5 && name.length <= 34) return name;
  }
  return undefined;
}

// Chooses PLACE_COUNT places with unique names.
export function choosePlaces(cities, countries, zoneOf) {
  const places = [...FIXED_PLACES];
  const names = new Set(places.map((p) => p.name));
  const cityIds = new Set();
  for (const { city, mayBeDistrict } of candidatesByPriority(cities)) {
    if (places.length === PLACE_COUNT) break;
    if (cityIds.has(city.cityId)) continue;
    cityIds.add(city.cityId);
    const name = placeName(city, countries);
    if (!name || names.has(name)) continue;
    const [lon, lat] = city.loc.coordinates;
    const { zone, offset } = zoneOf(city.country, lat, lon) ?? {};
    if (offset === undefined || offset < -12 || offset > 13) continue;
    const isDistrictOf = (p) => p.population > city.population && distanceKm(p, { lat, lon }) < DISTRICT_RADIUS_KM;
    if (mayBeDistrict && places.some(isDistrictOf)) continue;
    names.add(name);
    places.push({ name, lat, lon, zone, offset, population: city.population });
  }
  if (places.length !== PLACE_COUNT) throw new Error(`only ${places.length} places found`);
  return places.sort((a, b) => comparePlaceNames(a.name, b.name));
}

export function placeTableLines(places) {
  return places.map((p) =>
    [p.name, formatDecimal(p.lat, 6), formatDecimal(p.lon, 6), formatDecimal(p.offset, 2)].join('\t'),
  );
}

export function placeNameLines(places) {
  return places.map((p) => p.name);
}

// The IANA time-zone name of each place, in the order of the place table.
export function zoneNameLines(places) {
  return places.map((p) => p.zone);
}
