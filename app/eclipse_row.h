#pragma once

#include <string>

#include "catalogue/moon.h"

// A row of the eclipse list: kind text, TAB, "dd.mm.yyyy hh:mm:ss" of the
// instant of greatest eclipse, Julian calendar before 1582-10-15.

namespace vellmora {

// The window's name of a kind, Windows-1252 ("" for NoEclipse).
const char* EclipseKindName(EclipseKind kind);

std::string FormatEclipseRow(EclipseKind kind, double serial);

// The instant a row shows, to the whole second, in the row's calendar.
struct RowInstant {
  int Day;
  int Month;
  int Year;
  double Hours;
};

// Reads the instant back from a row's text; false when the text is no eclipse row.
bool ReadEclipseRow(const std::string& row, RowInstant& instant);

}  // namespace vellmora
