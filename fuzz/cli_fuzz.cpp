#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QGuiApplication>
#include <cerrno>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"

// vellmora-cli as a user reaches it: its arguments and the environment it runs
// in. The first byte of the input picks QT_QPA_PLATFORM, LANG/LC_ALL and
// TMPDIR; the second decides whether the real program is started as well; the
// rest, split at NUL bytes, is the argument list. Every run gets a fresh
// private folder (mkdtemp) into which every --png FILE is redirected ("-",
// standard output, stays). Whatever the input: the status is 0, 1 or 2; a failed
// run explains itself on standard error and prints nothing on standard output;
// a PNG that was announced exists. The in-process run gives libFuzzer its
// coverage; one input in 32 also runs the program itself with that environment
// and must agree with it, since only the program reads QT_QPA_PLATFORM.

namespace {

constexpr std::size_t kMaxArguments = 8;
constexpr unsigned kProgramRunsOneIn = 32;
constexpr std::string_view kPngSignature = "\x89PNG\r\n\x1A\n";

const char* const kPlatforms[] = {nullptr, "offscreen", "xcb", "wayland", "minimal", "", "bogus", "eglfs"};
const char* const kLocales[] = {nullptr, "C", "C.UTF-8", "POSIX", "de_DE.UTF-8", "tr_TR.UTF-8", "", "x"};
enum class TmpDir { Unset, RunFolder, Missing, Empty };

void Require(bool condition) {
  if (!condition) std::abort();
}

void SetOrUnset(const char* name, const char* value) {
  if (value == nullptr) {
    unsetenv(name);
  } else {
    setenv(name, value, 1);
  }
}

// The private folder of the whole fuzzing process, made once.
const std::filesystem::path& PrivateBase() {
  static const std::filesystem::path base = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "vellmora-cli-fuzz-XXXXXX").string();
    Require(mkdtemp(pattern.data()) != nullptr);
    return std::filesystem::path(pattern);
  }();
  return base;
}

// A fresh folder of one run, removed with it.
class RunFolder {
 public:
  RunFolder() {
    std::string pattern = (PrivateBase() / "run-XXXXXX").string();
    Require(mkdtemp(pattern.data()) != nullptr);
    path_ = pattern;
  }
  ~RunFolder() { std::filesystem::remove_all(path_); }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

struct Outcome {
  int Status;
  std::string Out;
  std::string Err;
};

void RequireWellBehaved(const Outcome& run) {
  Require(run.Status == 0 || run.Status == 1 || run.Status == 2);
  if (run.Status != 0) Require(!run.Err.empty() && run.Out.empty());
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The program itself, with the arguments and the environment of this run.
Outcome RunProgram(const std::vector<std::string>& args, const std::filesystem::path& folder) {
  const std::filesystem::path outPath = PrivateBase() / "program.out";
  const std::filesystem::path errPath = PrivateBase() / "program.err";
  const pid_t child = fork();
  Require(child >= 0);
  if (child == 0) {
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 || chdir(folder.c_str()) != 0) _exit(120);
    // A sanitizer's report must not pass for the program's own status 1.
    setenv("ASAN_OPTIONS", "exitcode=121:detect_leaks=0", 1);
    setenv("UBSAN_OPTIONS", "halt_on_error=1:exitcode=122", 1);
    std::vector<char*> argv{const_cast<char*>(VELLMORA_CLI_PROGRAM)};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(VELLMORA_CLI_PROGRAM, argv.data());
    _exit(123);
  }
  int wait = 0;
  pid_t waited = 0;
  do {
    waited = waitpid(child, &wait, 0);  // libFuzzer's timer signal interrupts the wait
  } while (waited < 0 && errno == EINTR);
  Require(waited == child);
  Require(WIFEXITED(wait));  // a signal (an abort of Qt, a crash) is a finding
  return {WEXITSTATUS(wait), ReadFile(outPath), ReadFile(errPath)};
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  // The map command paints with Qt's raster engine, which needs an application and its fonts.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QGuiApplication application(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const unsigned environment = data[0];
  const bool runProgram = data[1] % kProgramRunsOneIn == 0;
  std::vector<std::string> args;
  std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
  while (!rest.empty() && args.size() < kMaxArguments) {
    const std::size_t nul = rest.find('\0');
    args.emplace_back(rest.substr(0, nul));
    rest = nul == std::string_view::npos ? std::string_view() : rest.substr(nul + 1);
  }

  const RunFolder folder;
  // Every PNG goes into the run's folder: a path with a folder in it to one that does not exist.
  std::optional<std::filesystem::path> png;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i - 1] != "--png" || args[i] == "-") continue;
    png = folder.Path() / (args[i].find('/') == std::string::npos ? "map.png" : "missing/map.png");
    args[i] = png->string();
  }

  SetOrUnset("QT_QPA_PLATFORM", kPlatforms[environment % 8]);
  const char* locale = kLocales[environment / 8 % 8];
  SetOrUnset("LANG", locale);
  SetOrUnset("LC_ALL", locale);
  switch (static_cast<TmpDir>(environment / 64)) {
    case TmpDir::Unset:
      unsetenv("TMPDIR");
      break;
    case TmpDir::RunFolder:
      setenv("TMPDIR", folder.Path().c_str(), 1);
      break;
    case TmpDir::Missing:
      setenv("TMPDIR", (folder.Path() / "missing").c_str(), 1);
      break;
    case TmpDir::Empty:
      setenv("TMPDIR", "", 1);
      break;
  }
  // As the program's start-up does (Qt sets the C locale from the environment).
  std::setlocale(LC_ALL, "");

  std::ostringstream out;
  std::ostringstream err;
  const Outcome inProcess{vellmora::RunCli(args, out, err), out.str(), err.str()};
  std::setlocale(LC_ALL, "C");
  RequireWellBehaved(inProcess);
  if (inProcess.Status == 0 && png && inProcess.Out == png->string() + "\n") {
    Require(ReadFile(*png).starts_with(kPngSignature));
  }
  const bool pngToStandardOutput = inProcess.Status == 0 && inProcess.Out.starts_with(kPngSignature);

  if (runProgram) {
    const Outcome program = RunProgram(args, folder.Path());
    RequireWellBehaved(program);
    Require(program.Status == inProcess.Status);
    // The same text; a PNG on standard output need only be one (Qt's encoder may differ in its chunks).
    Require(pngToStandardOutput ? program.Out.starts_with(kPngSignature) : program.Out == inProcess.Out);
  }
  unsetenv("TMPDIR");
  return 0;
}
