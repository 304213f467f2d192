#pragma once

#include <vector>

#include "catalogue/moon.h"

// The eclipse list: the annular, annular-total and total solar eclipses of a
// range of years, found lunation by lunation; and the same walk through every
// solar eclipse, partial ones included.

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

// Every solar eclipse (partial and non-central ones too) of the same walk.
std::vector<EclipseListRow> ListSolarEclipses(int firstYear, int lastYear);

// The date serials the rows of a range of years lie in: from 1 January of
// `firstYear`, 0 h, to before 1 January of `lastYear`, in the calendar in force.
struct ListedSpan {
  double First;
  double End;
};
ListedSpan ListedSpanOf(int firstYear, int lastYear);

// The date and time of day that the list shows for an instant: the calendar
// in force at it (Julian before 15.10.1582), the seconds cut, not rounded.
struct ListDateTime {
  int Day;
  int Month;
  int Year;
  long SecondOfDay;

  // Hours, minutes and seconds added up as the list's reader adds them.
  double Hours() const { return SecondOfDay / 3600 + SecondOfDay / 60 % 60 / 60.0 + SecondOfDay % 60 / 3600.0; }
};

ListDateTime ListDateTimeOf(double serial);

}  // namespace vellmora
