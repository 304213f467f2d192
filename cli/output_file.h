#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

// Files that the commands write: whole or not at all.

namespace vellmora {

// The file name that stands for standard output.
inline constexpr std::string_view kStandardOutput = "-";

// Writes all of `bytes` to the open file, again after an interrupted or a
// partial write: 0 when all are written, else the errno of the failure (EIO
// for a write that wrote nothing).
int WriteFully(int descriptor, std::string_view bytes);

// Writes `bytes` to a temporary file in the folder of `path` and renames it to
// `path` once it is complete; on any failure removes the temporary file and
// returns the reason (an existing file at `path` then stays as it was).
std::optional<std::string> WriteWholeFile(const std::string& path, std::string_view bytes);

// `bytes` to standard output for "-", else whole to the file; a failure is
// said in one line on `err` and returns kExitFailure, success 0.
int WriteOutput(const std::string& path, std::string_view bytes, std::ostream& out, std::ostream& err);

}  // namespace vellmora
