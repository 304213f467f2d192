#include "civil/civil_clock.h"

#include <date/tz.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>
#include <unicode/tznames.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <stdexcept>

#include "ephem/timlib.h"

// The offsets come from the system's tz database through the date library,
// which reads the binary zone files up to their last listed transition. The
// files list the transitions of yearly rules as far as a 32-bit count of
// seconds reaches (January 2038), or further where they do not repeat yearly
// before; the rules go on after that. For a later
// instant of a zone whose transitions still come yearly then, the clock is
// taken from the latest year of the database whose month begins on the same
// weekday (and, for February, is as long): yearly rules of summer time name
// weekdays of months, so that month of that year has the same transitions at
// the same times of day. A zone whose last transition comes earlier keeps its
// last offset, as the database says.

namespace vellmora {
namespace {

using date::sys_seconds;

constexpr double kMJDOfUnixEpoch = 40587;
constexpr int kYearsSearchedForTheSameMonth = 14;
constexpr int kDaysOfAShortYear = 363;  // a transition on a weekday of a month or on
constexpr int kDaysOfALongYear = 371;   // a fixed date comes again 364 to 371 days later
constexpr sys_seconds kEndOf32BitTime{std::chrono::seconds{std::numeric_limits<std::int32_t>::max()}};

sys_seconds SecondsOf(double t) {
  const double seconds = std::floor((MJDFromCenturies(t) - kMJDOfUnixEpoch) * kSecondsPerDay + 0.5);
  return sys_seconds{std::chrono::seconds{static_cast<long long>(seconds)}};
}

const date::time_zone& ZoneNamed(std::string_view zone) {
  try {
    return *date::locate_zone(zone);
  } catch (const std::runtime_error&) {
    throw std::runtime_error("unknown time zone \"" + std::string(zone) + "\"");
  }
}

date::year_month_day DayOf(sys_seconds instant) { return date::year_month_day{date::floor<date::days>(instant)}; }

bool MonthsAlike(date::year_month_day a, date::year_month_day b) {
  const date::weekday first{date::sys_days{a.year() / a.month() / 1}};
  const date::weekday otherFirst{date::sys_days{b.year() / a.month() / 1}};
  return first == otherFirst && (a.month() != date::February || a.year().is_leap() == b.year().is_leap());
}

// The clock after the last transition of the database: for a zone whose
// transitions still repeat yearly at the end of the listed ones, the same
// instant of the month in the latest alike year of the database.
date::sys_info InfoBeyondData(const date::time_zone& zone, sys_seconds instant, const date::sys_info& last) {
  // The same transition a year earlier: 364 or 371 days for a weekday of a
  // month, 365 or 366 for a fixed date (not so for a lunar calendar's).
  const date::sys_info yearBefore = zone.get_info(last.begin - date::days{kDaysOfAShortYear});
  const bool yearly =
      last.begin > kEndOf32BitTime - date::years{1} && last.begin - yearBefore.begin <= date::days{kDaysOfALongYear};
  const date::year_month_day day = DayOf(instant);
  const date::year lastYear = DayOf(last.begin).year();
  if (!yearly || day.year() <= lastYear) return last;
  for (int back = 0; back < kYearsSearchedForTheSameMonth; ++back) {
    const date::year_month_day alike{lastYear - date::years{back}, day.month(), date::day{1}};
    if (!MonthsAlike(day, alike)) continue;
    const date::sys_days monthStart{day.year() / day.month() / 1};
    return zone.get_info(instant - (monthStart - date::sys_days{alike}));
  }
  return last;
}

std::string Utf8(const icu::UnicodeString& text) {
  std::string bytes;
  text.toUTF8String(bytes);
  return bytes;
}

// ICU's German short name of the zone at the instant, when ICU's own rules
// give the zone the same offset then (its data may be older than the system's).
std::string GermanShortName(std::string_view zoneName, double t, long offsetSeconds, bool summerTime) {
  // A list of eclipses asks for one zone many times: each thread keeps ICU's
  // zone and its German names from call to call.
  struct IcuZone {
    std::string Name;
    icu::UnicodeString Id;
    std::unique_ptr<icu::TimeZone> Zone;
    std::unique_ptr<icu::TimeZoneNames> Names;
  };
  thread_local IcuZone cached;
  UErrorCode status = U_ZERO_ERROR;
  if (!cached.Zone || cached.Name != zoneName) {
    cached.Name = zoneName;
    cached.Id = icu::UnicodeString::fromUTF8(icu::StringPiece(zoneName.data(), static_cast<int32_t>(zoneName.size())));
    cached.Zone.reset(icu::TimeZone::createTimeZone(cached.Id));
  }
  const UDate millis = static_cast<double>(SecondsOf(t).time_since_epoch().count()) * 1000;
  int32_t raw = 0;
  int32_t dst = 0;
  cached.Zone->getOffset(millis, false, raw, dst, status);
  if (U_FAILURE(status) || raw + dst != offsetSeconds * 1000) return {};
  if (!cached.Names) cached.Names.reset(icu::TimeZoneNames::createInstance(icu::Locale::getGermany(), status));
  if (U_FAILURE(status) || !cached.Names) return {};
  icu::UnicodeString name;
  cached.Names->getDisplayName(cached.Id, summerTime ? UTZNM_SHORT_DAYLIGHT : UTZNM_SHORT_STANDARD, millis, name);
  return Utf8(name);
}

}  // namespace

void PrepareCivilClock(std::string_view zone) {
  try {
    CivilClockAt(zone, 0);
  } catch (const std::exception&) {
    // The first use of the zone meets the same failure and reports it.
  }
}

bool IsKnownTimeZone(std::string_view zone) {
  try {
    date::locate_zone(zone);
    return true;
  } catch (const std::runtime_error&) {
    return false;
  }
}

CivilClock CivilClockAt(std::string_view zoneName, double t) {
  const date::time_zone& zone = ZoneNamed(zoneName);
  const sys_seconds instant = SecondsOf(t);
  date::sys_info info = zone.get_info(instant);
  // The last period of the database lasts to the end of the library's calendar.
  if (info.end >= date::sys_days{date::year::max() / date::January / 1}) info = InfoBeyondData(zone, instant, info);
  CivilClock clock;
  clock.OffsetSeconds = static_cast<long>(info.offset.count());
  clock.SummerTime = info.save != std::chrono::minutes{0};
  clock.LocalMeanTime = info.abbrev == "LMT";
  if (!clock.LocalMeanTime) clock.GermanName = GermanShortName(zoneName, t, clock.OffsetSeconds, clock.SummerTime);
  return clock;
}

}  // namespace vellmora
