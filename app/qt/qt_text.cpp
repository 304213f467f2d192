#include "app/qt/qt_text.h"

#include "text/windows1252.h"

namespace vellmora {

QString ToQString(const std::string& windows1252) { return QString::fromStdString(Windows1252ToUtf8(windows1252)); }

std::string FromQString(const QString& text) { return Utf8ToWindows1252(text.toStdString()); }

}  // namespace vellmora
