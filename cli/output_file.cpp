#include "cli/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "cli/arguments.h"

namespace vellmora {
namespace {

// The permissions a new file gets from open(2) with mode 0666.
mode_t NewFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

int WriteFully(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(descriptor, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return errno;
    if (written == 0) return EIO;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

std::optional<std::string> WriteWholeFile(const std::string& path, std::string_view bytes) {
  const std::string pattern = path + ".XXXXXX";
  std::vector<char> temporary(pattern.c_str(), pattern.c_str() + pattern.size() + 1);
  const int descriptor = mkstemp(temporary.data());
  if (descriptor < 0) return std::strerror(errno);
  int error = fchmod(descriptor, NewFileMode()) == 0 ? WriteFully(descriptor, bytes) : errno;
  if (error == 0 && fsync(descriptor) != 0) error = errno;
  if (close(descriptor) != 0 && error == 0) error = errno;
  if (error == 0 && std::rename(temporary.data(), path.c_str()) == 0) return std::nullopt;
  if (error == 0) error = errno;
  unlink(temporary.data());
  return std::strerror(error);
}

int WriteOutput(const std::string& path, std::string_view bytes, std::ostream& out, std::ostream& err) {
  if (path == kStandardOutput) {
    out << bytes;
    return 0;
  }
  if (const std::optional<std::string> error = WriteWholeFile(path, bytes)) {
    err << "cannot write \"" << path << "\": " << *error << '\n';
    return kExitFailure;
  }
  return 0;
}

}  // namespace vellmora
