#pragma once
// How names reach the POSIX calls: UTF-8, "\" turned into "/", and refused
// (52, "Bad file name or number") when they hold a NUL, which would cut them short.

#include <string>

#include "platform/Failure.h"
#include "platform/Text.h"

namespace tarnix::posix {

bool HoldsNul(TextView path);
std::string NativePath(TextView path);

// The failure for an errno value met while acting on `path`.
Failure ErrnoFailure(int error, const std::string& path);

}  // namespace tarnix::posix
