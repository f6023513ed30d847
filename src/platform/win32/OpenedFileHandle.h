#pragma once
// What an OpenedFile holds on Windows: a file handle.

#include <windows.h>

#include "platform/FileSystem.h"

namespace tarnix {

struct OpenedFile::Handle {
  Handle() = default;
  explicit Handle(HANDLE openedFile) : file(openedFile) {}
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() {
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  }
  HANDLE file = INVALID_HANDLE_VALUE;
};

}  // namespace tarnix
