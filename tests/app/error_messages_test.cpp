#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/resources.h"
#include "catalogue/moon.h"
#include "cli/memory_window.h"
#include "tests/support/cli_run.h"

// Every failure the user can meet ends in a message: the window's error report
// for the date, calendar and resource errors, and a usage message with exit
// status 2 for every command of vellmora-cli given wrong arguments (list, map,
// central, local, sun and places have theirs next to their other tests in tests/cli).

namespace vellmora {
namespace {

using Arguments = std::vector<std::string>;

TEST(WindowErrorReport, ShowsTheMessageOfAFailedHandlerAndTheWindowGoesOn) {
  MemoryWindow window(LocalDate{2026, 12, 8});
  ASSERT_TRUE(window.Errors.Messages().empty());

  // 29 February 2023 is no calendar day; the instant of a row is converted this way.
  window.Form.Dispatch([] { InstantToDateSerial(2023, 2, 29, 12.0); });
  // A zlib header followed by bytes that are no deflate data.
  window.Form.Dispatch([] { InflateBytes(std::string("\x78\xDA\xFF\xFF\xFF\xFF", 6)); });
  // A last year below 1 cannot be encoded as a date.
  window.E1.SetText("2000");
  window.E2.SetText("-1");
  window.D1.Click();
  EXPECT_EQ(window.Errors.Messages(), (Arguments{"Fehler!", "error", "Invalid argument to date encode"}));

  // The window still works after the reports.
  window.E1.SetText("1999");
  window.E2.SetText("2000");
  window.D1.Click();
  EXPECT_EQ(window.Errors.Messages().size(), 3U);
  EXPECT_EQ(window.LB1.Count(), 2);  // 16 February and 11 August 1999
}

void ExpectUsageError(const Arguments& args, const std::string& message) {
  SCOPED_TRACE(testing::PrintToString(args));
  const CliResult run = RunCliWith(args);
  EXPECT_EQ(run.Status, 2);
  EXPECT_EQ(run.Out, "");
  EXPECT_NE(run.Err.find(message), std::string::npos) << run.Err;
}

TEST(CliUsageErrors, ShowAndSearchRefuseWrongDatesAndPlaceOptions) {
  for (const std::string command : {"show", "search"}) {
    const std::string usage = "usage: vellmora-cli " + command + " DD.MM.YYYY";
    ExpectUsageError({command}, usage);
    ExpectUsageError({command, "2024-04-08"}, "expected a date DD.MM.YYYY that exists, got \"2024-04-08\"");
    ExpectUsageError({command, "30.02.2024"}, "expected a date DD.MM.YYYY that exists");
    ExpectUsageError({command, "29.02.1900"}, "expected a date DD.MM.YYYY that exists");
    ExpectUsageError({command, "08.04.2024", "--place"}, "--place needs a value");
    ExpectUsageError({command, "08.04.2024", "--lat", "50"}, "--lat and --lon go together");
    ExpectUsageError({command, "08.04.2024", "--lat", "90.5", "--lon", "0"}, "--lat needs a number from -90 to 90");
    ExpectUsageError({command, "08.04.2024", "--lat", "10", "--lon", "east"}, "--lon needs a number from -180 to 180");
    ExpectUsageError({command, "08.04.2024", "--place", "Chemnitz, D", "--lat", "1", "--lon", "2"},
                     "choose either --place or --lat/--lon");
    ExpectUsageError({command, "08.04.2024", "extra"}, "unexpected argument \"extra\"");
    ExpectUsageError({command, "08.04.2024", "--place", "Atlantis"}, "no place is called \"Atlantis\"");
  }
}

TEST(CliUsageErrors, WithoutAKnownCommandTheUsageListsEveryCommand) {
  for (const Arguments& args : {Arguments{}, Arguments{"help"}, Arguments{"List", "2000", "2001"}}) {
    const CliResult run = RunCliWith(args);
    EXPECT_EQ(run.Status, 2);
    for (const char* command :
         {"  list ", "  show ", "  search ", "  map ", "  central ", "  local ", "  sun ", "  places "}) {
      EXPECT_NE(run.Err.find(command), std::string::npos) << command;
    }
  }
}

TEST(CliFailures, AnEclipseThatIsNotThereFailsWithStatusOne) {
  const CliResult run = RunCliWith({"show", "01.01.2024"});
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Out, "");
  EXPECT_EQ(run.Err, "no annular, annular-total or total eclipse on 01.01.2024\n");
}

}  // namespace
}  // namespace vellmora
