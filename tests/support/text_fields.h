#pragma once

#include <string>
#include <vector>

namespace vellmora {

// The fields of one line between its separators; empty fields are kept, also
// the last one after a trailing separator. An empty line has no fields.
inline std::vector<std::string> SplitFields(const std::string& line, char separator = '\t') {
  std::vector<std::string> fields;
  if (line.empty()) return fields;
  std::size_t begin = 0;
  for (std::size_t end; (end = line.find(separator, begin)) != std::string::npos; begin = end + 1) {
    fields.push_back(line.substr(begin, end - begin));
  }
  fields.push_back(line.substr(begin));
  return fields;
}

}  // namespace vellmora
