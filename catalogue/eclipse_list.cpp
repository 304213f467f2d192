#include "catalogue/eclipse_list.h"

#include <cmath>

namespace vellmora {
namespace {

bool IsCentral(EclipseKind kind) {
  return kind == EclipseKind::Annular || kind == EclipseKind::AnnularTotal || kind == EclipseKind::Total;
}

bool IsSolarEclipse(EclipseKind kind) { return kind != EclipseKind::NoEclipse; }

template <typename Keep>
std::vector<EclipseListRow> WalkSolarEclipses(int firstYear, int lastYear, Keep keep) {
  double time = EncodeDate(firstYear, 1, 1);
  const double end = EncodeDate(lastYear, 1, 1);
  // The rows' dates are in the calendar in force, whose 1 January comes some
  // days after the walk's before 1582; the walk's lunations reach a little
  // beyond both ends.
  const ListedSpan shown = ListedSpanOf(firstYear, lastYear);
  std::vector<EclipseListRow> rows;
  bool gammaNegative = false;
  EclipseWalk walk;  // keeps the terms of the last lunations from one search to the next
  do {
    const EclipseKind kind = walk.FindNext(time, true, gammaNegative);
    if (keep(kind) && time >= shown.First && time < shown.End) rows.push_back({time, kind});
    time += 1;
  } while (!(time > end));
  return rows;
}

}  // namespace

ListedSpan ListedSpanOf(int firstYear, int lastYear) {
  return {CalendarToDateSerial(static_cast<std::uint16_t>(firstYear), 1, 1),
          CalendarToDateSerial(static_cast<std::uint16_t>(lastYear), 1, 1)};
}

std::vector<EclipseListRow> ListCentralEclipses(int firstYear, int lastYear) {
  return WalkSolarEclipses(firstYear, lastYear, IsCentral);
}

std::vector<EclipseListRow> ListSolarEclipses(int firstYear, int lastYear) {
  return WalkSolarEclipses(firstYear, lastYear, IsSolarEclipse);
}

ListDateTime ListDateTimeOf(double serial) {
  ListDateTime shown{};
  const long double jd = DateSerialToJD(serial);
  if (jd >= kGregorianSwitchJD) {
    const CivilDate date = DecodeDate(serial);
    shown.Year = date.Year;
    shown.Month = date.Month;
    shown.Day = date.Day;
  } else {
    std::int16_t year = 0;
    std::int16_t month = 0;
    std::int16_t day = 0;
    JDToCalendar(jd, year, month, day);
    shown.Year = year;
    shown.Month = month;
    shown.Day = day;
  }
  shown.SecondOfDay = static_cast<long>(std::floor(TimeOfDay(serial) * 86400.0));
  return shown;
}

}  // namespace vellmora
