#pragma once

#include <string>

#include "app/selection/chosen_eclipse.h"
#include "catalogue/moon.h"

// A row of the eclipse list: kind text, TAB, "dd.mm.yyyy hh:mm:ss" of the
// instant of greatest eclipse, Julian calendar before 1582-10-15.

namespace vellmora {

// The window's name of a kind, Windows-1252 ("" for NoEclipse).
const char* EclipseKindName(EclipseKind kind);

std::string FormatEclipseRow(const ChosenEclipse& eclipse);

// Appends a date as the eclipse list writes it, "DD.MM.YYYY".
void AppendListDate(std::string& text, int day, int month, int year);

// Appends a date and time of day as the eclipse list writes them,
// "DD.MM.YYYY hh:mm:ss".
void AppendListDateAndTime(std::string& text, int day, int month, int year, long secondOfDay);

}  // namespace vellmora
