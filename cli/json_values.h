#pragma once

#include <optional>

#include "geometry/local_circumstances.h"

// Values that several commands write into their JSON output.

namespace vellmora {

// "not_visible", "partial", "annular" or "total".
const char* LocalKindJsonName(LocalEclipseKind kind);

// The number, or null where there is none.
template <typename Json>
Json NumberOrNull(const std::optional<double>& value) {
  return value ? Json(*value) : Json(nullptr);
}

}  // namespace vellmora
