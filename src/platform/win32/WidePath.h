#pragma once
// How names reach the wide Windows calls: as UTF-16, never through the ANSI
// code page, and refused (52, "Bad file name or number") when they hold a NUL,
// which would cut them short.

#include <windows.h>

#include <string>

#include "platform/Failure.h"
#include "platform/Text.h"

namespace tarnix::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "wide characters are UTF-16 units on Windows");

bool HoldsNul(TextView path);
std::wstring WidePath(TextView path);

// The failure for a GetLastError() code.
Failure LastErrorFailure(DWORD error);

}  // namespace tarnix::win32
