#pragma once

#include <optional>

#include "app/window/form37.h"
#include "geometry/local_details.h"

// The details at the observing place for the eclipse and place whose local
// circumstances the window shows.

namespace vellmora {

// None before an eclipse has been chosen.
std::optional<LocalDetails> DetailsOfShownEclipse(const TForm37& form);

}  // namespace vellmora
