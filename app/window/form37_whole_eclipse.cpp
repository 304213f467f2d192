#include "app/window/form37.h"

// The whole eclipse from its Besselian elements: "Sichtbarkeit zeigen" of the
// globe's menu (the map of visibility) and the shadow at one instant
// ("Schattenverlauf").

namespace vellmora {

void TForm37::SetShowVisibility(bool show) {
  ShowVisibility = show;
  PB3P();
}

void TForm37::ShowShadowAt(std::optional<double> t) {
  Shadow.reset();
  if (t && Selected) Shadow = ShadowAt(Selected->Elements(), *t);
  PB3P();
}

}  // namespace vellmora
