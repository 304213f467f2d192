#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/resources/resources.h"
#include "tests/support/resources_text_files.h"

namespace vellmora {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitLines, EndsLinesAtCrAtLfAndAtCrLf) {
  EXPECT_EQ(SplitLines("a\r\nb\r\n"), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines("a\nb\rc"), (Lines{"a", "b", "c"}));
  EXPECT_EQ(SplitLines("a\r\rb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitLines("a\n\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitLines("a\n\rb"), (Lines{"a", "", "b"}));  // LF CR is two line ends
  EXPECT_EQ(SplitLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitLines("\r\nb"), (Lines{"", "b"}));
  // A line end at the very end starts no further line.
  EXPECT_EQ(SplitLines("a\r"), (Lines{"a"}));
  EXPECT_EQ(SplitLines("a\r\n\r\n"), (Lines{"a", ""}));
  EXPECT_EQ(SplitLines("\r\n"), (Lines{""}));
  EXPECT_EQ(SplitLines(""), (Lines{}));
  EXPECT_EQ(SplitLines("ohne Zeilenende"), (Lines{"ohne Zeilenende"}));
}

TEST(SplitLines, IgnoresTextAfterNul) {
  using namespace std::string_literals;
  EXPECT_EQ(SplitLines("a\r\nb\0c\r\nd"s), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines("\0a\r\n"s), (Lines{}));
  EXPECT_EQ(SplitLines("a\r\0\nb"s), (Lines{"a"}));
}

TEST(EmbeddedResources, SplitIntoTheLinesOfTheirFiles) {
  for (const char* name : {"erde2", "mort", "mort1"}) {
    SCOPED_TRACE(name);
    const std::string file = ReadDataFile(std::string(name) + ".txt");
    // Every line of the files ends in CR LF, so the CR LF pairs count the lines.
    std::size_t lineEnds = 0;
    for (std::size_t at = file.find("\r\n"); at != std::string::npos; at = file.find("\r\n", at + 2)) ++lineEnds;
    const Lines lines = LoadResourceLines(name);
    ASSERT_EQ(lines.size(), lineEnds);
    std::string joined;
    for (const std::string& line : lines) {
      EXPECT_FALSE(line.empty());
      joined += line + "\r\n";
    }
    EXPECT_EQ(joined, file);
  }
}

// One line by its index, and the index of a line, read while the resource
// inflates, agree with the split lines, across the chunks of inflating.
TEST(EmbeddedResources, GiveOneLineAndTheIndexOfALine) {
  for (const char* name : {"mort", "mort1", "zones"}) {
    SCOPED_TRACE(name);
    const Lines lines = LoadResourceLines(name);
    for (std::size_t index = 0; index < lines.size(); index += 97) {
      EXPECT_EQ(ResourceLine(name, index), lines[index]);
      const std::optional<std::size_t> found = ResourceLineIndex(name, lines[index]);
      ASSERT_TRUE(found.has_value());
      EXPECT_EQ(lines[*found], lines[index]);
      EXPECT_LE(*found, index);
    }
    EXPECT_EQ(ResourceLine(name, lines.size() - 1), lines.back());
    EXPECT_EQ(ResourceLine(name, lines.size()), std::nullopt);
  }
  EXPECT_EQ(ResourceLineIndex("mort1", "Nirgendwo"), std::nullopt);
}

}  // namespace
}  // namespace vellmora
