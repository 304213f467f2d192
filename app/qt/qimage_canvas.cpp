#include "app/qt/qimage_canvas.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPen>
#include <QRect>
#include <QString>

#include "app/globe/globe_projection.h"
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
    // An aliased 1-pixel line at pixel y covers the pixel row y, i.e. runs
    // through y + 0.5; above a pixel ratio of 1 strokes are centred on their
    // coordinates, so the half pixel is added to keep each line on its pixels.
    if (image_.devicePixelRatio() != 1.0) painter_.translate(0.5, 0.5);
    painter_.setFont(font_);
    painter_.setBrush(fill_);
    ApplyPen();
  }
  return painter_;
}

// Wide pens (the path) have round ends and joins. A 1-pixel pen is drawn as
// aliased single-pixel lines at a pixel ratio of 1, where ends and joins play
// no part; above it, square ends and bevelled joins stroke the same lines at
// a fraction of the cost of round ones.
void QImageCanvas::ApplyPen() {
  QPen pen(penColour_, penWidth_, Qt::SolidLine, penWidth_ > 1 ? Qt::RoundCap : Qt::SquareCap,
           penWidth_ > 1 ? Qt::RoundJoin : Qt::BevelJoin);
  painter_.setPen(pen);
}

// Joined line-tos go to the painter as one polyline: one stroke per run
// instead of one per segment, which at a pixel ratio above 1 (wide device
// lines) is many times faster; the pixels are those of the single segments.
void QImageCanvas::FlushLines() {
  if (polyline_.size() >= 2) painter_.drawPolyline(polyline_);
  polyline_.clear();
}

void QImageCanvas::Finish() {
  FlushLines();
  if (painter_.isActive()) painter_.end();
}

void QImageCanvas::SetPen(Rgb colour, int width) {
  penColour_ = ToQColor(colour);
  penWidth_ = width;
  Painter();
  FlushLines();
  ApplyPen();
}

void QImageCanvas::SetPenWidth(int width) {
  FlushLines();
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
  Painter();
  if (polyline_.isEmpty() || polyline_.constLast() != position_) {
    FlushLines();
    polyline_.append(position_);
  }
  position_ = QPoint(x, y);
  polyline_.append(position_);
}

// The box's right and bottom bounds are exclusive: the ellipse covers the
// pixels left..right-1 and top..bottom-1, outline included. An aliased 1-pixel
// outline of a QRect covers one pixel more than the rectangle's width.
void QImageCanvas::Ellipse(int left, int top, int right, int bottom) {
  Painter();
  FlushLines();
  painter_.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void QImageCanvas::TextOut(int x, int y, const std::string& text) {
  QPainter& painter = Painter();
  FlushLines();
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
