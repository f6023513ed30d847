#pragma once
// The file services the operations rely on. Each takes a complete name (either
// separator, "\" or "/") and raises a Failure with a classic number where one
// fits: 53 file not found, 76 path not found, 58 file already exists, 75 path/
// file access error, 70 permission denied, 52 bad file name (an embedded NUL
// among them). Other errors keep the system's own number and text.
// The names keep clear of the Windows API's macros (DeleteFile, MoveFile...).

#include <cstdint>
#include <memory>
#include <optional>

#include "platform/Text.h"

namespace tarnix {

// Removes one existing, empty directory.
void RemoveFolder(TextView path);
// Creates one directory whose parent exists.
void CreateFolder(TextView path);
// Gives a file or directory a new name, possibly in another directory; fails
// when the new name is taken, never replacing it.
void RenameEntry(TextView from, TextView to);
// Deletes one file (no wildcards); a directory is refused.
void DeleteSingleFile(TextView path);

// The device and file number of an open file: equal for two names of one file.
struct FileIdentity {
  std::uint64_t volume = 0;
  std::uint64_t file = 0;
  bool operator==(const FileIdentity&) const = default;
};

// A file opened for copying. Closed by Close() or, silently, by the destructor.
class OpenedFile {
 public:
  // Opens an existing file for reading.
  static OpenedFile ForReading(TextView path);
  // Opens an existing file for writing without changing a byte of it: the
  // test that it may be written. Nothing when there is no such file.
  static std::optional<OpenedFile> ForWritingIfPresent(TextView path);

  OpenedFile(OpenedFile&&) noexcept;
  OpenedFile& operator=(OpenedFile&&) noexcept;
  ~OpenedFile();

  FileIdentity Identity() const;
  // Copies everything from this file's position to the end into `destination`
  // at its position, through one bounded buffer or in the kernel; returns the
  // number of bytes copied.
  std::uint64_t CopyTo(OpenedFile& destination);
  // Closes, reporting a failure the system reports on closing.
  void Close();

  struct Handle;

 private:
  friend class ReplacementFile;
  explicit OpenedFile(std::unique_ptr<Handle> handle);
  std::unique_ptr<Handle> handle_;
};

}  // namespace tarnix
