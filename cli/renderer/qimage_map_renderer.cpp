#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "app/memory/map_picture.h"
#include "app/qt/qimage_canvas.h"

// The library that `vellmora-cli map` opens: the map painted with Qt's raster
// engine into QImages, on the offscreen platform whatever the environment asks
// for, since the command line never opens a window.

namespace vellmora {
namespace {

class QImagePicture : public MapPicture {
 public:
  QImagePicture(int width, int height)
      : image_(width, height, QImage::Format_RGB32), canvas_(std::make_unique<QImageCanvas>(image_)) {
    image_.fill(Qt::white);
  }

  Canvas& Surface() override { return *canvas_; }

  void CopyFrom(MapPicture& other) override {
    canvas_ = std::make_unique<QImageCanvas>(image_);
    image_ = static_cast<QImagePicture&>(other).Finished().copy();
  }

  std::string PngBytes() override {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    Finished().save(&buffer, "PNG");
    return png.toStdString();
  }

  Rgb PixelAt(int x, int y) override {
    const QRgb pixel = Finished().pixel(x, y);
    return {static_cast<std::uint8_t>(qRed(pixel)), static_cast<std::uint8_t>(qGreen(pixel)),
            static_cast<std::uint8_t>(qBlue(pixel))};
  }

 private:
  const QImage& Finished() {
    canvas_->Finish();
    return image_;
  }

  QImage image_;
  std::unique_ptr<QImageCanvas> canvas_;
};

// Qt's warnings about the desktop session it does not have are no business of the command line.
void ReportOnlyQtFailures(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
}

class QImageMapRenderer : public MapRenderer {
 public:
  // Text needs the fonts of a GUI application; a program that has one already keeps its own.
  QImageMapRenderer() {
    if (QCoreApplication::instance() != nullptr) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(ReportOnlyQtFailures);
    static int argc = 1;
    static char name[] = "vellmora-cli";
    static char* argv[] = {name, nullptr};
    // Lives until the process ends, like the library; it goes before Qt's own
    // statics, which were made before it.
    static QGuiApplication application(argc, argv);
  }

  std::unique_ptr<MapPicture> MakePicture(int width, int height) override {
    return std::make_unique<QImagePicture>(width, height);
  }
};

}  // namespace
}  // namespace vellmora

extern "C" __attribute__((visibility("default"))) vellmora::MapRenderer* VellmoraMapRenderer() {
  static vellmora::QImageMapRenderer renderer;
  return &renderer;
}
