#include "automation/com/Module.h"

#include <atomic>

namespace tarnix::com {
namespace {

HMODULE module = nullptr;
std::atomic<long> references{0};

}  // namespace

HMODULE ModuleHandle() { return module; }

std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return std::wstring();
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

void AddModuleReference() { references.fetch_add(1, std::memory_order_relaxed); }
void ReleaseModuleReference() { references.fetch_sub(1, std::memory_order_acq_rel); }
bool ModuleInUse() { return references.load(std::memory_order_acquire) != 0; }

}  // namespace tarnix::com

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    tarnix::com::module = instance;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}
