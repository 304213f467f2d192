#pragma once

#include <fstream>
#include <iterator>
#include <string>

// The text files in data/ that the build compresses into the program.
inline std::string ReadDataFile(const std::string& fileName) {
  std::ifstream in(std::string(VELLMORA_DATA_FOLDER) + "/" + fileName, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
