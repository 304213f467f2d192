// Build-time compressor: packs text files as zlib streams (best compression,
// header 78 DA) into a C++ source file that defines the embedded resource table.
//
//   vellmora_embed OUTPUT.cpp NAME=FILE [NAME=FILE ...]

#include <zlib.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Resource {
  std::string Name;
  std::string Path;
  std::vector<unsigned char> Compressed;
};

std::vector<unsigned char> Compress(const std::string& text) {
  uLongf size = compressBound(text.size());
  std::vector<unsigned char> out(size);
  const int status =
      compress2(out.data(), &size, reinterpret_cast<const Bytef*>(text.data()), text.size(), Z_BEST_COMPRESSION);
  if (status != Z_OK) throw std::runtime_error("zlib compress2 failed");
  out.resize(size);
  return out;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteArray(std::ostream& out, const Resource& resource, std::size_t index) {
  out << "// " << resource.Name << " from " << resource.Path << '\n';
  out << "const unsigned char kResource" << index << "[] = {";
  for (std::size_t i = 0; i < resource.Compressed.size(); ++i) {
    out << (i % 24 == 0 ? "\n    " : " ") << static_cast<unsigned>(resource.Compressed[i]) << ',';
  }
  out << "\n};\n\n";
}

std::string Source(const std::vector<Resource>& resources) {
  std::ostringstream out;
  out << "// Generated at build time by tools/embed/embed_resources.cpp from the files named below.\n"
         "#include \"app/resources/resource_registry.h\"\n\n"
         "namespace vellmora {\nnamespace {\n\n";
  for (std::size_t i = 0; i < resources.size(); ++i) WriteArray(out, resources[i], i);
  out << "const EmbeddedResource kResources[] = {\n";
  for (std::size_t i = 0; i < resources.size(); ++i) {
    out << "    {\"" << resources[i].Name << "\", kResource" << i << "},\n";
  }
  out << "};\n\n}  // namespace\n\n"
         "std::span<const EmbeddedResource> EmbeddedResources() { return kResources; }\n\n"
         "}  // namespace vellmora\n";
  return out.str();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: vellmora_embed OUTPUT.cpp NAME=FILE [NAME=FILE ...]\n";
    return 2;
  }
  try {
    std::vector<Resource> resources;
    for (int i = 2; i < argc; ++i) {
      const std::string argument = argv[i];
      const std::size_t equals = argument.find('=');
      if (equals == std::string::npos) throw std::runtime_error("expected NAME=FILE, got " + argument);
      Resource resource{argument.substr(0, equals), argument.substr(equals + 1), {}};
      resource.Compressed = Compress(ReadFile(resource.Path));
      resources.push_back(std::move(resource));
    }
    // Write to a temporary file first so an interrupted run leaves no half source behind.
    const std::string output = argv[1];
    const std::string temporary = output + ".tmp";
    {
      std::ofstream out(temporary, std::ios::binary);
      out << Source(resources);
      if (!out) throw std::runtime_error("cannot write " + temporary);
    }
    if (std::rename(temporary.c_str(), output.c_str()) != 0) throw std::runtime_error("cannot write " + output);
  } catch (const std::exception& error) {
    std::cerr << "vellmora_embed: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
