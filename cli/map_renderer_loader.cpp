#include "cli/map_renderer_loader.h"

#include <dlfcn.h>

namespace vellmora {

MapRenderer* LoadMapRenderer(std::string& error) {
  static MapRenderer* renderer = nullptr;
  if (renderer != nullptr) return renderer;
  // The library stays loaded until the process ends.
  void* library = dlopen(VELLMORA_MAP_RENDERER_LIBRARY, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    error = dlerror();
    return nullptr;
  }
  const auto entry = reinterpret_cast<MapRendererEntry>(dlsym(library, kMapRendererEntry));
  if (entry == nullptr) {
    error = dlerror();
    return nullptr;
  }
  renderer = entry();
  return renderer;
}

}  // namespace vellmora
