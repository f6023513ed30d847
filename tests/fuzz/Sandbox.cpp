#include "Sandbox.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace tarnix::fuzz {
namespace {

namespace fs = std::filesystem;

// The names between the slashes, empty ones and "." left out.
std::vector<std::string> Components(const std::string& path) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    std::string part = path.substr(start, end - start);
    if (!part.empty() && part != ".") parts.push_back(std::move(part));
    start = end + 1;
  }
  return parts;
}

void WriteFile(const std::string& path, std::size_t size, char fill) {
  std::ofstream(path, std::ios::binary) << std::string(size, fill);
}

}  // namespace

Sandbox& Sandbox::Instance() {
  static Sandbox sandbox;
  return sandbox;
}

Sandbox::Sandbox() {
  const char* configured = std::getenv("TARNIX_FUZZ_SANDBOX");
  std::string base = configured != nullptr ? configured : fs::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
  root_ = fs::weakly_canonical(base).string() + "/tarnix-fuzz-" + std::to_string(::getpid()) + "/";
  fs::create_directories(root_);
  started_in_ = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (started_in_ < 0) {
    std::perror("tarnix fuzz: cannot hold the current directory");
    std::abort();
  }
}

const Text& Sandbox::RootText() const {
  static const Text root = FromUtf8(root_);
  return root;
}

Sandbox::~Sandbox() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

void Sandbox::Leave() const {
  if (::fchdir(started_in_) != 0) std::abort();
}

void Sandbox::Enter() const {
  if (::chdir(root_.c_str()) != 0) {
    std::perror("tarnix fuzz: cannot enter the sandbox");
    std::abort();
  }
  std::error_code ignored;
  for (const auto& entry : fs::directory_iterator(root_, ignored)) fs::remove_all(entry.path(), ignored);
  WriteFile(root_ + "a.txt", 3, 'a');
  WriteFile(root_ + "B.TXT", 2, 'b');
  WriteFile(root_ + "c.bat", 0, 'c');
  WriteFile(root_ + ".hidden", 6, 'h');
  WriteFile(root_ + "with space.txt", 5, 's');
  WriteFile(root_ + "\xC3\x89t\xC3\xA9.txt", 4, 'e');  // Été.txt
  WriteFile(root_ + "\xE2\x84\xAA" "elvin.txt", 1, 'k');  // the Kelvin sign
  WriteFile(root_ + "readonly.txt", 8, 'r');
  ::chmod((root_ + "readonly.txt").c_str(), 0444);
  ::mkfifo((root_ + "fifo").c_str(), 0644);
  fs::create_directories(root_ + "sub/deeper", ignored);
  fs::create_directories(root_ + "empty", ignored);
  WriteFile(root_ + "sub/inner.txt", 100, 'i');
  WriteFile(root_ + "sub/a.txt", 1, 'x');
  WriteFile(root_ + "sub/deeper/x.log", 9, 'l');
}

bool Sandbox::Holds(TextView path, bool strictly) const {
  // Most names are relative and climb nowhere: they stay below the current
  // directory, the sandbox, and name something in it when they name more
  // than dots and separators.
  // The same holds for what follows the sandbox's own absolute path.
  const bool absolute = !path.empty() && (path[0] == u'/' || path[0] == u'\\');
  TextView rest = path;
  if (absolute) {
    const Text& root = RootText();
    if (path.size() < root.size()) return HoldsNative(ToUtf8(path), strictly);
    for (std::size_t i = 0; i < root.size(); ++i) {
      const char16_t c = path[i] == u'\\' ? u'/' : path[i];
      if (c != root[i]) return HoldsNative(ToUtf8(path), strictly);
    }
    rest = path.substr(root.size());
  }
  if (rest.find(u"..") == TextView::npos && rest.find(u'\0') == TextView::npos &&
      rest.find_first_not_of(u"./\\") != TextView::npos) {
    return true;
  }
  std::string native = ToUtf8(path);
  for (char& c : native) {
    if (c == '\\') c = '/';
  }
  const std::size_t nul = native.find('\0');
  if (nul != std::string::npos && !HoldsNative(native.substr(0, nul), strictly)) return false;
  return HoldsNative(native, strictly);
}

bool Sandbox::HoldsNative(const std::string& path, bool strictly) const {
  const std::vector<std::string> root = Components(root_);
  std::vector<std::string> resolved;
  if (path.empty() || path[0] != '/') resolved = root;
  for (const std::string& part : Components(path)) {
    if (part != "..") {
      resolved.push_back(part);
    } else if (!resolved.empty()) {  // "/.." is "/"
      resolved.pop_back();
    }
  }
  if (resolved.size() < root.size() + (strictly ? 1 : 0)) return false;
  for (std::size_t i = 0; i < root.size(); ++i) {
    if (resolved[i] != root[i]) return false;
  }
  return true;
}

}  // namespace tarnix::fuzz
