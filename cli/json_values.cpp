#include "cli/json_values.h"

namespace vellmora {

const char* LocalKindJsonName(LocalEclipseKind kind) {
  switch (kind) {
    case LocalEclipseKind::NotVisible:
      return "not_visible";
    case LocalEclipseKind::Partial:
      return "partial";
    case LocalEclipseKind::Annular:
      return "annular";
    case LocalEclipseKind::Total:
      return "total";
  }
  return "";
}

}  // namespace vellmora
