#include "geometry/local_details.h"

#include <gtest/gtest.h>

#include <cmath>

#include "catalogue/vsop.h"
#include "ephem/moolib.h"
#include "ephem/sphlib.h"
#include "ephem/sunlib.h"
#include "ephem/timlib.h"
#include "geometry/zone_limits.h"

namespace vellmora {
namespace {

struct Case {
  int Day, Month, Year;
  double Hours;  // catalogue time, UT
  ObservingPlace Place;
};

// Catalogue instants as the eclipse list shows them.
constexpr Case Dallas2024{8, 4, 2024, 18 + 18 / 60.0 + 54 / 3600.0, {32.78, -96.81, -6}};
constexpr Case Chemnitz2026{12, 8, 2026, 17 + 47 / 60.0 + 22 / 3600.0, {50.84, 12.85, 1}};
constexpr Case Stuttgart1999{11, 8, 1999, 11 + 4 / 60.0 + 21 / 3600.0, {48.78, 9.18, 1}};
// Annular, 14 October 2023, at Albuquerque.
constexpr Case Albuquerque2023{14, 10, 2023, 18 + 1 / 60.0 + 4 / 3600.0, {35.08, -106.65, -7}};

LocalDetails DetailsOf(const Case& c) {
  const DeltaTFigures deltaT = DeltaTOfYear(c.Year);
  return ComputeLocalDetails(
      InstantTD::FromCalendar(c.Day, c.Month, c.Year, c.Hours), c.Place, deltaT,
      PathLinesOfZone(ZoneLimits(InstantTD::FromCalendar(c.Day, c.Month, c.Year, c.Hours), deltaT)));
}

double AngleDifference(double a, double b) { return std::remainder(a - b, 360.0); }

// Right ascension and declination (degrees) of a body seen from the observer.
struct Topocentric {
  double RightAscension;
  double Declination;
};

Topocentric SeenFrom(const EquatorialPosition& body, double distanceEarthRadii, const Vector3& site) {
  const Vector3 geocentric = PolarToCartesian(distanceEarthRadii, body.Declination, body.RightAscension);
  const PolarCoordinates p = CartesianToPolar({geocentric.x - site.x, geocentric.y - site.y, geocentric.z - site.z});
  return {p.phi, p.theta};
}

// P and V of an event computed independently: the position angle of the
// Moon's topocentric centre from the Sun's topocentric centre, from their
// right ascensions and declinations out of the full lunar and solar series,
// and the parallactic angle of the Sun from its hour angle.
struct IndependentAngles {
  double PositionAngle;
  double VertexAngle;
  double Separation;  // degrees
};

IndependentAngles Independently(const Case& c, const DeltaTFigures& deltaT, double t, bool awayFromMoon) {
  const double ephemerisTime = t + deltaT.UsedCenturies();
  const SiteCoordinates site = GeocentricSite(c.Place.Latitude);
  const double sidereal = 15 * LocalSiderealTime(MJDFromCenturies(t), -c.Place.LongitudeEast);
  const Vector3 r{site.RhoCosPhi * CosD(sidereal), site.RhoCosPhi * SinD(sidereal), site.RhoSinPhi};
  const EquatorialPosition moonGeo = MoonEquatorialCoordinates(ephemerisTime);
  const EquatorialPosition sunGeo = SunEquatorialCoordinates(ephemerisTime);
  const Topocentric moon = SeenFrom(moonGeo, moonGeo.Distance, r);
  const Topocentric sun = SeenFrom(sunGeo, sunGeo.Distance * 23454.77992, r);

  const double dAlpha = moon.RightAscension - sun.RightAscension;
  double p = ArcTan2D(
      CosD(moon.Declination) * SinD(dAlpha),
      SinD(moon.Declination) * CosD(sun.Declination) - CosD(moon.Declination) * SinD(sun.Declination) * CosD(dAlpha));
  if (awayFromMoon) p += 180;
  const double hourAngle = sidereal - sun.RightAscension;
  const double parallactic = ArcTan2D(
      SinD(hourAngle), TanD(c.Place.Latitude) * CosD(sun.Declination) - SinD(sun.Declination) * CosD(hourAngle));
  const double separation = ArcCosD(SinD(moon.Declination) * SinD(sun.Declination) +
                                    CosD(moon.Declination) * CosD(sun.Declination) * CosD(dAlpha));
  return {p, p - parallactic, separation};
}

bool IsInnerContact(LocalEventKind kind) {
  return kind == LocalEventKind::SecondContact || kind == LocalEventKind::ThirdContact;
}

TEST(LocalDetails, ContactAnglesAgreeWithTopocentricPositionsOfMoonAndSun) {
  for (const Case& c : {Dallas2024, Chemnitz2026, Stuttgart1999, Albuquerque2023}) {
    const LocalDetails details = DetailsOf(c);
    ASSERT_FALSE(details.Events.empty()) << c.Year;
    for (const LocalEvent& event : details.Events) {
      const bool away = IsInnerContact(event.Kind) && details.Kind == LocalEclipseKind::Total;
      const IndependentAngles expected = Independently(c, details.DeltaT, event.Instant, away);
      // The direction of the Moon's centre is only defined well away from the Sun's.
      if (event.Kind == LocalEventKind::Maximum && expected.Separation < 0.05) continue;
      EXPECT_NEAR(AngleDifference(event.Angles.PositionAngle, expected.PositionAngle), 0, 0.2)
          << c.Year << " event " << static_cast<int>(event.Kind);
      EXPECT_NEAR(AngleDifference(event.Angles.VertexAngle, expected.VertexAngle), 0, 0.2)
          << c.Year << " event " << static_cast<int>(event.Kind);
      EXPECT_GE(event.Angles.PositionAngle, 0);
      EXPECT_LT(event.Angles.PositionAngle, 360);
    }
  }
}

TEST(LocalDetails, SunAltitudeAndAzimuthAgreeWithTheCatalogueSun) {
  for (const Case& c : {Dallas2024, Chemnitz2026, Stuttgart1999, Albuquerque2023}) {
    for (const LocalEvent& event : DetailsOf(c).Events) {
      const double serial = MJDFromCenturies(event.Instant) - 15018;  // days since 1899-12-30
      const HorizontalPosition catalogue = SunHorizontalPosition(serial, -c.Place.LongitudeEast, c.Place.Latitude);
      EXPECT_NEAR(event.Sun.Altitude, static_cast<double>(catalogue.Altitude), 0.05) << c.Year;
      // The catalogue counts the azimuth from the south towards the west.
      EXPECT_NEAR(AngleDifference(event.Sun.Azimuth, static_cast<double>(catalogue.Azimuth) + 180), 0, 0.05) << c.Year;
      // Refraction lifts the Sun by about half a degree at the horizon and a few arc minutes higher up.
      const double refraction = event.Sun.ApparentAltitude - event.Sun.Altitude;
      EXPECT_GT(refraction, 0);
      EXPECT_LT(refraction, 0.7);
      EXPECT_EQ(event.SunAboveHorizon, event.Sun.UpperLimbApparentAltitude >= 0);
    }
  }
}

TEST(LocalDetails, TotalityAtDallas) {
  const LocalDetails dallas = DetailsOf(Dallas2024);
  ASSERT_EQ(dallas.Kind, LocalEclipseKind::Total);
  ASSERT_EQ(dallas.Events.size(), 5u);
  const LocalEventKind order[] = {LocalEventKind::FirstContact, LocalEventKind::SecondContact, LocalEventKind::Maximum,
                                  LocalEventKind::ThirdContact, LocalEventKind::FourthContact};
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(dallas.Events[i].Kind, order[i]);
    if (i > 0) {
      EXPECT_LT(dallas.Events[i - 1].Instant, dallas.Events[i].Instant);
    }
    EXPECT_TRUE(dallas.Events[i].SunAboveHorizon);
  }
  // Published for Dallas: totality 18:40:43 to 18:44:34 UT, 3 min 51 s; the
  // program's umbra comes from a slightly larger Moon (about 5 s more).
  ASSERT_TRUE(dallas.CentralDurationSeconds);
  EXPECT_NEAR(*dallas.CentralDurationSeconds, 231 + 5, 5);
  EXPECT_TRUE(dallas.HorizonEvents.empty());
  EXPECT_EQ(dallas.CentralPhaseCertainty, Certainty::Certain);

  // Inside the path: the distances from the central line and from the nearer
  // limit add up to half the path's width.
  ASSERT_TRUE(dallas.Path);
  EXPECT_TRUE(dallas.Path->InsidePath);
  ASSERT_TRUE(dallas.Path->NearerLimit);
  double halfWidth = 0;
  double nearest = 1e9;
  for (const ZoneStep& step : ZoneLimits(InstantTD::FromCalendar(8, 4, 2024, Dallas2024.Hours), dallas.DeltaT)) {
    const double d = GroundDistanceKm(step.Central, {32.78, -96.81});
    if (d < nearest && step.WidthKm) {
      nearest = d;
      halfWidth = *step.WidthKm / 2;
    }
  }
  EXPECT_NEAR(dallas.Path->FromCentralLine.Kilometres + dallas.Path->FromNearerLimitKm, halfWidth, 3);
  // The nearer limit is on the side of the central line where Dallas lies.
  EXPECT_EQ(*dallas.Path->NearerLimit, dallas.Path->FromCentralLine.Side);
}

TEST(LocalDetails, TheSunSetsDuringTheEclipseAtChemnitz) {
  const LocalDetails chemnitz = DetailsOf(Chemnitz2026);
  ASSERT_EQ(chemnitz.Kind, LocalEclipseKind::Partial);
  ASSERT_EQ(chemnitz.Events.size(), 3u);
  EXPECT_TRUE(chemnitz.Events[0].SunAboveHorizon);
  EXPECT_TRUE(chemnitz.Events[1].SunAboveHorizon);
  EXPECT_FALSE(chemnitz.Events[2].SunAboveHorizon);
  EXPECT_NEAR(chemnitz.Events[2].Sun.Altitude, -4.4, 0.3);  // at the fourth contact, about 19:00:34 UT
  ASSERT_EQ(chemnitz.HorizonEvents.size(), 1u);
  const HorizonEvent& sunset = chemnitz.HorizonEvents.front();
  EXPECT_EQ(sunset.Kind, HorizonCrossing::Sunset);
  EXPECT_GT(sunset.Instant, chemnitz.Events[1].Instant);
  EXPECT_LT(sunset.Instant, chemnitz.Events[2].Instant);
  // At sunset the refracted upper limb touches the horizon: the centre stands
  // 34' of refraction and 16' of semi-diameter below it, also for the catalogue's Sun.
  const double serial = MJDFromCenturies(sunset.Instant) - 15018;
  EXPECT_NEAR(static_cast<double>(SunHorizontalPosition(serial, -12.85, 50.84).Altitude), -50.0 / 60, 0.05);
  EXPECT_GT(sunset.Magnitude, 0);
  EXPECT_LT(sunset.Magnitude, chemnitz.Magnitude);
  EXPECT_FALSE(chemnitz.CentralDurationSeconds);
  EXPECT_EQ(chemnitz.CentralPhaseCertainty, Certainty::Excluded);
  EXPECT_EQ(chemnitz.ZoneOffsetHours, 1);
}

TEST(LocalDetails, TheSunRisesDuringTheEclipseAtHalifax) {
  const LocalDetails halifax = DetailsOf({11, 8, 1999, Stuttgart1999.Hours, {44.65, -63.57, -4}});
  ASSERT_EQ(halifax.Kind, LocalEclipseKind::Partial);
  ASSERT_EQ(halifax.Events.size(), 3u);
  EXPECT_FALSE(halifax.Events.front().SunAboveHorizon);
  EXPECT_TRUE(halifax.Events.back().SunAboveHorizon);
  ASSERT_EQ(halifax.HorizonEvents.size(), 1u);
  EXPECT_EQ(halifax.HorizonEvents.front().Kind, HorizonCrossing::Sunrise);
  EXPECT_GT(halifax.HorizonEvents.front().Instant, halifax.Events.front().Instant);
  EXPECT_LT(halifax.HorizonEvents.front().Instant, halifax.Events.back().Instant);
}

TEST(LocalDetails, DeltaTPartsAndTheShiftsOfTheContacts) {
  for (const Case& c : {Dallas2024, Stuttgart1999}) {
    const LocalDetails details = DetailsOf(c);
    const DeltaTFigures& deltaT = details.DeltaT;
    EXPECT_NEAR(deltaT.UsedSeconds(), deltaT.DataSeconds + deltaT.EphemerisLagSeconds, 1e-6);
    EXPECT_GT(deltaT.UncertaintySeconds, 0);
    // A larger Delta-T brings the shadow earlier in universal time; the
    // Earth's own turn under it changes the amount, not the direction.
    for (const LocalEvent& event : details.Events) {
      if (event.Kind != LocalEventKind::FirstContact && event.Kind != LocalEventKind::FourthContact) continue;
      ASSERT_TRUE(event.ShiftForLargerDeltaT && event.ShiftForSmallerDeltaT);
      EXPECT_LT(*event.ShiftForLargerDeltaT, -0.3 * deltaT.UncertaintySeconds);
      EXPECT_GT(*event.ShiftForLargerDeltaT, -4 * deltaT.UncertaintySeconds);
      EXPECT_NEAR(*event.ShiftForSmallerDeltaT, -*event.ShiftForLargerDeltaT, 0.1 * deltaT.UncertaintySeconds + 0.01);
    }
  }
}

TEST(LocalDetails, NothingSeenFarFromThePath) {
  const LocalDetails sydney = DetailsOf({11, 8, 1999, Stuttgart1999.Hours, {-33.87, 151.21, 10}});
  EXPECT_EQ(sydney.Kind, LocalEclipseKind::NotVisible);
  EXPECT_TRUE(sydney.Events.empty());
  EXPECT_TRUE(sydney.HorizonEvents.empty());
  EXPECT_EQ(sydney.CentralPhaseProbability, 0);
  ASSERT_TRUE(sydney.Path);
  EXPECT_GT(sydney.Path->FromCentralLine.Kilometres, 5000);
  EXPECT_FALSE(sydney.Path->InsidePath);
}

}  // namespace
}  // namespace vellmora
