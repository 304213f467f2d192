#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>
#include <string>
#include <vector>

#include "app/memory/memory_window.h"
#include "cli/map_renderer_loader.h"
#include "tests/support/cli_run.h"

namespace vellmora {
namespace {

const QColor kYellow(255, 255, 0);
const QColor kLime(0, 255, 0);
const QColor kObserverGreen(0, 128, 0);

class MapCommand : public testing::Test {
 protected:
  std::string PngPath(const char* name) const { return dir_.filePath(name).toStdString(); }

  // Runs `map ARGS --png FILE` and reads the picture back.
  QImage Map(std::vector<std::string> args, const char* name = "map.png") {
    const std::string path = PngPath(name);
    args.insert(args.begin(), "map");
    args.push_back("--png");
    args.push_back(path);
    const CliResult result = RunCliWith(args);
    EXPECT_EQ(result.Status, 0) << result.Err;
    EXPECT_EQ(result.Out, path + "\n");
    EXPECT_EQ(result.Err, "");
    return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
  }

 private:
  QTemporaryDir dir_;
};

int CountPixels(const QImage& image, const QColor& colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == colour ? 1 : 0;
  }
  return count;
}

// The orthographic projection worked out by hand for the 711 x 682 box:
// radius 341, centre (355, 341), view centre latitude T1 and longitude T2 - 180.
QPoint Pixel(double latitude, double longitude, int t1, int t2) {
  constexpr double kDegree = M_PI / 180;
  const double phi = latitude * kDegree;
  const double phiC = t1 * kDegree;
  const double dLambda = (longitude - (t2 - 180)) * kDegree;
  const double x = 341 * std::cos(phi) * std::sin(dLambda);
  const double y = -341 * (std::cos(phiC) * std::sin(phi) - std::sin(phiC) * std::cos(phi) * std::cos(dLambda));
  return {355 + static_cast<int>(std::nearbyint(x)), 341 + static_cast<int>(std::nearbyint(y))};
}

constexpr double kChemnitzLatitude = 50.836667;
constexpr double kChemnitzLongitude = 12.854444;

TEST_F(MapCommand, WithoutADateWritesTheStartUpGlobe) {
  const QImage map = Map({});
  ASSERT_EQ(map.size(), QSize(711, 682));
  EXPECT_EQ(map.pixelColor(14, 340), QColor(Qt::black)) << "disc outline";
  EXPECT_EQ(map.pixelColor(5, 5), QColor(Qt::white)) << "outside the disc";
  EXPECT_GT(CountPixels(map, QColor(0, 0, 255)), 5000) << "coastlines";
  EXPECT_EQ(map.pixelColor(Pixel(kChemnitzLatitude, kChemnitzLongitude, 0, 180)), kObserverGreen);
  EXPECT_EQ(map.pixelColor(Pixel(0, 0, 0, 180)), QColor(216, 216, 216)) << "graticule at 0 N 0 E";
  EXPECT_EQ(CountPixels(map, kYellow), 0);
  EXPECT_EQ(CountPixels(map, kLime), 0);

  // The window's own first paint.
  std::string error;
  MemoryWindow window({2026, 12, 8}, LoadMapRenderer(error));
  window.Form.PB3P();
  const QImage painted = QImage::fromData(QByteArray::fromStdString(window.PB3.Shown().PngBytes()), "PNG");
  EXPECT_EQ(map, painted.convertToFormat(QImage::Format_RGB32)) << error;
}

TEST_F(MapCommand, CentreTurnsTheGlobeThroughTheSpinFields) {
  const QImage north = Map({"--centre", "90,180"});
  EXPECT_EQ(north.pixelColor(Pixel(kChemnitzLatitude, kChemnitzLongitude, 90, 180)), kObserverGreen);
  EXPECT_NE(north, Map({}, "start.png"));

  const QImage turned = Map({"--centre", "45,300"});
  EXPECT_EQ(turned.pixelColor(Pixel(kChemnitzLatitude, kChemnitzLongitude, 45, 300)), kObserverGreen);
  // The start-up values change nothing; the ends of the spin fields' ranges turn it too.
  EXPECT_EQ(Map({"--centre", "0,180"}, "explicit.png"), Map({}, "start.png"));
  EXPECT_NE(Map({"--centre", "-90,0"}, "south.png"), Map({"--centre", "90,360"}, "north.png"));
}

TEST_F(MapCommand, WithADateShowsTheChosenEclipse) {
  const QImage chosen = Map({"08.04.2024"});
  EXPECT_GT(CountPixels(chosen, kYellow), 500) << "the path is drawn";
  EXPECT_EQ(CountPixels(chosen, kLime), 0);

  const QImage searched = Map({"08.04.2024", "--search"}, "searched.png");
  EXPECT_GT(CountPixels(searched, kLime), 5 * 4) << "found places are marked";
  EXPECT_GT(CountPixels(searched, kYellow), 500);
  int legendInk = 0;
  for (int y = 4; y < 16; ++y) {
    for (int x = 1; x < 12; ++x) legendInk += searched.pixelColor(x, y) != QColor(Qt::white) ? 1 : 0;
  }
  EXPECT_GT(legendInk, 0) << "legend line 1 at (1, 4)";

  // Another observing place: the observer's dot moves.
  EXPECT_NE(Map({"08.04.2024", "--lat", "32.78", "--lon", "-96.81"}, "dallas.png"), chosen);
}

TEST_F(MapCommand, PngDashWritesThePictureItselfToStandardOutput) {
  const QImage written = Map({"08.04.2024"});
  const CliResult piped = RunCliWith({"map", "08.04.2024", "--png", "-"});
  ASSERT_EQ(piped.Status, 0) << piped.Err;
  EXPECT_EQ(piped.Err, "");
  ASSERT_TRUE(piped.Out.starts_with("\x89PNG\r\n\x1A\n"));
  QImage read;
  ASSERT_TRUE(
      read.loadFromData(reinterpret_cast<const uchar*>(piped.Out.data()), static_cast<int>(piped.Out.size()), "PNG"));
  EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), written);
  EXPECT_FALSE(QFile::exists("-"));
}

TEST_F(MapCommand, BadArgumentsAreUsageErrors) {
  const std::string path = PngPath("never.png");
  const std::vector<std::vector<std::string>> wrong = {
      {},
      {"--png"},
      {"--search"},
      {"--png", path, "--centre", "10"},
      {"--png", path, "--centre", "a,b"},
      {"--png", path, "--centre", "10,20,30"},
      {"--png", path, "--centre", "10.5,20"},
      {"--png", path, "--centre", "180,0"},  // beyond the spin fields' ranges
      {"--png", path, "--centre", "-1000,5000"},
      {"--png", path, "--centre", "0,-1"},
      {"--png", path, "--centre", "91,360"},
      {"--png", path, "--png", path},  // one rule for repeated options: refused
      {"08.04.2024", "--lat", "41", "--lat", "42", "--lon", "0", "--png", path},
      {"--png", path, "--zoom", "2"},
      {"--centre", "10,20"},
      {"--png", path, "--bogus"},
      {"--place", "Chemnitz, D", "--png", path},
      {"31.02.2024", "--png", path},
      {"08.04.2024", "--lat", "41", "--png", path},
      {"08.04.2024", "--place", "Xyzzy", "--png", path},
      {"08.04.2024"},
  };
  for (std::vector<std::string> args : wrong) {
    args.insert(args.begin(), "map");
    const CliResult result = RunCliWith(args);
    EXPECT_EQ(result.Status, 2) << args.size();
    EXPECT_EQ(result.Out, "");
    EXPECT_FALSE(result.Err.empty());
  }
  EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
}

TEST_F(MapCommand, FailuresAfterTheArgumentsExitWithOne) {
  const std::string path = PngPath("never.png");
  const CliResult noEclipse = RunCliWith({"map", "25.10.2022", "--png", path});
  EXPECT_EQ(noEclipse.Status, 1);
  EXPECT_NE(noEclipse.Err.find("25.10.2022"), std::string::npos) << noEclipse.Err;
  EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));

  const CliResult unwritable = RunCliWith({"map", "--png", PngPath("missing/folder/map.png")});
  EXPECT_EQ(unwritable.Status, 1);
  EXPECT_NE(unwritable.Err.find("cannot write"), std::string::npos) << unwritable.Err;
}

}  // namespace
}  // namespace vellmora
