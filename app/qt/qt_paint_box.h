#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

#include "app/controls/controls.h"

namespace vellmora {

class QImageCanvas;

// PB3 in Qt: a widget that shows the last presented picture. A paint request
// of the window system runs the window's paint handler, which composes a new
// picture and presents it; drawing straight onto the box draws over the
// picture shown until the next paint.
class QtPaintBox : public PaintBox {
 public:
  QtPaintBox(QWidget* parent, QRect geometry);
  ~QtPaintBox() override;

  int Width() const override;
  int Height() const override;
  std::unique_ptr<OffscreenImage> CreateImage() override;
  void Present(OffscreenImage& image) override;
  Canvas& DirectSurface() override;

  QWidget* Widget() const { return widget_; }
  // The right mouse button's menu asked for at a position in the box and on the screen.
  std::function<void(QPoint position, QPoint globalPosition)> OnContextMenu;
  // The picture the box shows now, with what was drawn straight onto it.
  const QImage& Shown();

 private:
  class Surface;
  void PaintWidget();

  QWidget* widget_;
  QImage shown_;
  std::unique_ptr<QImageCanvas> direct_;
  bool insidePaint_ = false;
  bool upToDate_ = false;
};

}  // namespace vellmora
