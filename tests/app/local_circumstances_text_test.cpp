#include "app/texts/local_circumstances_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "geometry/local_circumstances.h"
#include "geometry/local_phase.h"

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

TEST(LocalCircumstancesLines, FollowTheKindOfTheResult) {
  // 11 August 1999, catalogue time 11:04: total at Stuttgart, partial at Berlin, not seen at Cape Town.
  const double catalogueHours = 11 + 4 / 60.0;
  const LocalCircumstancesResult stuttgart =
      LocalCircumstances(InstantTD::FromCalendar(11, 8, 1999, catalogueHours), 48.78, 9.18, DeltaTOfYear(1999));
  const std::vector<std::string> total = LocalCircumstancesLines(stuttgart);
  ASSERT_EQ(total.size(), 6u);
  EXPECT_EQ(total[0], FormatKindLine(LocalEclipseKind::Total, stuttgart.Magnitude, 1));
  EXPECT_EQ(total[0].rfind("Totale Finsternis mit M=1.0", 0), 0u);
  EXPECT_EQ(total[0].find('('), std::string::npos);
  EXPECT_EQ(total[1], FormatMaximumLine(stuttgart.Maximum));
  for (int n = 1; n <= 4; ++n) EXPECT_EQ(total[1 + n], FormatContactLine(n, stuttgart.Contacts[n - 1]));
  EXPECT_EQ(total[2].rfind("1. Kontakt: 11. 8.1999   9: ", 0), 0u);

  const LocalCircumstancesResult berlin =
      LocalCircumstances(InstantTD::FromCalendar(11, 8, 1999, catalogueHours), 52.52, 13.40, DeltaTOfYear(1999));
  const std::vector<std::string> partial = LocalCircumstancesLines(berlin);
  ASSERT_EQ(partial.size(), 4u);
  EXPECT_EQ(partial[0], FormatKindLine(LocalEclipseKind::Partial, berlin.Magnitude, berlin.Obscuration));
  EXPECT_EQ(partial[0].rfind("Partielle Finsternis mit M=0.", 0), 0u);
  EXPECT_EQ(partial[1], FormatMaximumLine(berlin.Maximum));
  EXPECT_EQ(partial[2], FormatContactLine(1, berlin.Contacts[0]));
  EXPECT_EQ(partial[3], FormatContactLine(4, berlin.Contacts[3]));

  EXPECT_EQ(LocalCircumstancesLines(LocalCircumstances(InstantTD::FromCalendar(11, 8, 1999, catalogueHours), -33.92,
                                                       18.42, DeltaTOfYear(1999))),
            std::vector<std::string>{"Am Beobachtungsort nicht zu sehen"});

  // 3 October 2005 in Madrid: annular, with all four contacts.
  const LocalCircumstancesResult madrid =
      LocalCircumstances(InstantTD::FromCalendar(3, 10, 2005, 10 + 32 / 60.0), 40.42, -3.70, DeltaTOfYear(2005));
  const std::vector<std::string> annular = LocalCircumstancesLines(madrid);
  ASSERT_EQ(annular.size(), 6u);
  EXPECT_EQ(annular[0].rfind("Ringfoermige Finsternis mit M=0.9", 0), 0u);
  EXPECT_EQ(annular[0], FormatKindLine(LocalEclipseKind::Annular, madrid.Magnitude, madrid.Obscuration));
  EXPECT_EQ(annular[3].rfind("2. Kontakt:  3.10.2005   8: ", 0), 0u);
}

TEST(LocalCircumstancesLines, GrazingContactReadsZeroWithoutASign) {
  // The observer on or a hair outside the penumbra's edge: magnitude and obscuration round to 0.
  const double l1 = 0.55;
  for (const double m : {l1, l1 + 1e-12, l1 + 1e-9}) {
    const LocalPhase phase = PhaseAtMaximum(m, l1, 0.01);
    EXPECT_EQ(FormatKindLine(phase.Kind, phase.Magnitude, phase.Obscuration), "Partielle Finsternis mit M=0 (0)") << m;
  }
}

}  // namespace
}  // namespace vellmora
