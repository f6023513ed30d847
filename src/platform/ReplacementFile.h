#pragma once
// A new file that takes a destination's place in one step, so that a copy
// never leaves a destination half-written. The bytes go into a file of its
// own in the destination's folder; only Commit(), once every byte is
// written, puts it in place. Until then, and whenever anything fails, the
// destination is exactly as it was (or still absent), and the new file
// vanishes with this object: nothing is left in the folder.
//
// A destination with several hard links becomes a file of its own: the other
// names keep the old content. A symbolic link as destination stays; the file
// it names is replaced.

#include <memory>

#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace tarnix {

class ReplacementFile {
 public:
  // Creates the new, empty file beside `destination`, under a name that no
  // other file has and that never passes for the destination (hidden, and
  // ending in ".tmp"). Raises a Failure when the folder does not allow it.
  static ReplacementFile Beside(TextView destination);

  ReplacementFile(ReplacementFile&&) noexcept;
  ReplacementFile& operator=(ReplacementFile&&) noexcept;
  // Removes the new file unless it was committed.
  ~ReplacementFile();

  // The new file, open for writing at its start.
  OpenedFile& Contents();

  // Closes the new file and puts it in the destination's place. An existing
  // destination's permissions carry over (POSIX: its mode and, where this
  // process may set it, its owner; Windows: its attributes, security and
  // creation time). Raises a Failure, the destination untouched, when the
  // file cannot be closed or put in place.
  void Commit();

  struct State;

 private:
  explicit ReplacementFile(std::unique_ptr<State> state);
  std::unique_ptr<State> state_;
};

}  // namespace tarnix
