#include <gtest/gtest.h>

#include "app/memory/memory_window.h"

namespace vellmora {
namespace {

TEST(WindowMapHandlers, SpinFieldsAndTheCentralLineListRepaintTheMap) {
  MemoryWindow window({2026, 12, 8});
  int paints = window.PB3.PresentCount();

  window.T2.SetValue(200);
  EXPECT_EQ(window.PB3.PresentCount(), ++paints);
  EXPECT_EQ(window.Form.MapCentreLongitude, 200);
  window.T2.SetValue(200);  // the same value: no change notification, no paint
  EXPECT_EQ(window.PB3.PresentCount(), paints);
  window.T2.SetValue(400);  // clamped to 360
  EXPECT_EQ(window.PB3.PresentCount(), ++paints);
  EXPECT_EQ(window.Form.MapCentreLongitude, 360);

  window.T1.SetValue(30);
  EXPECT_EQ(window.PB3.PresentCount(), ++paints);
  EXPECT_EQ(window.Form.MapCentreLongitude, 360);

  // While the flag is set a move of T1 draws nothing; the next paint clears it.
  window.Form.SuppressLatitudeRepaint = true;
  window.T1.SetValue(40);
  EXPECT_EQ(window.PB3.PresentCount(), paints);
  EXPECT_TRUE(window.Form.SuppressLatitudeRepaint);
  window.T2.SetValue(10);
  EXPECT_EQ(window.PB3.PresentCount(), ++paints);
  EXPECT_FALSE(window.Form.SuppressLatitudeRepaint);
  window.T1.SetValue(-100);  // clamped to -90
  EXPECT_EQ(window.T1.Value(), -90);
  EXPECT_EQ(window.PB3.PresentCount(), ++paints);

  // A click in the central-line list repaints, whether or not it hits a row.
  window.LB5.Click(-1);
  EXPECT_EQ(window.PB3.PresentCount(), ++paints);
  EXPECT_TRUE(window.Errors.Messages().empty());
}

}  // namespace
}  // namespace vellmora
