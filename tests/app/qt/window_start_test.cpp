#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <map>
#include <string>

#include "app/qt/display_check.h"
#include "app/qt/window_icon.h"

// What the window does before it is shown: it finds a display or says in one
// line that there is none, and it carries its icon. (The start of the real
// program without a display and the icon on the X server are checked on the
// installed package by scripts/check-package.sh.)

namespace vellmora {
namespace {

EnvironmentReader Environment(std::map<std::string, std::string> variables) {
  return [variables = std::move(variables)](const char* name) -> const char* {
    const auto found = variables.find(name);
    return found == variables.end() ? nullptr : found->second.c_str();
  };
}

TEST(WindowStart, WithoutAnyDisplayTheWindowSaysSoInOneLine) {
  for (const auto& nothing : {Environment({}), Environment({{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}}),
                              Environment({{"QT_QPA_PLATFORM", ""}, {"HOME", "/root"}})}) {
    const std::optional<std::string> message = MissingDisplayMessage(nothing);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(
        *message,
        "vellmora: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); vellmora-cli works without one");
  }
  // An X display, a Wayland compositor or a platform chosen by the user: Qt is left to try.
  EXPECT_FALSE(MissingDisplayMessage(Environment({{"DISPLAY", ":0"}})));
  EXPECT_FALSE(MissingDisplayMessage(Environment({{"WAYLAND_DISPLAY", "wayland-0"}})));
  EXPECT_FALSE(MissingDisplayMessage(Environment({{"QT_QPA_PLATFORM", "offscreen"}})));

  const std::string unreachable = UnreachableDisplayMessage("could not connect to display :5");
  EXPECT_EQ(unreachable,
            "vellmora: no display found (could not connect to display :5); vellmora-cli works without one");
  EXPECT_EQ(unreachable.find('\n'), std::string::npos);
}

TEST(WindowStart, TheIconIsThePackagePictureAtTheUsualSizes) {
  const QIcon icon = WindowIcon();
  ASSERT_FALSE(icon.isNull()) << "the compiled-in SVG did not load";
  for (const int size : {16, 32, 48, 256}) {
    const QImage image = icon.pixmap(size, size).toImage();
    EXPECT_EQ(image.size(), QSize(size, size));
    // The picture: the crescent of the Sun at the top right, the pale globe at the bottom left, transparent corners.
    const QColor sun = image.pixelColor(size * 57 / 64, size * 18 / 64);
    EXPECT_GT(sun.red(), 200) << size;
    EXPECT_LT(sun.blue(), 120) << size;
    EXPECT_GT(image.pixelColor(size * 42 / 64, size * 52 / 64).blue(), 200) << size;
    EXPECT_EQ(image.pixelColor(0, size - 1).alpha(), 0) << size;
  }
}

}  // namespace
}  // namespace vellmora
