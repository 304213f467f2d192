#include "app/resources/resources.h"

#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <stdexcept>

#include "app/resources/resource_registry.h"

namespace vellmora {
namespace {

// Owns an initialised inflate stream and ends it on every way out.
class InflateStream {
 public:
  explicit InflateStream(std::string_view compressed) {
    stream_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
    stream_.avail_in = static_cast<uInt>(compressed.size());
    // The program asks for library version 1.0.4; zlib accepts any 1.x request.
    if (inflateInit_(&stream_, "1.0.4", sizeof(z_stream)) != Z_OK) throw EDecompressionError();
  }
  InflateStream(const InflateStream&) = delete;
  InflateStream& operator=(const InflateStream&) = delete;
  ~InflateStream() { inflateEnd(&stream_); }

  z_stream* operator->() { return &stream_; }
  z_stream* get() { return &stream_; }

 private:
  z_stream stream_{};
};

constexpr std::size_t kBufferGranule = 256;

bool SameName(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
  });
}

long double ParseDecimalField(std::string_view field) {
  if (!field.empty() && field.front() == '+') field.remove_prefix(1);
  long double value = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (error != std::errc() || end != field.data() + field.size()) {
    throw std::invalid_argument("not a decimal number: " + std::string(field));
  }
  return value;
}

}  // namespace

std::string InflateBytes(std::string_view compressed) {
  if (compressed.empty()) return {};
  // The output starts at four times the compressed size, about what text
  // inflates to, rounded up to whole granules, and doubles when full: few
  // copies of a growing buffer.
  constexpr std::size_t kExpectedRatio = 4;
  std::string output((kExpectedRatio * compressed.size() + kBufferGranule - 1) / kBufferGranule * kBufferGranule, '\0');
  InflateStream stream(compressed);
  for (;;) {
    stream->next_out = reinterpret_cast<Bytef*>(output.data()) + stream->total_out;
    stream->avail_out = static_cast<uInt>(output.size() - stream->total_out);
    const int status = inflate(stream.get(), Z_FINISH);
    if (status == Z_STREAM_END) break;
    // With the finish flag zlib reports a full output buffer as Z_BUF_ERROR; only
    // that asks for more room. Any other status (an error, or a stream wanting a
    // preset dictionary, which ours never do) means a damaged stream.
    if (status != Z_BUF_ERROR || stream->avail_out != 0) throw EDecompressionError();
    output.resize(2 * output.size());
  }
  output.resize(stream->total_out);
  return output;
}

namespace {

// The compressed bytes of the named resource.
std::string_view CompressedResource(std::string_view name) {
  for (const EmbeddedResource& resource : EmbeddedResources()) {
    if (SameName(resource.Name, name)) {
      return {reinterpret_cast<const char*>(resource.Compressed.data()), resource.Compressed.size()};
    }
  }
  throw std::out_of_range("no resource named " + std::string(name));
}

}  // namespace

std::string InflateResource(std::string_view name) { return InflateBytes(CompressedResource(name)); }

namespace {

// visit(line) for each line of the text until it returns true; whether one did.
template <typename Visit>
bool FindLine(std::string_view text, const Visit& visit) {
  text = text.substr(0, text.find('\0'));
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
    if (visit(text.substr(start, end - start))) return true;
    if (end == text.size()) break;
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return false;
}

}  // namespace

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  FindLine(text, [&lines](std::string_view line) {
    lines.emplace_back(line);
    return false;
  });
  return lines;
}

std::vector<std::string> LoadResourceLines(std::string_view name) { return SplitLines(InflateResource(name)); }

namespace {

// visit(line) for each line of the named resource as it inflates, until visit
// returns true; whether one did. A line near the start costs only the start.
template <typename Visit>
bool FindResourceLine(std::string_view name, const Visit& visit) {
  constexpr std::size_t kChunk = 16384;
  const std::string_view compressed = CompressedResource(name);
  if (compressed.empty()) return false;
  InflateStream stream(compressed);
  std::string text;  // inflated, not yet visited
  for (bool ended = false; !ended;) {
    const std::size_t before = text.size();
    text.resize(before + kChunk);
    stream->next_out = reinterpret_cast<Bytef*>(text.data() + before);
    stream->avail_out = static_cast<uInt>(kChunk);
    const int status = inflate(stream.get(), Z_NO_FLUSH);
    if (status != Z_OK && status != Z_STREAM_END) throw EDecompressionError();
    ended = status == Z_STREAM_END;
    text.resize(before + kChunk - stream->avail_out);
    // The lines complete so far end at the last line end, but not at a CR
    // that ends the text: its LF may follow. A NUL ends the text.
    const bool last = ended || text.find('\0', before) != std::string::npos;
    std::size_t complete = last ? text.size() : text.find_last_of("\r\n");
    if (!last && complete != std::string::npos && complete + 1 == text.size() && text[complete] == '\r') {
      complete = complete == 0 ? std::string::npos : text.find_last_of("\r\n", complete - 1);
    }
    if (complete == std::string::npos) continue;
    const std::size_t visited = last ? text.size() : complete + 1;
    if (FindLine(std::string_view(text).substr(0, visited), visit)) return true;
    if (last) return false;
    text.erase(0, visited);
  }
  return false;
}

}  // namespace

std::optional<std::string> ResourceLine(std::string_view name, std::size_t index) {
  std::optional<std::string> found;
  std::size_t at = 0;
  FindResourceLine(name, [&](std::string_view line) {
    if (at++ == index) found = std::string(line);
    return found.has_value();
  });
  return found;
}

std::optional<std::size_t> ResourceLineIndex(std::string_view name, std::string_view wanted) {
  std::size_t index = 0;
  const bool found = FindResourceLine(name, [&](std::string_view line) {
    if (line == wanted) return true;
    ++index;
    return false;
  });
  if (!found) return std::nullopt;
  return index;
}

PlaceRecord ParsePlaceRecord(std::string_view line) {
  std::string_view fields[4];
  for (int i = 0; i < 3; ++i) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) throw std::invalid_argument("place line with fewer than four fields");
    fields[i] = line.substr(0, tab);
    line.remove_prefix(tab + 1);
  }
  fields[3] = line;
  return PlaceRecord{std::string(fields[0]), ParseDecimalField(fields[1]), ParseDecimalField(fields[2]),
                     ParseDecimalField(fields[3])};
}

}  // namespace vellmora
