#pragma once
// What an OpenedFile holds on POSIX: a descriptor and the name it was opened
// by, for failures.

#include <unistd.h>

#include <string>

#include "platform/FileSystem.h"

namespace tarnix {

struct OpenedFile::Handle {
  Handle() = default;
  Handle(int openedDescriptor, std::string openedPath)
      : descriptor(openedDescriptor), path(std::move(openedPath)) {}
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() {
    if (descriptor >= 0) ::close(descriptor);
  }
  int descriptor = -1;
  std::string path;
};

}  // namespace tarnix
