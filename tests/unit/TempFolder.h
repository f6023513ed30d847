#pragma once
// A real, empty folder for one test, removed with everything in it afterwards.
// Its Path() is written with "\" separators on every platform, as scripts write
// paths; the POSIX back end reads "\" as a separator too.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Text.h"

namespace tarnix::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder, ending in "\".
  const Text& Path() const { return path_; }
  // The folder followed by `name` (which may hold "\" for subfolders).
  Text operator/(TextView name) const { return path_ + Text(name); }

  void Write(TextView name, std::string_view bytes) const;
  // A file of `size` bytes that takes no room on disk, with `marker` written
  // at each of the offsets given.
  void WriteSparse(TextView name, std::uint64_t size,
                   std::initializer_list<std::uint64_t> markerOffsets = {}) const;
  std::string Read(TextView name) const;
  std::string ReadRange(TextView name, std::uint64_t offset, std::size_t count) const;
  bool Holds(TextView name) const;
  // The names of everything in the folder itself, hidden ones included, in
  // UTF-8 and sorted.
  std::vector<std::string> Names() const;
  std::uint64_t SizeOf(TextView name) const;
  void MakeFolder(TextView name) const;
  // Marks the file hidden where the file system has such a mark (Windows);
  // on POSIX a name beginning with "." is what makes it hidden.
  void MakeHidden(TextView name) const;
  void SetWriteTime(TextView name, int year, int month, int day, int hour, int minute, int second) const;

  // The marker WriteSparse puts at each offset, and what a copy must keep.
  static constexpr std::string_view kMarker = "<marker>";

 private:
  Text path_;
};

// Whether no handle of this process keeps the file open.
bool NobodyHoldsOpen(TextView path);

}  // namespace tarnix::test
