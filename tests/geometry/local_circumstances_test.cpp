#include "geometry/local_circumstances.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ephem/deltat.h"
#include "ephem/timlib.h"

namespace vellmora {
namespace {

constexpr double HoursOf(int h, int m, int s = 0) { return h + m / 60.0 + s / 3600.0; }

// Julian centuries since J2000 of a universal date and time.
double CenturiesAt(int day, int month, int year, double hours) {
  return (ModifiedJulianDate(day, month, year, hours) - 51544.5) / 36525;
}

constexpr double kMinute = 1.0 / 1440 / 36525;

// Covered fraction of the Sun's disc (radius 1) by the Moon (radius r) at
// magnitude M: the centres are 1 + r - 2M apart; the area of the lens.
double ObscurationFromMagnitude(double magnitude, double r) {
  const double d = 1 + r - 2 * magnitude;
  const double moonPart = r * r * std::acos((d * d + r * r - 1) / (2 * d * r));
  const double sunPart = std::acos((d * d + 1 - r * r) / (2 * d));
  const double kite = 0.5 * std::sqrt((-d + r + 1) * (d + r - 1) * (d - r + 1) * (d + r + 1));
  return (moonPart + sunPart - kite) / M_PI;
}

// The total eclipse of 11 August 1999, catalogue time 11:04.
LocalCircumstancesResult Eclipse1999At(double latitude, double longitudeEast) {
  return LocalCircumstances(InstantTD::FromCalendar(11, 8, 1999, HoursOf(11, 4)), latitude, longitudeEast,
                            DeltaTOfYear(1999));
}

TEST(LocalCircumstances, TotalInsideThePathAtStuttgart) {
  const LocalCircumstancesResult stuttgart = Eclipse1999At(48.78, 9.18);
  ASSERT_EQ(stuttgart.Kind, LocalEclipseKind::Total);
  // Published for Stuttgart: partial phase from about 09:14 to 11:58 UT,
  // totality about 10:33 to 10:35, some 2 min 17 s to 2 min 20 s.
  const auto& c = stuttgart.Contacts;
  EXPECT_NEAR(c[0], CenturiesAt(11, 8, 1999, HoursOf(9, 14)), 2 * kMinute);
  EXPECT_NEAR(c[1], CenturiesAt(11, 8, 1999, HoursOf(10, 33)), 2 * kMinute);
  EXPECT_NEAR(c[3], CenturiesAt(11, 8, 1999, HoursOf(11, 58)), 2 * kMinute);
  EXPECT_NEAR((c[2] - c[1]) / kMinute, 2.3, 0.15);
  EXPECT_LT(c[1], stuttgart.Maximum);
  EXPECT_LT(stuttgart.Maximum, c[2]);
  // The Moon's apparent diameter was 1.029 times the Sun's.
  EXPECT_NEAR(stuttgart.Magnitude, 1.029, 0.005);
  EXPECT_EQ(stuttgart.Obscuration, 1);
}

TEST(LocalCircumstances, LargerDeltaTBringsTheContactsEarlier) {
  // 60 s more Delta-T: the shadow stands at each universal time where it stood 60 s
  // later before, and the Earth under it has turned 0.25 deg less, which puts
  // Stuttgart some 17 km further back along the eastbound path: about 85 s earlier.
  const DeltaTFigures deltaT = DeltaTOfYear(1999);
  const LocalCircumstancesResult plain =
      LocalCircumstances(InstantTD::FromCalendar(11, 8, 1999, HoursOf(11, 4)), 48.78, 9.18, deltaT);
  const LocalCircumstancesResult later =
      LocalCircumstances(InstantTD::FromCalendar(11, 8, 1999, HoursOf(11, 4)), 48.78, 9.18, deltaT.ShiftedBy(60));
  EXPECT_EQ(plain.Contacts, Eclipse1999At(48.78, 9.18).Contacts);
  for (int n = 0; n < 4; ++n) {
    const double seconds = (plain.Contacts[n] - later.Contacts[n]) / kMinute * 60;
    EXPECT_GT(seconds, 75) << "contact " << n + 1;
    EXPECT_LT(seconds, 95) << "contact " << n + 1;
  }
}

TEST(LocalCircumstances, PartialBesideThePathAtBerlin) {
  const LocalCircumstancesResult berlin = Eclipse1999At(52.52, 13.40);
  ASSERT_EQ(berlin.Kind, LocalEclipseKind::Partial);
  // Published for Berlin: maximum about 10:40 UT, 0.88 to 0.89 of the diameter.
  EXPECT_NEAR(berlin.Maximum, CenturiesAt(11, 8, 1999, HoursOf(10, 40)), 2 * kMinute);
  EXPECT_NEAR(berlin.Magnitude, 0.885, 0.02);
  // The covered area follows from the magnitude and the ratio of the discs.
  EXPECT_NEAR(berlin.Obscuration, ObscurationFromMagnitude(berlin.Magnitude, 1.029), 0.005);
  EXPECT_LT(berlin.Contacts[0], berlin.Maximum);
  EXPECT_LT(berlin.Maximum, berlin.Contacts[3]);
}

TEST(LocalCircumstances, FarAwayNothingIsSeen) {
  const double catalogueTime = CenturiesAt(11, 8, 1999, HoursOf(11, 4));
  for (const auto& [latitude, longitude] : {std::pair{-33.92, 18.42}, std::pair{-77.85, 166.67}}) {
    const LocalCircumstancesResult result = Eclipse1999At(latitude, longitude);
    EXPECT_EQ(result.Kind, LocalEclipseKind::NotVisible);
    for (const double contact : result.Contacts) EXPECT_EQ(contact, catalogueTime);
  }
}

TEST(LocalCircumstances, AnnularInsideThePath) {
  // 3 October 2005 in Madrid: annular from about 08:56 to 09:00 UT (4 min
  // 11 s), the Moon 0.95 of the Sun's diameter.
  const LocalCircumstancesResult madrid =
      LocalCircumstances(InstantTD::FromCalendar(3, 10, 2005, HoursOf(10, 32)), 40.42, -3.70, DeltaTOfYear(2005));
  ASSERT_EQ(madrid.Kind, LocalEclipseKind::Annular);
  EXPECT_NEAR(madrid.Contacts[1], CenturiesAt(3, 10, 2005, HoursOf(8, 56)), 2 * kMinute);
  EXPECT_NEAR((madrid.Contacts[2] - madrid.Contacts[1]) / kMinute, 4.18, 0.2);
  EXPECT_NEAR(madrid.Magnitude, 0.95, 0.01);
  EXPECT_NEAR(madrid.Obscuration, madrid.Magnitude * madrid.Magnitude, 1e-12);

  // 15 January 2010 in Male, Maldives: about ten minutes of annularity.
  const LocalCircumstancesResult male =
      LocalCircumstances(InstantTD::FromCalendar(15, 1, 2010, HoursOf(7, 7)), 4.17, 73.51, DeltaTOfYear(2010));
  ASSERT_EQ(male.Kind, LocalEclipseKind::Annular);
  EXPECT_NEAR((male.Contacts[2] - male.Contacts[1]) / kMinute, 10.5, 0.6);
  for (int i = 1; i < 4; ++i) EXPECT_LT(male.Contacts[i - 1], male.Contacts[i]);
}

}  // namespace
}  // namespace vellmora
