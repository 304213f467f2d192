// The text forms shared by the three data files: numbers without trailing
// zeros, Windows-1252 bytes with CR LF line ends, and the order of place names.

// Characters of Windows-1252 above 0x7F that are not at their Unicode code point.
const CP1252_HIGH = {
  0x20ac: 0x80, 0x201a: 0x82, 0x0192: 0x83, 0x201e: 0x84, 0x2026: 0x85, 0x2020: 0x86, 0x2021: 0x87,
  0x02c6: 0x88, 0x2030: 0x89, 0x0160: 0x8a, 0x2039: 0x8b, 0x0152: 0x8c, 0x017d: 0x8e, 0x2018: 0x91,
  0x2019: 0x92, 0x201c: 0x93, 0x201d: 0x94, 0x2022: 0x95, 0x2013: 0x96, 0x2014: 0x97, 0x02dc: 0x98,
  0x2122: 0x99, 0x0161: 0x9a, 0x203a: 0x9b, 0x0153: 0x9c, 0x017e: 0x9e, 0x0178: 0x9f,
};

// The Windows-1252 byte of one character, or undefined if the set lacks it.
export function windows1252Byte(ch) {
  const code = ch.codePointAt(0);
  if (code < 0x80 || (code >= 0xa0 && code <= 0xff)) return code;
  return CP1252_HIGH[code];
}

// A text as Windows-1252 bytes.
function windows1252Bytes(text) {
  return [...text].map((ch) => {
    const b = windows1252Byte(ch);
    if (b === undefined || b === 0) throw new Error(`not writable in Windows-1252: ${JSON.stringify(text)}`);
    return b;
  });
}

// Lines as Windows-1252 bytes, each ending in CR LF.
export function encodeLines(lines) {
  const bytes = [];
  for (const line of lines) {
    if (line.length === 0) throw new Error('empty line');
    bytes.push(...windows1252Bytes(line), 13, 10);
  }
  return Buffer.from(bytes);
}

// A number with at most `decimals` decimals: no trailing zeros, no bare point, no "+", no "-0".
export function formatDecimal(value, decimals) {
  let text = value.toFixed(decimals);
  if (text.includes('.')) text = text.replace(/0+$/, '').replace(/\.$/, '');
  return text === '-0' ? '0' : text;
}

// Collation weights of a place name for a case-insensitive word sort: hyphens
// and apostrophes are ignored, accented letters count as their base letters,
// ß as ss, and blank, comma and full stop come before digits and letters.
const PUNCTUATION_RANK = { ' ': '\u0001', ',': '\u0002', '.': '\u0003', '(': '\u0004', ')': '\u0005', '/': '\u0006' };
const LETTER_EXPANSION = { 'ß': 'ss', 'æ': 'ae', 'œ': 'oe', 'ø': 'o', 'þ': 'th', 'ð': 'd' };

export function collationKey(name) {
  let key = '';
  for (const ch of name.toLowerCase()) {
    if (ch === '-' || ch === "'") continue;
    if (ch in PUNCTUATION_RANK) key += PUNCTUATION_RANK[ch];
    else if (ch in LETTER_EXPANSION) key += LETTER_EXPANSION[ch];
    else if (/[a-z0-9]/.test(ch)) key += ch;
    else {
      const base = ch.normalize('NFD').replace(/[\u0300-\u036f]/g, '');
      if (!/^[a-z]$/.test(base)) throw new Error(`no collation weight for ${JSON.stringify(ch)} in ${name}`);
      key += base;
    }
  }
  return key;
}

// Orders names by their collation keys; equal keys fall back to the Windows-1252 bytes.
export function comparePlaceNames(a, b) {
  const ka = collationKey(a);
  const kb = collationKey(b);
  if (ka !== kb) return ka < kb ? -1 : 1;
  return Buffer.compare(Buffer.from(windows1252Bytes(a)), Buffer.from(windows1252Bytes(b)));
}
