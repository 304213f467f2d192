#pragma once

#include <QString>
#include <string>

namespace vellmora {

// The window's texts are Windows-1252 bytes; Qt holds Unicode.
QString ToQString(const std::string& windows1252);
std::string FromQString(const QString& text);

}  // namespace vellmora
