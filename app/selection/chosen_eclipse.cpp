#include "app/selection/chosen_eclipse.h"

#include <cmath>

namespace vellmora {

ChosenEclipse EclipseAsListed(EclipseKind kind, double serial) {
  ChosenEclipse eclipse{kind, {}};
  CalendarInstant& instant = eclipse.DynamicalTime;
  const long double jd = DateSerialToJD(serial);
  if (jd >= kGregorianSwitchJD) {
    const CivilDate date = DecodeDate(serial);
    instant.Year = date.Year;
    instant.Month = date.Month;
    instant.Day = date.Day;
  } else {
    std::int16_t y = 0;
    std::int16_t m = 0;
    std::int16_t d = 0;
    JDToCalendar(jd, y, m, d);
    instant.Year = y;
    instant.Month = m;
    instant.Day = d;
  }
  // Seconds are cut from the exact time of day, never rounded.
  const auto second = static_cast<int>(std::floor(TimeOfDay(serial) * 86400.0));
  instant.Hours = second / 3600 + second / 60 % 60 / 60.0 + second % 60 / 3600.0;
  return eclipse;
}

}  // namespace vellmora
