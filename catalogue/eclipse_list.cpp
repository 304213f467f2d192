#include "catalogue/eclipse_list.h"

namespace vellmora {
namespace {

bool IsCentral(EclipseKind kind) {
  return kind == EclipseKind::Annular || kind == EclipseKind::AnnularTotal || kind == EclipseKind::Total;
}

}  // namespace

std::vector<EclipseListRow> ListCentralEclipses(int firstYear, int lastYear) {
  double time = EncodeDate(firstYear, 1, 1);
  const double end = EncodeDate(lastYear, 1, 1);
  // The rows' dates are in the calendar in force, whose 1 January comes some
  // days after the walk's before 1582; the walk's lunations reach a little
  // beyond both ends.
  const double firstShown = CalendarToDateSerial(static_cast<std::uint16_t>(firstYear), 1, 1);
  const double endShown = CalendarToDateSerial(static_cast<std::uint16_t>(lastYear), 1, 1);
  std::vector<EclipseListRow> rows;
  bool gammaNegative = false;
  EclipseWalk walk;  // keeps the terms of the last lunations from one search to the next
  do {
    const EclipseKind kind = walk.FindNext(time, true, gammaNegative);
    if (IsCentral(kind) && time >= firstShown && time < endShown) rows.push_back({time, kind});
    time += 1;
  } while (!(time > end));
  return rows;
}

}  // namespace vellmora
