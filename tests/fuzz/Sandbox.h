#pragma once
// The folder the fuzzer's programs act in: made once per process on tmpfs
// (/dev/shm, or $TARNIX_FUZZ_SANDBOX), laid out anew before every program
// and the current directory while one runs, so that relative names land in
// it. libFuzzer reads and writes its own files between programs, in the
// current directory it was started in; a finding it writes during a program
// goes by an absolute -artifact_prefix (run-fuzz.sh gives one).

#include <string>

#include "platform/Text.h"

namespace tarnix::fuzz {

class Sandbox {
 public:
  // The process's sandbox, made and entered on the first call.
  static Sandbox& Instance();

  // Empties the sandbox, lays out the fixture (files of several kinds and
  // names, a hidden one, a FIFO, nested folders, an empty folder) and makes
  // it the current directory.
  void Enter() const;
  // Back to the directory the process started in.
  void Leave() const;

  // The sandbox, ending in "/".
  const std::string& Root() const { return root_; }

  // Whether `path`, as the POSIX back end will read it ("\" as "/", relative
  // to the current directory, and also as cut at a NUL, were anything to cut
  // it), stays inside the sandbox; `strictly`: and is not the sandbox itself.
  // The sandbox holds no symbolic links, so the path's text decides.
  bool Holds(TextView path, bool strictly) const;

 private:
  Sandbox();
  ~Sandbox();
  bool HoldsNative(const std::string& path, bool strictly) const;
  const Text& RootText() const;

  std::string root_;
  int started_in_ = -1;  // the directory the process started in
};

}  // namespace tarnix::fuzz
