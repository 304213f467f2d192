#include <gtest/gtest.h>

#include <QImage>
#include <QListWidget>

#include "app/qt/main_window.h"

namespace vellmora {
namespace {

// The rightmost column of a row that holds anything darker than the background.
int RightmostInk(const QImage& image, int top, int bottom) {
  for (int x = image.width() - 1; x >= 0; --x) {
    for (int y = top; y < bottom; ++y) {
      if (qGray(image.pixel(x, y)) < 128) return x;
    }
  }
  return -1;
}

// The time column of the eclipse list starts at the same place for every
// kind, the widest ("total-ringförmig") included, and ends inside the list.
TEST(EclipseListColumns, TheTimeLinesUpAfterEveryKind) {
  MainWindow window;
  auto* list = window.findChild<QListWidget*>(QStringLiteral("LB1"));
  ASSERT_NE(list, nullptr);
  const QString time = QStringLiteral("\t31.07.1003 21:54:09");
  for (const char* kind : {"total", "ringförmig", "total-ringförmig"}) list->addItem(QString::fromUtf8(kind) + time);
  window.show();
  const QImage image = list->viewport()->grab().toImage();
  const int rowHeight = list->visualItemRect(list->item(0)).height();
  const int totalEnd = RightmostInk(image, 0, rowHeight);
  ASSERT_GT(totalEnd, 0);
  EXPECT_LT(totalEnd, image.width() - 4);
  for (int row = 1; row < 3; ++row) {
    EXPECT_EQ(RightmostInk(image, row * rowHeight, (row + 1) * rowHeight), totalEnd) << row;
  }
}

}  // namespace
}  // namespace vellmora
