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

// One line by its index, and the index of a line, agree with the split lines.
TEST(EmbeddedResources, GiveOneLineAndTheIndexOfALine) {
  const Lines names = LoadResourceLines("mort1");
  for (const std::size_t index : {std::size_t{0}, names.size() / 2, names.size() - 1}) {
    EXPECT_EQ(ResourceLine("mort1", index), names[index]);
    EXPECT_EQ(ResourceLineIndex("mort1", names[index]), index);
  }
  EXPECT_EQ(ResourceLine("mort1", names.size()), std::nullopt);
  EXPECT_EQ(ResourceLineIndex("mort1", "Nirgendwo"), std::nullopt);
}

}  // namespace
}  // namespace vellmora
