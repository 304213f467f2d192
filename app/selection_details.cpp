#include "app/selection_details.h"

#include "geometry/zone_limits.h"

namespace vellmora {

std::optional<LocalDetails> DetailsOfShownEclipse(const TForm37& form) {
  if (!form.Shown) return std::nullopt;
  return DetailsOfEclipse(form.Shown->Eclipse, form.Shown->Place);
}

LocalDetails DetailsOfEclipse(const CalendarInstant& eclipse, const ObservingPlace& place) {
  const DeltaTFigures deltaT = DeltaTFiguresOfYear(eclipse.Year);
  const PathLines path =
      PathLinesOfZone(ZoneLimits(eclipse.Day, eclipse.Month, eclipse.Year, eclipse.Hours, deltaT.UsedDays));
  return ComputeLocalDetails(eclipse.Day, eclipse.Month, eclipse.Year, eclipse.Hours, place, deltaT, path);
}

}  // namespace vellmora
