// Turns the published VSOP87D Earth file into the compiled-in table of the
// series library: series/vsop87d_earth.h and series/vsop87d_earth.cpp.
//
//   node tools/vsop/generate_vsop87d_earth.mjs PATH/TO/VSOP87D.ear OUTPUT_FOLDER
//
// Amplitudes are scaled by 10^8 by moving the decimal point in the published
// text, so no binary rounding enters the table. The generator refuses to write
// anything when a series count or one of the known rows differs from the
// published theory.

import { readFileSync, writeFileSync } from "node:fs";
import { basename, join } from "node:path";

const GENERATOR = "tools/vsop/generate_vsop87d_earth.mjs";

// Coordinates of the file (variables 1, 2, 3) and their series counts by power.
const COORDINATES = [
  { letter: "L", name: "EarthLongitudeSeries", counts: [559, 341, 142, 22, 11, 5] },
  { letter: "B", name: "EarthLatitudeSeries", counts: [184, 99, 49, 11, 5] },
  { letter: "R", name: "EarthRadiusSeries", counts: [526, 292, 139, 27, 10, 3] },
];

// Rows whose scaled values are known independently: [series, row (1-based), A, B, C].
const KNOWN_ROWS = [
  ["L0", 1, "175347045.673", "0", "0"],
  ["L0", 2, "3341656.456", "4.66925680417", "6283.0758499914"],
  ["L1", 1, "628331966747.491", "0", "0"],
  ["L4", 1, "114.084", "3.14159265359", "0"],
  ["B0", 1, "279.62", "3.19870156017", "84334.66158130829"],
  ["R0", 1, "100013988.799", "0", "0"],
  ["R0", 2, "1670699.626", "3.09846350771", "6283.0758499914"],
  ["R5", 3, "0.001", "0.38068797142", "18849.2275499742"],
];

const AMPLITUDE_SHIFT = 8;

function fail(message) {
  console.error(`${GENERATOR}: ${message}`);
  process.exit(1);
}

// An unsigned decimal text such as "0.03341656456", checked for its form.
function parseDecimalText(text, where) {
  const match = /^(\d+)\.(\d+)$/.exec(text);
  if (!match) fail(`${where}: "${text}" is not an unsigned decimal number`);
  return { whole: match[1], fraction: match[2] };
}

// Drops leading zeros of the whole part and trailing zeros of the fraction;
// "0.00000000000" becomes "0", "279.620" becomes "279.62".
function canonical(whole, fraction) {
  const w = whole.replace(/^0+(?=\d)/, "");
  const f = fraction.replace(/0+$/, "");
  return f === "" ? w : `${w}.${f}`;
}

// Multiplies a decimal text by 10^AMPLITUDE_SHIFT by moving its decimal point.
function scaleAmplitude(text, where) {
  const { whole, fraction } = parseDecimalText(text, where);
  if (fraction.length < AMPLITUDE_SHIFT) fail(`${where}: amplitude "${text}" has too few decimals`);
  return canonical(whole + fraction.slice(0, AMPLITUDE_SHIFT), fraction.slice(AMPLITUDE_SHIFT));
}

function plain(text, where) {
  const { whole, fraction } = parseDecimalText(text, where);
  return canonical(whole, fraction);
}

// A C++ long double literal of a canonical decimal text.
function literal(text) {
  return `${text.includes(".") ? text : `${text}.0`}L`;
}

function readSeries(path) {
  const lines = readFileSync(path, "latin1").split(/\r?\n/);
  const series = new Map();  // "L0" -> { declared, terms: [{A, B, C}] }
  let current = null;
  lines.forEach((line, lineIndex) => {
    const where = `${basename(path)}:${lineIndex + 1}`;
    if (line.trim() === "") return;
    const header = /VSOP87\s+VERSION\s+D\d\s+EARTH\s+VARIABLE\s+(\d)\s+\(LBR\)\s+\*T\*\*(\d)\s+(\d+)\s+TERMS/.exec(line);
    if (header) {
      const coordinate = COORDINATES[Number(header[1]) - 1];
      if (!coordinate) fail(`${where}: unknown variable ${header[1]}`);
      const key = `${coordinate.letter}${header[2]}`;
      if (series.has(key)) fail(`${where}: series ${key} appears twice`);
      current = { declared: Number(header[3]), terms: [] };
      series.set(key, current);
      return;
    }
    if (!current) fail(`${where}: term line before the first series header`);
    const fields = line.trim().split(/\s+/);
    if (fields.length < 3) fail(`${where}: a term line needs A, B and C at its end`);
    const [a, b, c] = fields.slice(-3);
    current.terms.push({ A: scaleAmplitude(a, where), B: plain(b, where), C: plain(c, where) });
  });
  return series;
}

function checkSeries(series) {
  for (const coordinate of COORDINATES) {
    coordinate.counts.forEach((expected, power) => {
      const key = `${coordinate.letter}${power}`;
      const found = series.get(key);
      if (!found) fail(`series ${key} is missing`);
      if (found.declared !== expected) fail(`series ${key} declares ${found.declared} terms, expected ${expected}`);
      if (found.terms.length !== expected) fail(`series ${key} has ${found.terms.length} term lines, expected ${expected}`);
      if (found.terms.some((term) => term.A === "0")) fail(`series ${key} has a term of amplitude 0`);
    });
    const extra = `${coordinate.letter}${coordinate.counts.length}`;
    if (series.has(extra)) fail(`unexpected series ${extra}`);
  }
  for (const [key, row, a, b, c] of KNOWN_ROWS) {
    const term = series.get(key).terms[row - 1];
    const [pa, pb, pc] = [a, b, c].map((text) => plain(text.includes(".") ? text : `${text}.0`, "known row"));
    if (term.A !== pa || term.B !== pb || term.C !== pc) {
      fail(`${key} row ${row} is (${term.A}, ${term.B}, ${term.C}), expected (${a}, ${b}, ${c})`);
    }
  }
}

function banner(input) {
  return [
    `// Generated by ${GENERATOR} from ${basename(input)}`,
    "// (VSOP87 version D, Earth; Bretagnon & Francou 1988, CDS catalogue VI/81). Do not edit.",
  ].join("\n");
}

function headerText(input) {
  const declarations = COORDINATES.map(
    (coordinate) => `extern const std::span<const VSOPTerm> ${coordinate.name}[${coordinate.counts.length}];`,
  );
  return `${banner(input)}

#pragma once

#include <span>

#include "series/vsop_term.h"

// The complete VSOP87D series of the Earth: heliocentric longitude and
// latitude (10^-8 radian) and radius vector (10^-8 AU), referred to the
// ecliptic and equinox of date, indexed by the power of time.

namespace vellmora {

${declarations.join("\n")}

}  // namespace vellmora
`;
}

function sourceText(input, series) {
  const parts = [];
  for (const coordinate of COORDINATES) {
    coordinate.counts.forEach((count, power) => {
      const key = `${coordinate.letter}${power}`;
      const rows = series.get(key).terms.map((t) => `    {${literal(t.A)}, ${literal(t.B)}, ${literal(t.C)}},`);
      parts.push(`constexpr VSOPTerm k${key}[${count}] = {\n${rows.join("\n")}\n};\n`);
    });
  }
  const spans = COORDINATES.map((coordinate) => {
    const names = coordinate.counts.map((_, power) => `k${coordinate.letter}${power}`);
    return `const std::span<const VSOPTerm> ${coordinate.name}[${names.length}] = {${names.join(", ")}};`;
  });
  return `${banner(input)}

#include "series/vsop87d_earth.h"

namespace vellmora {
namespace {

// clang-format off
${parts.join("\n")}// clang-format on

}  // namespace

${spans.join("\n")}

}  // namespace vellmora
`;
}

const [input, outputFolder] = process.argv.slice(2);
if (!input || !outputFolder) fail("usage: node generate_vsop87d_earth.mjs VSOP87D.ear OUTPUT_FOLDER");
const series = readSeries(input);
checkSeries(series);
writeFileSync(join(outputFolder, "vsop87d_earth.h"), headerText(input));
writeFileSync(join(outputFolder, "vsop87d_earth.cpp"), sourceText(input, series));
const total = [...series.values()].reduce((sum, s) => sum + s.terms.length, 0);
console.log(`${GENERATOR}: wrote ${total} terms in ${series.size} series`);
