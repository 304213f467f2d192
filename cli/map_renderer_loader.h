#pragma once

#include <string>

#include "app/memory/map_picture.h"

// The Qt renderer of the map lives in a library of its own that is opened
// when `map` first needs it (installed in lib/vellmora beside bin/, found
// through the executable's run path).

namespace vellmora {

// The renderer's entry point, a C symbol of the library.
inline constexpr const char* kMapRendererEntry = "VellmoraMapRenderer";
using MapRendererEntry = MapRenderer* (*)();

// The renderer, loaded on the first call; nullptr and the reason in `error`
// when the library cannot be opened.
MapRenderer* LoadMapRenderer(std::string& error);

}  // namespace vellmora
