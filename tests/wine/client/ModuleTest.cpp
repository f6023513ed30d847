// The DLL's entry points called directly: class objects, the unload answer,
// and the exports by ordinal.
#include <gtest/gtest.h>

#include "ClientSupport.h"
#include "contract/ExpectedContract.h"

namespace tarnix::client {
namespace {

using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using CanUnloadNow = HRESULT(STDAPICALLTYPE*)();

class EntryPoints : public ::testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryW(DllPath().c_str());
    ASSERT_NE(module_, nullptr);
    getClassObject_ = reinterpret_cast<GetClassObject>(reinterpret_cast<void*>(GetProcAddress(module_, "DllGetClassObject")));
    canUnloadNow_ = reinterpret_cast<CanUnloadNow>(reinterpret_cast<void*>(GetProcAddress(module_, "DllCanUnloadNow")));
    ASSERT_NE(getClassObject_, nullptr);
    ASSERT_NE(canUnloadNow_, nullptr);
  }
  void TearDown() override { FreeLibrary(module_); }

  HMODULE module_ = nullptr;
  GetClassObject getClassObject_ = nullptr;
  CanUnloadNow canUnloadNow_ = nullptr;
};

TEST_F(EntryPoints, AreExportedByOrdinalsOneToFour) {
  const char* names[] = {"DllCanUnloadNow", "DllGetClassObject", "DllRegisterServer", "DllUnregisterServer"};
  for (WORD ordinal = 1; ordinal <= 4; ++ordinal) {
    FARPROC byName = GetProcAddress(module_, names[ordinal - 1]);
    EXPECT_NE(byName, nullptr) << names[ordinal - 1];
    EXPECT_EQ(GetProcAddress(module_, MAKEINTRESOURCEA(ordinal)), byName) << names[ordinal - 1];
  }
}

TEST_F(EntryPoints, HandOutNothingForAnotherClass) {
  const GUID other = GuidOf("{7E5A9504-758F-11D1-AF4E-000000000000}");
  IClassFactory* factory = reinterpret_cast<IClassFactory*>(0x1);
  EXPECT_EQ(getClassObject_(other, IID_IClassFactory, reinterpret_cast<void**>(&factory)),
            CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(factory, nullptr);
  EXPECT_EQ(getClassObject_(__uuidof(_Files), IID_IClassFactory, reinterpret_cast<void**>(&factory)),
            CLASS_E_CLASSNOTAVAILABLE);  // an interface identifier is no class
}

TEST_F(EntryPoints, MayUnloadOnlyWithoutLiveObjectsOrLocks) {
  ASSERT_EQ(canUnloadNow_(), S_OK);
  for (const contract::Interface* expected : {&contract::kFilesInterface, &contract::kFileInterface}) {
    IClassFactory* factory = nullptr;
    ASSERT_EQ(getClassObject_(GuidOf(expected->clsid), IID_IClassFactory, reinterpret_cast<void**>(&factory)),
              S_OK);
    IDispatch* object = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&object)), S_OK);
    IUnknown* outer = reinterpret_cast<IUnknown*>(object);
    IUnknown* aggregated = nullptr;
    EXPECT_EQ(factory->CreateInstance(outer, IID_IUnknown, reinterpret_cast<void**>(&aggregated)),
              CLASS_E_NOAGGREGATION);
    EXPECT_EQ(canUnloadNow_(), S_FALSE);
    object->Release();
    EXPECT_EQ(canUnloadNow_(), S_OK);

    EXPECT_EQ(factory->LockServer(TRUE), S_OK);
    EXPECT_EQ(canUnloadNow_(), S_FALSE);
    EXPECT_EQ(factory->LockServer(FALSE), S_OK);
    EXPECT_EQ(canUnloadNow_(), S_OK);
    factory->Release();
  }
}

TEST_F(EntryPoints, CountTheEnumeratorAndEntriesAsLiveObjects) {
  IClassFactory* factory = nullptr;
  ASSERT_EQ(getClassObject_(GuidOf(contract::kFilesInterface.clsid), IID_IClassFactory,
                            reinterpret_cast<void**>(&factory)),
            S_OK);
  _Files* files = nullptr;
  ASSERT_EQ(factory->CreateInstance(nullptr, __uuidof(_Files), reinterpret_cast<void**>(&files)), S_OK);
  factory->Release();
  BSTR empty = SysAllocString(L"");
  BSTR name = SysAllocString(L"x");
  _File* entry = nullptr;
  files->Add(empty, name, 0, 0, nullptr, &entry);
  SysFreeString(empty);
  SysFreeString(name);
  IUnknown* enumerator = nullptr;
  ASSERT_EQ(files->get_NewEnum(&enumerator), S_OK);
  files->Release();
  EXPECT_EQ(canUnloadNow_(), S_FALSE);
  enumerator->Release();
  EXPECT_EQ(canUnloadNow_(), S_FALSE);
  entry->Release();
  EXPECT_EQ(canUnloadNow_(), S_OK);
}

}  // namespace
}  // namespace tarnix::client
