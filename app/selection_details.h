#pragma once

#include <optional>

#include "app/form37.h"
#include "geometry/local_details.h"

// The details at the observing place for the eclipse and place whose local
// circumstances the window shows.

namespace vellmora {

// None before an eclipse has been chosen.
std::optional<LocalDetails> DetailsOfShownEclipse(const TForm37& form);

// The details at a place for the eclipse at the instant its list row shows.
LocalDetails DetailsOfEclipse(const CalendarInstant& eclipse, const ObservingPlace& place);

}  // namespace vellmora
