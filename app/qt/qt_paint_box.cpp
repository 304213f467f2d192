#include "app/qt/qt_paint_box.h"

#include <QPainter>
#include <functional>

#include "app/qt/qimage_canvas.h"

namespace vellmora {

class QtPaintBox::Surface : public QWidget {
 public:
  Surface(QWidget* parent, std::function<void()> paint) : QWidget(parent), paint_(std::move(paint)) {}

 protected:
  void paintEvent(QPaintEvent*) override { paint_(); }

 private:
  std::function<void()> paint_;
};

QtPaintBox::QtPaintBox(QWidget* parent, QRect geometry) : widget_(new Surface(parent, [this] { PaintWidget(); })) {
  widget_->setGeometry(geometry);
  widget_->setAttribute(Qt::WA_OpaquePaintEvent);
}

QtPaintBox::~QtPaintBox() = default;

int QtPaintBox::Width() const { return widget_->width(); }

int QtPaintBox::Height() const { return widget_->height(); }

std::unique_ptr<OffscreenImage> QtPaintBox::CreateImage() {
  return std::make_unique<QImageOffscreen>(Width(), Height());
}

void QtPaintBox::Present(OffscreenImage& image) {
  direct_.reset();
  shown_ = static_cast<QImageOffscreen&>(image).Image().copy();
  if (!insidePaint_) {
    upToDate_ = true;
    widget_->update();
  }
}

Canvas& QtPaintBox::DirectSurface() {
  if (shown_.isNull()) {
    shown_ = QImage(Width(), Height(), QImage::Format_RGB32);
    shown_.fill(Qt::white);
  }
  if (!direct_) direct_ = std::make_unique<QImageCanvas>(shown_);
  upToDate_ = true;
  widget_->update();
  return *direct_;
}

const QImage& QtPaintBox::Shown() {
  if (direct_) direct_->Finish();
  return shown_;
}

void QtPaintBox::PaintWidget() {
  if (!upToDate_ && OnPaint) {
    insidePaint_ = true;
    OnPaint();
    insidePaint_ = false;
  }
  upToDate_ = false;
  QPainter painter(widget_);
  if (shown_.isNull()) {
    painter.fillRect(widget_->rect(), Qt::white);
  } else {
    painter.drawImage(0, 0, Shown());
  }
}

}  // namespace vellmora
