#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/output_file.h"

namespace {

// Standard output that remembers why its first write failed, so that the
// failure can be reported as the standard tools do.
class StandardOutputBuffer : public std::streambuf {
 public:
  StandardOutputBuffer() { setp(buffer_.data(), buffer_.data() + buffer_.size()); }

  // 0 while every write succeeded, else the errno of the first that failed.
  int Error() const { return error_; }

 protected:
  int_type overflow(int_type c) override {
    if (!Drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
  }
  int sync() override { return Drain() ? 0 : -1; }

 private:
  bool Drain() {
    if (error_ == 0)
      error_ = vellmora::WriteFully(STDOUT_FILENO, {pbase(), static_cast<std::size_t>(pptr() - pbase())});
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return error_ == 0;
  }

  std::array<char, 1 << 16> buffer_{};
  int error_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  // Past a file-size limit a write then fails with EFBIG, which the file writer
  // reports, instead of ending the process with a half-written file.
  std::signal(SIGXFSZ, SIG_IGN);
  StandardOutputBuffer buffer;
  std::ostream out(&buffer);
  const std::vector<std::string> args(argv + 1, argv + argc);
  const int status = vellmora::RunCli(args, out, std::cerr);
  out.flush();
  if (buffer.Error() != 0) {
    std::cerr << "vellmora-cli: cannot write standard output: " << std::strerror(buffer.Error()) << '\n';
    return 1;
  }
  return status;
}
