#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/memory/memory_window.h"
#include "app/resources/resources.h"
#include "catalogue/moon.h"
#include "tests/support/cli_run.h"

// Every failure the user can meet ends in a message: the window's error report
// for the date, calendar and resource errors, and a usage message with exit
// status 2 for vellmora-cli without a known command (each command's own usage
// errors are tested next to its other tests in tests/cli).

namespace vellmora {
namespace {

using Arguments = std::vector<std::string>;

TEST(WindowErrorReport, ShowsTheMessageOfAFailedHandlerAndTheWindowGoesOn) {
  MemoryWindow window(CivilDate{2026, 12, 8});
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

TEST(CliUsageErrors, WithoutAKnownCommandTheUsageListsEveryCommand) {
  for (const Arguments& args : {Arguments{}, Arguments{"List", "2000", "2001"}, Arguments{"--list"}}) {
    const CliResult run = RunCliWith(args);
    EXPECT_EQ(run.Status, 2);
    for (const char* command :
         {"  list ", "  show ", "  search ", "  map ", "  central ", "  local ", "  sun ", "  places "}) {
      EXPECT_NE(run.Err.find(command), std::string::npos) << command;
    }
  }
}

}  // namespace
}  // namespace vellmora
