// DllRegisterServer and DllUnregisterServer: the classes, their ProgIDs both
// ways, the type library and, through it, the two interfaces.
#include <windows.h>
#include <olectl.h>

#include <string>

#include "automation/com/Classes.h"
#include "automation/com/Module.h"
#include "automation/com/TypeLibrary.h"

namespace tarnix::com {
namespace {

#ifdef _WIN64
constexpr SYSKIND kSystem = SYS_WIN64;
#else
constexpr SYSKIND kSystem = SYS_WIN32;
#endif

std::wstring GuidText(const GUID& guid) {
  wchar_t text[40] = {};
  StringFromGUID2(guid, text, 40);
  return text;
}

LSTATUS SetValue(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  HKEY handle = nullptr;
  LSTATUS status = RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                   KEY_SET_VALUE, nullptr, &handle, nullptr);
  if (status != ERROR_SUCCESS) return status;
  status = RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(handle);
  return status;
}

LSTATUS RegisterClass(const ClassRegistration& entry, const std::wstring& modulePath) {
  const std::wstring clsidKey = L"CLSID\\" + GuidText(*entry.creatable.clsid);
  const std::wstring progIdKey = entry.progId;
  const struct {
    std::wstring key;
    const wchar_t* name;
    std::wstring value;
  } values[] = {
      {clsidKey, nullptr, entry.description},
      {clsidKey + L"\\InprocServer32", nullptr, modulePath},
      {clsidKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
      {clsidKey + L"\\ProgID", nullptr, entry.progId},
      {clsidKey + L"\\TypeLib", nullptr, GuidText(kTypeLibraryId)},
      {clsidKey + L"\\Version", nullptr, L"1.0"},
      {progIdKey, nullptr, entry.description},
      {progIdKey + L"\\CLSID", nullptr, GuidText(*entry.creatable.clsid)},
  };
  for (const auto& value : values) {
    LSTATUS status = SetValue(value.key, value.name, value.value);
    if (status != ERROR_SUCCESS) return status;
  }
  return ERROR_SUCCESS;
}

LSTATUS DeleteTree(const std::wstring& key) {
  LSTATUS status = RegDeleteTreeW(HKEY_CLASSES_ROOT, key.c_str());
  if (status == ERROR_SUCCESS) status = RegDeleteKeyW(HKEY_CLASSES_ROOT, key.c_str());
  return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
}

}  // namespace
}  // namespace tarnix::com

STDAPI DllRegisterServer() {
  using namespace tarnix::com;
  std::wstring modulePath = ModulePath();
  if (modulePath.empty()) return SELFREG_E_CLASS;
  // The help folder is the DLL's own, written as the packages write it.
  std::wstring folder = modulePath.substr(0, modulePath.find_last_of(L'\\') + 1);
  ComPtr<ITypeLib> library;
  HRESULT result = LoadOwnTypeLibrary(library);
  if (SUCCEEDED(result)) result = RegisterTypeLib(library.Get(), modulePath.data(), folder.data());
  if (FAILED(result)) return SELFREG_E_TYPELIB;
  for (const ClassRegistration& entry : kClassRegistrations) {
    LSTATUS status = RegisterClass(entry, modulePath);
    if (status != ERROR_SUCCESS) return HRESULT_FROM_WIN32(status);
  }
  return S_OK;
}

STDAPI DllUnregisterServer() {
  using namespace tarnix::com;
  HRESULT result = S_OK;
  for (const ClassRegistration& entry : kClassRegistrations) {
    for (const std::wstring& key : {L"CLSID\\" + GuidText(*entry.creatable.clsid), std::wstring(entry.progId)}) {
      LSTATUS status = DeleteTree(key);
      if (status != ERROR_SUCCESS && SUCCEEDED(result)) result = HRESULT_FROM_WIN32(status);
    }
  }
  HRESULT typeLibrary = UnRegisterTypeLib(kTypeLibraryId, 1, 0, LOCALE_NEUTRAL, kSystem);
  if (FAILED(typeLibrary) && typeLibrary != TYPE_E_REGISTRYACCESS && SUCCEEDED(result)) result = SELFREG_E_TYPELIB;
  return result;
}
