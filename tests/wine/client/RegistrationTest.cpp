// What regsvr32 wrote: the in-process server with its threading model, the
// type library, and the two interfaces for the automation marshaller.
#include <gtest/gtest.h>

#include <string>

#include "ClientSupport.h"
#include "contract/ExpectedContract.h"

namespace tarnix::client {
namespace {

// The text value `name` (null: the default value) of HKEY_CLASSES_ROOT\key.
std::wstring ClassesValue(const std::wstring& key, const wchar_t* name = nullptr) {
  wchar_t value[1024] = {};
  DWORD size = sizeof value;
  LSTATUS status = RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &size);
  return status == ERROR_SUCCESS ? value : L"(missing)";
}

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text) c = towlower(c);
  return text;
}

std::wstring Braced(const char* guid) { return std::wstring(guid, guid + std::char_traits<char>::length(guid)); }

TEST(Registration, NamesTheDllWithApartmentThreadingForBothClasses) {
  for (const contract::Interface* expected : {&contract::kFilesInterface, &contract::kFileInterface}) {
    const std::wstring clsidKey = L"CLSID\\" + Braced(expected->clsid);
    EXPECT_EQ(Lower(ClassesValue(clsidKey + L"\\InprocServer32")), Lower(DllPath()));
    EXPECT_EQ(ClassesValue(clsidKey + L"\\InprocServer32", L"ThreadingModel"), L"Apartment");
    EXPECT_EQ(ClassesValue(clsidKey + L"\\ProgID"), Widen(expected->progId));
    EXPECT_EQ(Lower(ClassesValue(clsidKey + L"\\TypeLib")), Lower(Braced(contract::kTypeLibraryId)));
    EXPECT_EQ(Lower(ClassesValue(Widen(expected->progId) + L"\\CLSID")), Lower(Braced(expected->clsid)));
  }
}

TEST(Registration, LetsTheAutomationMarshallerCarryBothInterfaces) {
  const std::wstring automationMarshaller = L"{00020424-0000-0000-c000-000000000046}";
  for (const contract::Interface* expected : {&contract::kFilesInterface, &contract::kFileInterface}) {
    const std::wstring interfaceKey = L"Interface\\" + Braced(expected->iid);
    EXPECT_EQ(Lower(ClassesValue(interfaceKey + L"\\ProxyStubClsid32")), automationMarshaller);
    EXPECT_EQ(Lower(ClassesValue(interfaceKey + L"\\TypeLib")), Lower(Braced(contract::kTypeLibraryId)));
  }
#ifdef _WIN64
  const wchar_t* system = L"win64";
#else
  const wchar_t* system = L"win32";
#endif
  const std::wstring library = L"TypeLib\\" + Braced(contract::kTypeLibraryId) + L"\\1.0\\0\\" + system;
  EXPECT_EQ(Lower(ClassesValue(library)), Lower(DllPath()));
}

}  // namespace
}  // namespace tarnix::client
