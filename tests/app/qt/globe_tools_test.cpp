#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "app/globe/globe_projection.h"
#include "app/qt/elements_dialog.h"
#include "app/qt/main_window.h"
#include "app/qt/shadow_window.h"
#include "tests/app/qt/choose_eclipse.h"

namespace vellmora {
namespace {

// 8 April 2024: at 18:17 UT NASA puts greatest eclipse at 25.3 N 104.1 W,
// under the umbra; the window's slider brings the shadow there, and closing
// the window takes it off the globe.
TEST(ShadowWindow, MovesTheUmbraAcrossNorthAmerica) {
  MainWindow window;
  ASSERT_NO_FATAL_FAILURE(ChooseEclipse(window, "08.04.2024"));
  window.MapMenu().ShowShadowWindow();
  ShadowWindow* shadow = window.MapMenu().Shadow();
  ASSERT_NE(shadow, nullptr);
  EXPECT_LT(shadow->Slider()->minimum(), -60);
  EXPECT_GT(shadow->Slider()->maximum(), 120);

  const int centreLatitude = qobject_cast<QSpinBox*>(window.Control("T1"))->value();
  const DiscPoint durango =
      ProjectToDisc(MakeGlobeView(centreLatitude, window.Form().MapCentreLongitude, 711, 682), 25.3, -104.1);
  auto darkAtDurango = [&] { return qGray(window.Map().Shown().pixel(durango.X, durango.Y)) < 60; };
  // T0 is 18:00 TD, 17:58:51 UT with the program's Delta-T: minute 18 is 18:16:51 UT.
  shadow->Slider()->setValue(18);
  EXPECT_EQ(shadow->TimeText(), "18:16:51 UT");
  EXPECT_TRUE(darkAtDurango());
  shadow->Slider()->setValue(60);
  EXPECT_FALSE(darkAtDurango()) << "the umbra has moved on to the north-east";

  shadow->PlayButton()->click();
  EXPECT_EQ(shadow->PlayButton()->text(), "Anhalten");
  shadow->PlayButton()->click();
  EXPECT_EQ(shadow->PlayButton()->text(), "Abspielen");

  shadow->Slider()->setValue(18);
  shadow->close();
  EXPECT_FALSE(window.Form().Shadow.has_value());
  EXPECT_FALSE(darkAtDurango());
}

// The dialog shows the table the command line prints: x of 2024 starts near
// the canon's -0.3182.
TEST(ElementsDialog, ShowsTheSelectedEclipsesElements) {
  MainWindow window;
  ASSERT_NO_FATAL_FAILURE(ChooseEclipse(window, "08.04.2024"));
  window.MapMenu().ShowElements();
  ASSERT_NE(window.MapMenu().Elements(), nullptr);
  EXPECT_EQ(window.MapMenu().Elements()->windowTitle(), "Besselsche Elemente 08.04.2024");
  const QStringList lines = window.MapMenu().Elements()->Text().split('\n');
  ASSERT_GT(lines.size(), 8);
  EXPECT_TRUE(lines[0].startsWith("t0 = 18.0 h TD")) << lines[0].toStdString();
  EXPECT_NEAR(lines[2].split(' ', Qt::SkipEmptyParts).at(1).toDouble(), -0.3182, 0.002);
}

}  // namespace
}  // namespace vellmora
