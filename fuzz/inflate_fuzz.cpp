#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "app/resources/resources.h"

// The resource inflater on arbitrary bytes: it either reports "error" or gives
// exactly what zlib inflates from the stream with an output buffer of its own.

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// One inflate call into a buffer large enough for any stream of this size
// (deflate expands at most 1032 to 1); nullopt when zlib reports the stream damaged.
std::optional<std::string> ReferenceInflate(std::string_view compressed) {
  std::string output(compressed.size() * 1032 + 64, '\0');
  z_stream stream{};
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
  stream.avail_in = static_cast<uInt>(compressed.size());
  stream.next_out = reinterpret_cast<Bytef*>(output.data());
  stream.avail_out = static_cast<uInt>(output.size());
  if (inflateInit(&stream) != Z_OK) return std::nullopt;
  const int status = inflate(&stream, Z_FINISH);
  output.resize(stream.total_out);
  inflateEnd(&stream);
  if (status != Z_STREAM_END) return std::nullopt;
  return output;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view compressed(reinterpret_cast<const char*>(data), size);
  std::optional<std::string> inflated;
  try {
    inflated = vellmora::InflateBytes(compressed);
  } catch (const vellmora::EDecompressionError& error) {
    Require(std::string_view(error.what()) == "error");
  }
  if (size == 0) {
    Require(inflated.has_value() && inflated->empty());
    return 0;
  }
  Require(inflated == ReferenceInflate(compressed));
  return 0;
}
