#include "app/qt/qimage_canvas.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPen>
#include <QRect>
#include <QString>

#include "app/globe_projection.h"
#include "text/windows1252.h"

namespace vellmora {
namespace {

// Font sizes in points are meant for a 96 dpi screen.
constexpr double kPixelsPerPoint = 96.0 / 72.0;

QColor ToQColor(Rgb colour) { return QColor(colour.Red, colour.Green, colour.Blue); }

}  // namespace

QImageCanvas::QImageCanvas(QImage& image)
    : image_(image), font_(QFontDatabase::systemFont(QFontDatabase::GeneralFont)) {}

QPainter& QImageCanvas::Painter() {
  if (!painter_.isActive()) {
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    painter_.setBackgroundMode(Qt::TransparentMode);
    painter_.setFont(font_);
    painter_.setBrush(fill_);
    ApplyPen();
  }
  return painter_;
}

void QImageCanvas::ApplyPen() {
  QPen pen(penColour_, penWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  painter_.setPen(pen);
}

void QImageCanvas::Finish() {
  if (painter_.isActive()) painter_.end();
}

void QImageCanvas::SetPen(Rgb colour, int width) {
  penColour_ = ToQColor(colour);
  penWidth_ = width;
  Painter();
  ApplyPen();
}

void QImageCanvas::SetPenWidth(int width) {
  penWidth_ = width;
  Painter();
  ApplyPen();
}

void QImageCanvas::SetFill(Rgb colour) {
  fill_ = QBrush(ToQColor(colour));
  Painter().setBrush(fill_);
}

void QImageCanvas::SetNoFill() {
  fill_ = QBrush(Qt::NoBrush);
  Painter().setBrush(fill_);
}

void QImageCanvas::SetFont(const std::string& face, int points, Rgb colour) {
  const QString family = QString::fromStdString(Windows1252ToUtf8(face));
  font_ = QFontDatabase::hasFamily(family) ? QFont(family) : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font_.setPixelSize(RoundToPixel(points * kPixelsPerPoint));
  fontColour_ = ToQColor(colour);
  Painter().setFont(font_);
}

void QImageCanvas::MoveTo(int x, int y) { position_ = QPoint(x, y); }

void QImageCanvas::LineTo(int x, int y) {
  const QPoint end(x, y);
  Painter().drawLine(position_, end);
  position_ = end;
}

// The box's right and bottom bounds are exclusive: the ellipse covers the
// pixels left..right-1 and top..bottom-1, outline included. An aliased 1-pixel
// outline of a QRect covers one pixel more than the rectangle's width.
void QImageCanvas::Ellipse(int left, int top, int right, int bottom) {
  Painter().drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void QImageCanvas::TextOut(int x, int y, const std::string& text) {
  QPainter& painter = Painter();
  painter.setPen(fontColour_);
  const QFontMetrics metrics(font_, &image_);
  painter.drawText(QPoint(x, y + metrics.ascent()), QString::fromStdString(Windows1252ToUtf8(text)));
  ApplyPen();
}

QImageOffscreen::QImageOffscreen(int width, int height, double devicePixelRatio)
    : image_(RoundToPixel(width * devicePixelRatio), RoundToPixel(height * devicePixelRatio), QImage::Format_RGB32),
      canvas_(image_) {
  image_.setDevicePixelRatio(devicePixelRatio);
  image_.fill(Qt::white);
}

const QImage& QImageOffscreen::Image() {
  canvas_.Finish();
  return image_;
}

}  // namespace vellmora
