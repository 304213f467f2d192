#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <sstream>
#include <string>
#include <vector>

#include "app/globe_projection.h"
#include "cli/command_map.h"

namespace vellmora {
namespace {

struct CommandRun {
  int Status;
  std::string Out;
  std::string Err;
};

CommandRun RunMap(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunMapCommand(args, out, err);
  return CommandRun{status, out.str(), err.str()};
}

QImage PaintedPng(const QTemporaryDir& dir, const std::string& name, std::vector<std::string> centre) {
  const std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
  std::vector<std::string> args = {"--png", path};
  args.insert(args.end(), centre.begin(), centre.end());
  const CommandRun run = RunMap(args);
  EXPECT_EQ(run.Status, 0) << run.Err;
  return QImage(QString::fromStdString(path));
}

TEST(MapCommand, BadArgumentsGiveAMessageAndStatusTwo) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string png = dir.filePath("bad.png").toStdString();
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"--png"},
      {"--centre", "10,20"},
      {"--png", png, "--centre", "abc"},
      {"--png", png, "--centre", "10"},
      {"--png", png, "--centre", "10,x"},
      {"--png", png, "--centre", "10.5,20"},
      {"--png", png, "--zoom", "2"},
  };
  for (const std::vector<std::string>& args : cases) {
    const CommandRun run = RunMap(args);
    EXPECT_EQ(run.Status, 2) << args.size() << " arguments";
    EXPECT_NE(run.Err.find("usage: vellmora-cli map --png FILE"), std::string::npos) << run.Err;
    EXPECT_TRUE(run.Out.empty());
  }
  EXPECT_FALSE(QFile::exists(QString::fromStdString(png)));

  const CommandRun unwritable = RunMap({"--png", dir.filePath("missing/folder/map.png").toStdString()});
  EXPECT_EQ(unwritable.Status, 1);
  EXPECT_FALSE(unwritable.Err.empty());
}

TEST(MapCommand, WritesTheStartupGlobe) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QImage image = PaintedPng(dir, "startup.png", {});
  ASSERT_EQ(image.width(), 711);
  ASSERT_EQ(image.height(), 682);
  EXPECT_EQ(image.pixel(14, 340) & 0xFFFFFF, 0x000000u) << "disc outline";
  EXPECT_EQ(image.pixel(5, 5) & 0xFFFFFF, 0xFFFFFFu) << "outside the disc";

  // Chemnitz, D at 50.836667 N 12.854444 E is on the near side of the start-up globe.
  const DiscPoint chemnitz = ProjectToDisc(MakeGlobeView(0, 180, 711, 682), 50.836667, 12.854444);
  EXPECT_EQ(image.pixel(chemnitz.X, chemnitz.Y) & 0xFFFFFF, 0x008000u);

  int coastlinePixels = 0;
  int pathPixels = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb colour = image.pixel(x, y) & 0xFFFFFF;
      coastlinePixels += colour == 0x0000FF ? 1 : 0;
      pathPixels += colour == 0xFFFF00 ? 1 : 0;
    }
  }
  EXPECT_GT(coastlinePixels, 5000);
  EXPECT_EQ(pathPixels, 0) << "no eclipse chosen at start-up";
}

TEST(MapCommand, CentreIsClampedToTheSpinFieldRanges) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QImage startup = PaintedPng(dir, "startup.png", {});
  const QImage explicitStartup = PaintedPng(dir, "explicit.png", {"--centre", "0,180"});
  EXPECT_EQ(startup, explicitStartup);

  const QImage beyondNorth = PaintedPng(dir, "beyond.png", {"--centre", "95,400"});
  const QImage north = PaintedPng(dir, "north.png", {"--centre", "90,360"});
  EXPECT_EQ(beyondNorth, north);
  EXPECT_NE(north, startup);

  const QImage beyondSouth = PaintedPng(dir, "south-beyond.png", {"--centre", "-100,-5"});
  const QImage south = PaintedPng(dir, "south.png", {"--centre", "-90,0"});
  EXPECT_EQ(beyondSouth, south);
  EXPECT_NE(south, north);
}

}  // namespace
}  // namespace vellmora
