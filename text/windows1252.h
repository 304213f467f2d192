#pragma once

#include <string>
#include <string_view>

namespace vellmora {

// The system's texts are Windows-1252 bytes; terminals and Qt want UTF-8.
std::string Windows1252ToUtf8(std::string_view text);

// Characters that Windows-1252 cannot hold become "?".
std::string Utf8ToWindows1252(std::string_view text);

}  // namespace vellmora
