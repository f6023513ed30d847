#pragma once

#include "platform/Text.h"

namespace tarnix {

// Deletes every file the name designates; its last component may hold "*" and
// "?". Directories are never deleted. Fails with 53 when no file matches; when
// some matches cannot be deleted, deletes the others and raises the first
// failure.
void DeleteFiles(TextView name);

}  // namespace tarnix
