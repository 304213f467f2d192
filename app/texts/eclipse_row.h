#pragma once

#include <string>

#include "catalogue/moon.h"
#include "ephem/timlib.h"

// A row of the eclipse list: kind text, TAB, "dd.mm.yyyy hh:mm:ss" of the
// instant of greatest eclipse, Julian calendar before 1582-10-15.

namespace vellmora {

// The window's name of a kind, Windows-1252 ("" for NoEclipse).
const char* EclipseKindName(EclipseKind kind);

std::string FormatEclipseRow(EclipseKind kind, double serial);

// Appends a date and time of day as the eclipse list writes them,
// "DD.MM.YYYY hh:mm:ss".
void AppendListDateAndTime(std::string& text, int day, int month, int year, long secondOfDay);

// Reads the instant a row shows back from its text, to the whole second, in
// the row's calendar; false when the text is no eclipse row.
bool ReadEclipseRow(const std::string& row, CalendarInstant& instant);

}  // namespace vellmora
