#pragma once

#include <vector>

#include "catalogue/moon.h"

// The eclipse list: the annular, annular-total and total solar eclipses of a
// range of years, found lunation by lunation.

namespace vellmora {

// The years the list covers.
inline constexpr int kFirstListYear = 1000;
inline constexpr int kLastListYear = 3000;

// One eclipse of the list.
struct EclipseListRow {
  double Time;  // date serial of greatest eclipse
  EclipseKind Kind;
};

// The central eclipses from 1 January of `firstYear`, 0 h, up to before
// 1 January of `lastYear`, 0 h, both in the calendar in force (Julian before
// 1582-10-15), in time order. The years are taken as they are; EConvertError
// with kDateEncodeMessage for a year outside 1..9999.
std::vector<EclipseListRow> ListCentralEclipses(int firstYear, int lastYear);

}  // namespace vellmora
