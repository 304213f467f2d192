#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "tests/support/cli_run.h"

namespace vellmora {
namespace {

// 8 April 2024 against the canon's elements (t0 = 18 h TD): x0, y0, d0, mu0,
// l10 and l20 with their limits (l2 after the lunar radius's 0.00023), and
// the rates of x and y. The JSON has exactly the keys it promises.
TEST(ElementsCommand, TheJsonOf2024AgreesWithTheCanon) {
  const CliResult run = RunCliWith({"elements", "08.04.2024", "--json"});
  ASSERT_EQ(run.Status, 0) << run.Err;
  const nlohmann::json json = nlohmann::json::parse(run.Out);
  std::vector<std::string> keys;
  for (const auto& [key, value] : json.items()) keys.push_back(key);
  EXPECT_EQ(keys, (std::vector<std::string>{"d_deg", "delta_t_s", "l1", "l2", "mu_deg", "t0_td_hours", "tan_f1",
                                            "tan_f2", "x", "y"}));
  EXPECT_EQ(json["t0_td_hours"], 18.0);
  struct Published {
    const char* Key;
    std::size_t Power;
    double Value;
    double Limit;
  };
  for (const Published& p :
       {Published{"x", 0, -0.318244, 0.002}, Published{"x", 1, 0.5117116, 0.0005}, Published{"y", 0, 0.219764, 0.002},
        Published{"y", 1, 0.2709589, 0.0005}, Published{"d_deg", 0, 7.5862002, 0.003},
        Published{"mu_deg", 0, 89.591217, 0.01}, Published{"mu_deg", 1, 15.00408, 0.0005},
        Published{"l1", 0, 0.535814, 0.0002}, Published{"l2", 0, -0.010272 - 0.00023, 0.0003}}) {
    EXPECT_NEAR(json[p.Key][p.Power].get<double>(), p.Value, p.Limit) << p.Key << p.Power;
  }
  EXPECT_EQ(json["x"].size(), 4u);
  EXPECT_EQ(json["l2"].size(), 3u);
  EXPECT_NEAR(json["tan_f1"].get<double>(), 0.0046683, 1e-6);
}

// A partial eclipse's date is valid; a day without an eclipse and a day that
// does not exist are not.
TEST(ElementsCommand, PartialEclipsesTooButOnlyOnTheirDay) {
  const CliResult partial = RunCliWith({"elements", "25.10.2022"});
  EXPECT_EQ(partial.Status, 0) << partial.Err;
  EXPECT_EQ(partial.Out.rfind("t0 = 11.0 h TD", 0), 0u) << partial.Out;
  EXPECT_EQ(RunCliWith({"elements", "26.10.2022"}).Err, "no solar eclipse on 26.10.2022\n");
  EXPECT_EQ(RunCliWith({"elements", "30.02.2022"}).Status, 2);
  EXPECT_EQ(RunCliWith({"elements", "08.04.2024", "--xml"}).Status, 2);
}

}  // namespace
}  // namespace vellmora
