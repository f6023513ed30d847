#pragma once
// Names for the files a copy writes before they take a destination's place.

#include "platform/Text.h"

namespace tarnix {

// A new name on every call, such as ".tarnix-3f9a0c1d5e7b2468.tmp": hidden
// on POSIX by its leading dot, never the name of a script's file, and unlikely
// to be taken. Whoever creates a file under it must still do so exclusively
// and ask again when the name is taken.
Text TemporaryFileName();

// How many names to try before giving up on a folder.
inline constexpr int kTemporaryNameAttempts = 64;

}  // namespace tarnix
