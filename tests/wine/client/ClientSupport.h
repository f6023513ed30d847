#pragma once
// Shared by the client's tests: COM set up once per process, the path of the
// DLL under test, and small conversions.

#include <windows.h>
#include <oaidl.h>

#include <string>

#include "Tarnix_h.h"

namespace tarnix::client {

// Tarnix.dll as a Windows path, from $TARNIX_DLL (a Unix path is read as one
// on Wine's Z: drive).
std::wstring DllPath();

std::wstring Widen(const char16_t* text);
GUID GuidOf(const char* text);

// An owned VARIANT.
struct Variant : VARIANT {
  Variant() { VariantInit(this); }
  explicit Variant(LONG number) : Variant() {
    vt = VT_I4;
    lVal = number;
  }
  explicit Variant(const wchar_t* text) : Variant() {
    vt = VT_BSTR;
    bstrVal = SysAllocString(text);
  }
  ~Variant() { VariantClear(this); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
};

// An owned BSTR.
struct Bstr {
  BSTR text = nullptr;
  ~Bstr() { SysFreeString(text); }
  std::wstring Value() const { return text != nullptr ? std::wstring(text, SysStringLen(text)) : std::wstring(); }
};

}  // namespace tarnix::client
