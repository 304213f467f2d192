#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QPolygon>

#include "app/controls/controls.h"

// The map's drawing surface over a QImage: aliased drawing (the map is a
// pixel picture), solid pens, a solid fill or none, text with a transparent
// background in Windows-1252.

namespace vellmora {

class QImageCanvas : public Canvas {
 public:
  explicit QImageCanvas(QImage& image);

  void SetPen(Rgb colour, int width) override;
  void SetPenWidth(int width) override;
  void SetFill(Rgb colour) override;
  void SetNoFill() override;
  void SetFont(const std::string& face, int points, Rgb colour) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  void TextOut(int x, int y, const std::string& text) override;

  // Ends painting so the image can be read or copied; the next drawing call
  // starts again with the same pen, fill, font and position.
  void Finish();

 private:
  QPainter& Painter();
  void ApplyPen();
  void FlushLines();

  QImage& image_;
  QPainter painter_;
  QColor penColour_{Qt::black};
  int penWidth_ = 1;
  QBrush fill_{Qt::white};
  QFont font_;
  QColor fontColour_{Qt::black};
  QPoint position_;
  QPolygon polyline_;  // line-tos not yet drawn, joined end to start
};

// An off-screen picture of the paint box: a white RGB32 image and its canvas.
// At a pixel ratio above 1 the image has that many device pixels per logical
// pixel; everything is drawn in logical pixels, with crisp lines.
class QImageOffscreen : public OffscreenImage {
 public:
  QImageOffscreen(int width, int height, double devicePixelRatio = 1.0);

  Canvas& Surface() override { return canvas_; }

  // The finished picture; drawing may continue afterwards.
  const QImage& Image();

 private:
  QImage image_;
  QImageCanvas canvas_;
};

}  // namespace vellmora
