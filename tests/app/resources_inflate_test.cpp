#include <gtest/gtest.h>
#include <zlib.h>

#include <cctype>
#include <random>
#include <stdexcept>
#include <string>

#include "app/resources/resource_registry.h"
#include "app/resources/resources.h"
#include "tests/support/resources_text_files.h"

namespace vellmora {
namespace {

std::string Compress(const std::string& text) {
  uLongf size = compressBound(text.size());
  std::string out(size, '\0');
  EXPECT_EQ(compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(text.data()),
                      text.size(), Z_BEST_COMPRESSION),
            Z_OK);
  out.resize(size);
  return out;
}

std::string_view AsText(std::span<const unsigned char> bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

void ExpectDecompressionError(const std::string& compressed, const char* what) {
  SCOPED_TRACE(what);
  try {
    InflateBytes(compressed);
    ADD_FAILURE() << "no EDecompressionError";
  } catch (const EDecompressionError& error) {
    EXPECT_STREQ(error.what(), "error");
  }
}

TEST(EmbeddedResources, InflateToTheirTextFilesByteForByte) {
  for (const char* name : {"erde2", "mort", "mort1", "zones"}) {
    SCOPED_TRACE(name);
    const std::string file = ReadDataFile(std::string(name) + ".txt");
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(InflateResource(name), file);
  }
  // Names match regardless of case.
  EXPECT_EQ(InflateResource("MORT1"), ReadDataFile("mort1.txt"));
  EXPECT_EQ(InflateResource("Erde2"), ReadDataFile("erde2.txt"));
  EXPECT_THROW(InflateResource("erde"), std::out_of_range);
  EXPECT_THROW(InflateResource("mort12"), std::out_of_range);
}

TEST(EmbeddedResources, AreSingleZlibStreamsAtBestCompression) {
  ASSERT_EQ(EmbeddedResources().size(), 4u);
  for (const EmbeddedResource& resource : EmbeddedResources()) {
    SCOPED_TRACE(resource.Name);
    const auto& bytes = resource.Compressed;
    ASSERT_GT(bytes.size(), 6u);
    EXPECT_EQ(bytes[0], 0x78);
    EXPECT_EQ(bytes[1], 0xDA);
    // The stream ends in the Adler-32 of the text, so nothing follows it.
    std::string lower(resource.Name);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const std::string text = ReadDataFile(lower + ".txt");
    const uLong adler = adler32(adler32(0, nullptr, 0), reinterpret_cast<const Bytef*>(text.data()), text.size());
    const std::size_t n = bytes.size();
    const uLong stored =
        (uLong{bytes[n - 4]} << 24) | (uLong{bytes[n - 3]} << 16) | (uLong{bytes[n - 2]} << 8) | uLong{bytes[n - 1]};
    EXPECT_EQ(stored, adler);
    EXPECT_LT(bytes.size(), text.size() / 2);
  }
}

TEST(InflateBytes, GrowsItsBufferUntilTheStreamEnds) {
  // Highly compressible text needs many growth steps of the small initial buffer;
  // random bytes hardly compress, so the output lands near the first buffer's end.
  std::mt19937 random(20260101);
  std::string repetitive;
  for (int i = 0; i < 200000; ++i) repetitive += "Sonnenfinsternis " + std::to_string(i % 7) + "\r\n";
  EXPECT_EQ(InflateBytes(Compress(repetitive)), repetitive);
  for (std::size_t size : {1u, 255u, 256u, 257u, 511u, 512u, 4096u, 65535u, 65536u, 100000u}) {
    std::string noise(size, '\0');
    for (char& c : noise) c = static_cast<char>(random());
    EXPECT_EQ(InflateBytes(Compress(noise)), noise) << size << " random bytes";
  }
  EXPECT_EQ(InflateBytes(Compress("")), "");
  EXPECT_EQ(InflateBytes(""), "");
}

TEST(InflateBytes, DamagedStreamRaisesError) {
  const std::string good(AsText(EmbeddedResources()[0].Compressed));
  std::string badHeader = good;
  badHeader[1] = '\x00';
  ExpectDecompressionError(badHeader, "header check fails");
  std::string flipped = good;
  for (std::size_t i = good.size() / 3; i < good.size() / 3 + 16; ++i) flipped[i] = static_cast<char>(~flipped[i]);
  ExpectDecompressionError(flipped, "bytes inverted in the deflate data");
  std::string badChecksum = good;
  badChecksum.back() = static_cast<char>(badChecksum.back() ^ 1);
  ExpectDecompressionError(badChecksum, "Adler-32 does not match");
  ExpectDecompressionError(good.substr(0, good.size() - 4), "check value cut off");
  ExpectDecompressionError(good.substr(0, good.size() / 2), "truncated in the middle");
  ExpectDecompressionError(good.substr(0, 2), "header only");
  ExpectDecompressionError("Sonnenfinsternis", "not a zlib stream");
}

}  // namespace
}  // namespace vellmora
