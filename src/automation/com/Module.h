#pragma once
// What the DLL knows of itself: its instance handle and the one count shared
// by all threads, of live objects and class factory locks.

#include <windows.h>

#include <string>

namespace tarnix::com {

HMODULE ModuleHandle();
std::wstring ModulePath();

void AddModuleReference();
void ReleaseModuleReference();
bool ModuleInUse();

// Counts one live object for as long as it exists.
class ModuleReference {
 public:
  ModuleReference() { AddModuleReference(); }
  ~ModuleReference() { ReleaseModuleReference(); }
  ModuleReference(const ModuleReference&) = delete;
  ModuleReference& operator=(const ModuleReference&) = delete;
};

}  // namespace tarnix::com
