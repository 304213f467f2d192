// The places' time zones (IANA names) and their standard-time offsets from
// universal time (no daylight saving) from the tz database that Node's Intl carries.

// A January and a July instant: the smaller offset of the two is standard time
// in both hemispheres, also where the zone's rules shift the clock backwards in summer.
const PROBE_DATES = [new Date(Date.UTC(2025, 0, 15, 12)), new Date(Date.UTC(2025, 6, 15, 12))];

function offsetHoursAt(zone, date) {
  const part = new Intl.DateTimeFormat('en-US', { timeZone: zone, timeZoneName: 'longOffset' })
    .formatToParts(date)
    .find((p) => p.type === 'timeZoneName').value;
  const match = /^GMT(?:([+-])(\d\d):(\d\d))?$/.exec(part);
  if (!match) throw new Error(`unexpected offset ${part} for ${zone}`);
  if (!match[1]) return 0;
  const hours = Number(match[2]) + Number(match[3]) / 60;
  return match[1] === '-' ? -hours : hours;
}

export function standardOffsetHours(zone) {
  return Math.min(...PROBE_DATES.map((date) => offsetHoursAt(zone, date)));
}

// Great-circle angle between two points, enough to find the nearest listed city.
function angularDistance(lat1, lon1, lat2, lon2) {
  const rad = Math.PI / 180;
  const cosine =
    Math.sin(lat1 * rad) * Math.sin(lat2 * rad) +
    Math.cos(lat1 * rad) * Math.cos(lat2 * rad) * Math.cos((lon2 - lon1) * rad);
  return Math.acos(Math.max(-1, Math.min(1, cosine)));
}

// Finds a place's time zone: the zone of the nearest listed city of the same
// country (the country's first zone where none is listed), and its standard
// offset: the one offset shared by all zones of the country, otherwise that of
// the nearest city's zone; undefined when a country of several offsets has no
// listed city.
export function makeZoneFinder(zoneCities, countryZones) {
  const citiesByCountry = new Map();
  for (const city of zoneCities) {
    if (!city.timezone) continue;
    if (!citiesByCountry.has(city.iso2)) citiesByCountry.set(city.iso2, []);
    citiesByCountry.get(city.iso2).push(city);
  }
  return (country, lat, lon) => {
    const zones = countryZones.getCountry(country)?.timezones ?? [];
    let nearest;
    let nearestDistance = Infinity;
    for (const city of citiesByCountry.get(country) ?? []) {
      const d = angularDistance(lat, lon, city.lat, city.lng);
      if (d < nearestDistance) {
        nearestDistance = d;
        nearest = city;
      }
    }
    const zone = nearest?.timezone ?? zones[0];
    const offsets = new Set(zones.map(standardOffsetHours));
    if (offsets.size === 1) return { zone, offset: [...offsets][0] };
    return nearest ? { zone, offset: standardOffsetHours(nearest.timezone) } : undefined;
  };
}
