#include "app/selection_details.h"

#include "geometry/zone_limits.h"

namespace vellmora {

std::optional<LocalDetails> DetailsOfShownEclipse(const TForm37& form) {
  if (!form.Shown) return std::nullopt;
  const CalendarInstant& eclipse = form.Shown->Eclipse;
  const Ephemeris ephemeris = form.Shown->Source;
  const DeltaTFigures deltaT = DeltaTFiguresOf(ephemeris, eclipse.Day, eclipse.Month, eclipse.Year);
  const PathLines path = PathLinesOfZone(ZoneLimits(eclipse.Day, eclipse.Month, eclipse.Year, eclipse.Hours,
                                                    deltaT.UsedDays, UmbralLunarRadiusOf(ephemeris), ephemeris));
  return ComputeLocalDetails(eclipse.Day, eclipse.Month, eclipse.Year, eclipse.Hours, form.Shown->Place, deltaT, path,
                             ephemeris);
}

}  // namespace vellmora
