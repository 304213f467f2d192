#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace vellmora {

// What one in-process run of vellmora-cli printed and returned.
struct CliResult {
  int Status;
  std::string Out;
  std::string Err;
};

inline CliResult RunCliWith(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCli(args, out, err);
  return {status, out.str(), err.str()};
}

// The lines a run printed, without their line ends.
inline std::vector<std::string> OutputLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

}  // namespace vellmora
