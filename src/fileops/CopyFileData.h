#pragma once

#include "platform/Text.h"

namespace tarnix {

// Copies the bytes of the file `fromName` to the file `toName`, which is
// created when absent and replaced, in one step, when it exists: the copy is
// written beside it and takes its place once complete. Returns false, raising
// nothing, when anything fails: the source is not found by a first-match
// search that skips hidden, system and directory entries (then nothing is
// opened), a file cannot be opened, read or written, an existing destination
// may not be written, or the folder takes no new file. A failure leaves the
// destination exactly as it was, or still absent, and nothing else behind.
// Copying a file onto itself, by any spelling of its name, leaves it intact
// and returns true. Files of any size copy.
bool CopyFileData(TextView fromName, TextView toName) noexcept;

}  // namespace tarnix
