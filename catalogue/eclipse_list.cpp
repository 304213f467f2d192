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
  std::vector<EclipseListRow> rows;
  bool gammaNegative = false;
  EclipseWalk walk;  // keeps the terms of the last lunations from one search to the next
  do {
    const EclipseKind kind = walk.FindNext(time, true, gammaNegative);
    if (IsCentral(kind)) rows.push_back({time, kind});
    time += 1;
  } while (!(time > end));
  return rows;
}

}  // namespace vellmora
