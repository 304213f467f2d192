#include "cli/map_renderer_loader.h"

#include <dlfcn.h>
#include <link.h>

#include <string>
#include <vector>

namespace vellmora {
namespace {

// The folders the dynamic linker searches for the program's own libraries,
// its run path among them. A sanitizer run time that wraps dlopen() makes
// itself the caller and so loses the program's run path; the library is then
// opened by its full name in each of these folders.
std::vector<std::string> ProgramSearchFolders() {
  std::vector<std::string> folders;
  void* program = dlopen(nullptr, RTLD_NOW);
  Dl_serinfo size{};
  if (program == nullptr || dlinfo(program, RTLD_DI_SERINFOSIZE, &size) != 0) return folders;
  std::vector<unsigned char> buffer(size.dls_size);
  auto* info = reinterpret_cast<Dl_serinfo*>(buffer.data());
  *info = size;
  if (dlinfo(program, RTLD_DI_SERINFO, info) != 0) return folders;
  for (unsigned int i = 0; i < info->dls_cnt; ++i) folders.emplace_back(info->dls_serpath[i].dls_name);
  return folders;
}

void* OpenRendererLibrary(std::string& error) {
  if (void* library = dlopen(VELLMORA_MAP_RENDERER_LIBRARY, RTLD_NOW | RTLD_LOCAL)) return library;
  error = dlerror();
  for (const std::string& folder : ProgramSearchFolders()) {
    const std::string path = folder + "/" + VELLMORA_MAP_RENDERER_LIBRARY;
    if (void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) return library;
  }
  return nullptr;
}

}  // namespace

MapRenderer* LoadMapRenderer(std::string& error) {
  static MapRenderer* renderer = nullptr;
  if (renderer != nullptr) return renderer;
  // The library stays loaded until the process ends.
  void* library = OpenRendererLibrary(error);
  if (library == nullptr) return nullptr;
  const auto entry = reinterpret_cast<MapRendererEntry>(dlsym(library, kMapRendererEntry));
  if (entry == nullptr) {
    error = dlerror();
    return nullptr;
  }
  renderer = entry();
  return renderer;
}

}  // namespace vellmora
