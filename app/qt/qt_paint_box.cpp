#include "app/qt/qt_paint_box.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

#include "app/qt/qimage_canvas.h"

namespace vellmora {

// The widget of the box: paints the picture shown, passes the left button's
// press, moves and release on in logical pixels, and the right button's menu.
class QtPaintBox::Surface : public QWidget {
 public:
  Surface(QWidget* parent, QtPaintBox& box) : QWidget(parent), box_(box) {}

 protected:
  void paintEvent(QPaintEvent*) override { box_.PaintWidget(); }

  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) Notify(box_.OnMouseDown, event);
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    if ((event->buttons() & Qt::LeftButton) != 0) Notify(box_.OnMouseMove, event);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) Notify(box_.OnMouseUp, event);
  }
  void contextMenuEvent(QContextMenuEvent* event) override {
    if (box_.OnContextMenu) box_.OnContextMenu(event->pos(), event->globalPos());
  }

 private:
  static void Notify(const PointerNotification& notification, const QMouseEvent* event) {
    if (notification) notification(event->position().x(), event->position().y());
  }

  QtPaintBox& box_;
};

QtPaintBox::QtPaintBox(QWidget* parent, QRect geometry) : widget_(new Surface(parent, *this)) {
  widget_->setGeometry(geometry);
  widget_->setAttribute(Qt::WA_OpaquePaintEvent);
}

QtPaintBox::~QtPaintBox() = default;

int QtPaintBox::Width() const { return widget_->width(); }

int QtPaintBox::Height() const { return widget_->height(); }

std::unique_ptr<OffscreenImage> QtPaintBox::CreateImage() {
  return std::make_unique<QImageOffscreen>(Width(), Height(), widget_->devicePixelRatioF());
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
  if (shown_.isNull()) shown_ = QImageOffscreen(Width(), Height(), widget_->devicePixelRatioF()).Image();
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
