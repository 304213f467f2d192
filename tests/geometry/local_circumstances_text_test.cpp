#include "geometry/local_circumstances_text.h"

#include <gtest/gtest.h>

namespace vellmora {
namespace {

// Julian centuries since J2000 of a universal time on 1 January 2000
// (MJD 51544 at 0 h), or `days` later.
double CenturiesAt(double hours, double minutes, double seconds, double days = 0) {
  const double mjd = 51544 + days + (hours + minutes / 60 + seconds / 3600) / 24;
  return (mjd - 51544.5) / 36525;
}

TEST(LocalCircumstancesText, KindLines) {
  EXPECT_EQ(FormatKindLine(LocalEclipseKind::NotVisible, 0.3, 0.2), "Am Beobachtungsort nicht zu sehen");
  EXPECT_EQ(FormatKindLine(LocalEclipseKind::Partial, 0.5, 0.25), "Partielle Finsternis mit M=0.5 (0.25)");
  EXPECT_EQ(FormatKindLine(LocalEclipseKind::Partial, 0.87649, 0.8349), "Partielle Finsternis mit M=0.876 (0.83)");
  EXPECT_EQ(FormatKindLine(LocalEclipseKind::Annular, 0.9576, 0.917), "Ringfoermige Finsternis mit M=0.958 (0.92)");
  EXPECT_EQ(FormatKindLine(LocalEclipseKind::Total, 1.0291, 1), "Totale Finsternis mit M=1.029");
}

TEST(LocalCircumstancesText, MaximumLineHasBlankPaddedFields) {
  EXPECT_EQ(FormatMaximumLine(CenturiesAt(9, 5, 7)), "Maximum um  9: 5: 7 UT");
  EXPECT_EQ(FormatMaximumLine(CenturiesAt(10, 34, 52.4)), "Maximum um 10:34:52 UT");
  // Seconds rounding to 60 carry into the minutes, 60 minutes into the hours.
  EXPECT_EQ(FormatMaximumLine(CenturiesAt(9, 5, 59.6)), "Maximum um  9: 6: 0 UT");
  EXPECT_EQ(FormatMaximumLine(CenturiesAt(9, 59, 59.7)), "Maximum um 10: 0: 0 UT");
}

TEST(LocalCircumstancesText, ContactLineCarriesDateAndTime) {
  // 11 August 1999 is MJD 51401, 143 days before MJD 51544.
  EXPECT_EQ(FormatContactLine(1, CenturiesAt(9, 14, 3, -143)), "1. Kontakt: 11. 8.1999   9: 14:  3 UT");
  EXPECT_EQ(FormatContactLine(3, CenturiesAt(10, 35, 59.7, -143)), "3. Kontakt: 11. 8.1999  10: 36:  0 UT");
  EXPECT_EQ(FormatContactLine(4, CenturiesAt(23, 7, 0, 0)), "4. Kontakt:  1. 1.2000  23:  7:  0 UT");
}

}  // namespace
}  // namespace vellmora
