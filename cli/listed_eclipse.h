#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/selection/chosen_eclipse.h"
#include "app/texts/year_field.h"
#include "catalogue/date_serial.h"
#include "catalogue/eclipse_list.h"

// Finding an eclipse of the list by its date, as a command names it.

namespace vellmora {

// The central eclipses of the years as "Berechnung" lists them; none, with
// the message the window shows in its message box on err, when the list fails.
std::optional<std::vector<EclipseListRow>> ListedRows(const ListYears& years, std::ostream& err);

// Whether the eclipse's listed instant falls on the day.
bool IsOnDay(const ChosenEclipse& eclipse, const CivilDate& day);

// The line on err when the list has no eclipse on the date.
std::string NoEclipseOnDateNotice(const std::string& date);

// The central eclipse that the eclipse list of the date's year and the next
// shows on the date (DD.MM.YYYY). Returns 0 with the eclipse filled, or the
// exit status with a message on err: 2 for a date that does not exist, 1 when
// no annular, annular-total or total eclipse falls on it.
int FindListedEclipse(const std::string& date, std::ostream& err, ChosenEclipse& eclipse);

}  // namespace vellmora
