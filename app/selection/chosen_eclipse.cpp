#include "app/selection/chosen_eclipse.h"

#include "catalogue/eclipse_list.h"

namespace vellmora {

ChosenEclipse EclipseAsListed(EclipseKind kind, double serial) {
  const ListDateTime shown = ListDateTimeOf(serial);
  return {kind, {shown.Day, shown.Month, shown.Year, shown.Hours()}};
}

}  // namespace vellmora
