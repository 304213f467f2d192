// Place names as a German reader writes them: German exonyms for well-known
// foreign cities, short German country names, Windows-1252 letters only.
import { windows1252Byte } from './text_form.mjs';

// Country abbreviations and short forms where the usual German name differs
// from the official one in the country list.
const COUNTRY_SHORT_NAMES = {
  DE: 'D', GB: 'GB', US: 'USA', AE: 'VAE', RU: 'Russland', CZ: 'Tschechien', SY: 'Syrien', TZ: 'Tansania',
  BA: 'Bosnien-Herzegowina', BN: 'Brunei', CD: 'DR Kongo', CG: 'Kongo', DO: 'Dominikanische Rep.',
  CF: 'Zentralafrika', PS: 'Palästina', MD: 'Moldau', KN: 'St. Kitts und Nevis', VC: 'St. Vincent',
  AG: 'Antigua', TT: 'Trinidad', ST: 'São Tomé', VG: 'Jungferninseln', VI: 'Jungferninseln (USA)',
  AS: 'Samoa (USA)', PM: 'St-Pierre', TC: 'Turks-Inseln', WF: 'Wallis', SJ: 'Spitzbergen', CI: 'Elfenbeinküste',
  MP: 'Marianen', FK: 'Falklandinseln', GF: 'Franz.-Guayana', PF: 'Franz.-Polynesien', IM: 'Isle of Man',
};

// German names, keyed by the place's name in the city list and its country code:
// exonyms of foreign cities and the usual spelling of some German towns.
const GERMAN_NAMES = {
  'Munich|DE': 'München', 'Zulpich|DE': 'Zülpich', 'Meissen|DE': 'Meißen', 'Neu Isenburg|DE': 'Neu-Isenburg',
  'Eisleben Lutherstadt|DE': 'Lutherstadt Eisleben', 'Haldensleben I|DE': 'Haldensleben',
  'Isernhagen Farster Bauerschaft|DE': 'Isernhagen',
  'Vienna|AT': 'Wien', 'Rome|IT': 'Rom', 'Milan|IT': 'Mailand', 'Naples|IT': 'Neapel', 'Venice|IT': 'Venedig',
  'Florence|IT': 'Florenz', 'Genoa|IT': 'Genua', 'Moscow|RU': 'Moskau', 'Saint Petersburg|RU': 'Sankt Petersburg',
  'Warsaw|PL': 'Warschau', 'Kraków|PL': 'Krakau', 'Gdańsk|PL': 'Danzig', 'Wrocław|PL': 'Breslau', 'Prague|CZ': 'Prag',
  'Copenhagen|DK': 'Kopenhagen', 'Lisbon|PT': 'Lissabon', 'Beijing|CN': 'Peking', 'New Delhi|IN': 'Neu-Delhi',
  'Cairo|EG': 'Kairo', 'Brussels|BE': 'Brüssel', 'Liège|BE': 'Lüttich', 'Genève|CH': 'Genf', 'Athens|GR': 'Athen',
  'Belgrade|RS': 'Belgrad', 'Bucharest|RO': 'Bukarest', 'Kyiv|UA': 'Kiew', 'Tbilisi|GE': 'Tiflis',
  'Damascus|SY': 'Damaskus', 'Baghdad|IQ': 'Bagdad', 'Tehran|IR': 'Teheran', 'Mexico City|MX': 'Mexiko-Stadt',
  'Havana|CU': 'Havanna', 'Tokyo|JP': 'Tokio', 'Algiers|DZ': 'Algier', 'Cape Town|ZA': 'Kapstadt',
  'Luxembourg|LU': 'Luxemburg', 'Strasbourg|FR': 'Straßburg', 'Nice|FR': 'Nizza', 'Taipei|TW': 'Taipeh',
  'Kolkata|IN': 'Kalkutta', 'The Hague|NL': 'Den Haag', 'Zaragoza|ES': 'Saragossa',
  'Nizhniy Novgorod|RU': 'Nischni Nowgorod', 'Yekaterinburg|RU': 'Jekaterinburg', 'Novosibirsk|RU': 'Nowosibirsk',
  'Singapore|SG': 'Singapur', 'Hong Kong|HK': 'Hongkong', 'Mecca|SA': 'Mekka', 'Washington, D.C.|US': 'Washington',
  'New York City|US': 'New York', 'Nicosia|CY': 'Nikosia', 'Addis Ababa|ET': 'Addis Abeba',
  'Dar es Salaam|TZ': 'Daressalam', 'Yangon|MM': 'Rangun', 'Ho Chi Minh City|VN': 'Ho-Chi-Minh-Stadt',
  'Guatemala City|GT': 'Guatemala-Stadt', 'Kuwait City|KW': 'Kuwait-Stadt', 'Tripoli|LY': 'Tripolis',
  'Vatican City|VA': 'Vatikanstadt',
};

// Letters that do not decompose into a base letter and a mark, and marks
// written as separate characters; used when a name needs transliteration.
const TRANSLITERATION = {
  'ł': 'l', 'Ł': 'L', 'đ': 'd', 'Đ': 'D', 'ð': 'd', 'Ð': 'D', 'ı': 'i', 'ħ': 'h', 'Ħ': 'H', 'ŧ': 't', 'ŋ': 'ng',
  'ə': 'a', 'Ə': 'A', 'ʻ': "'", 'ʼ': "'", '‘': "'", '’': "'", '`': "'", '´': "'", 'ʿ': "'", 'ʾ': "'", '–': '-',
};

const ALLOWED_PUNCTUATION = new Set([' ', ',', '.', '-', "'", '(', ')', '/']);

function isWritable(ch) {
  return /[\p{L}\p{N}]/u.test(ch) ? windows1252Byte(ch) !== undefined : ALLOWED_PUNCTUATION.has(ch);
}

// A name Windows-1252 cannot hold is romanized as a whole, all accents dropped
// ("Łódź" -> "Lodz", not a mixed "Lódz"); undefined if that still fails.
export function transliterate(text) {
  const name = text.normalize('NFC');
  if ([...name].every(isWritable)) return name;
  const romanized = [...name]
    .map((ch) => TRANSLITERATION[ch] ?? ch)
    .join('')
    .normalize('NFD')
    .replace(/[\u0300-\u036f]/g, '');
  return [...romanized].every(isWritable) ? romanized : undefined;
}

// Cities a German reader knows by a name of their own, so the table should hold them.
export function hasGermanName(city) {
  return `${city.name}|${city.country}` in GERMAN_NAMES;
}

// Japanese and Korean names drop the suffix that only says "city" ("Gifu-shi" -> "Gifu").
export function germanCityName(city) {
  return GERMAN_NAMES[`${city.name}|${city.country}`] ?? city.name.replace(/-(shi|si)$/, '');
}

export function germanCountryName(code, countries) {
  return COUNTRY_SHORT_NAMES[code] ?? countries.getName(code, 'de', { select: 'official' });
}
