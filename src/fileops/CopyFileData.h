#pragma once

#include "platform/Text.h"

namespace tarnix {

// Copies the bytes of the file `fromName` over the file `toName`, which is
// created when absent and ends at the source's length. Returns false, raising
// nothing, when anything fails: the source is not found by a first-match
// search that skips hidden, system and directory entries (then nothing is
// opened and the destination is untouched), a file cannot be opened, read or
// written. Copying a file onto itself, by any spelling of its name, leaves it
// intact and returns true. Files of any size copy.
bool CopyFileData(TextView fromName, TextView toName) noexcept;

}  // namespace tarnix
