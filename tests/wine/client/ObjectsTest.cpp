// The objects as a compiled client sees them: vtable slots called directly,
// error information after a failure, IDispatch as script hosts drive it, and
// the enumerator.
#include <gtest/gtest.h>

#include "ClientSupport.h"
#include "contract/ExpectedContract.h"

namespace tarnix::client {
namespace {

template <class Interface>
Interface* Create(const char* clsid) {
  Interface* object = nullptr;
  EXPECT_EQ(CoCreateInstance(GuidOf(clsid), nullptr, CLSCTX_INPROC_SERVER, __uuidof(Interface),
                             reinterpret_cast<void**>(&object)),
            S_OK);
  return object;
}

// Calls the function at a vtable slot, as a client compiled against the
// contract's slot numbers does.
template <class... Arguments>
HRESULT CallSlot(void* object, int slot, Arguments... arguments) {
  using Function = HRESULT(STDMETHODCALLTYPE*)(void*, Arguments...);
  void** vtable = *static_cast<void***>(object);
  return reinterpret_cast<Function>(vtable[slot])(object, arguments...);
}

TEST(Slots, ReachTheMembersTheContractNames) {
  _Files* files = Create<_Files>(contract::kFilesInterface.clsid);
  ASSERT_NE(files, nullptr);
  BSTR path = SysAllocString(L"  C:\\data ");
  EXPECT_EQ(CallSlot(files, 15, path), S_OK);  // Path put comes before its get
  SysFreeString(path);
  Bstr stored;
  EXPECT_EQ(CallSlot(files, 16, &stored.text), S_OK);
  EXPECT_EQ(stored.Value(), L"C:\\data\\");
  Bstr attributes;
  EXPECT_EQ(CallSlot(files, 11, &attributes.text), S_OK);
  EXPECT_EQ(attributes.Value(), L"-1");

  BSTR folder = SysAllocString(L"C:\\");
  BSTR name = SysAllocString(L"a.txt");
  _File* added = nullptr;
  EXPECT_EQ(CallSlot(files, 26, folder, name, LONG{33}, LONG{-1}, static_cast<BSTR>(nullptr), &added), S_OK);
  SysFreeString(folder);
  SysFreeString(name);
  ASSERT_NE(added, nullptr);
  LONG count = 0;
  EXPECT_EQ(CallSlot(files, 28, &count), S_OK);
  EXPECT_EQ(count, 1);

  LONG size = 0;
  EXPECT_EQ(CallSlot(added, 11, &size), S_OK);
  EXPECT_EQ(size, -1);
  EXPECT_EQ(CallSlot(added, 12, LONG{7}), S_OK);
  Variant position(1);
  _File* item = nullptr;
  EXPECT_EQ(CallSlot(files, 27, static_cast<VARIANT>(position), &item), S_OK);
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(CallSlot(item, 11, &size), S_OK);
  EXPECT_EQ(size, 7);  // the same entry behind both objects
  Bstr entryName;
  EXPECT_EQ(CallSlot(item, 7, &entryName.text), S_OK);
  EXPECT_EQ(entryName.Value(), L"a.txt");
  item->Release();
  added->Release();
  files->Release();
}

TEST(ErrorInformation, DescribesAFailedSlotCall) {
  _Files* files = Create<_Files>(contract::kFilesInterface.clsid);
  ASSERT_NE(files, nullptr);
  ISupportErrorInfo* support = nullptr;
  ASSERT_EQ(files->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&support)), S_OK);
  EXPECT_EQ(support->InterfaceSupportsErrorInfo(__uuidof(_Files)), S_OK);
  support->Release();

  Variant field(L"Colour");
  Variant order;
  V_VT(&order) = VT_ERROR;
  V_ERROR(&order) = DISP_E_PARAMNOTFOUND;
  VARIANT_BOOL result = VARIANT_TRUE;
  EXPECT_EQ(files->Sort(field, order, &result), static_cast<HRESULT>(0x8004029A));
  EXPECT_EQ(result, VARIANT_FALSE);
  IErrorInfo* info = nullptr;
  ASSERT_EQ(GetErrorInfo(0, &info), S_OK);
  ASSERT_NE(info, nullptr);
  Bstr description, source;
  info->GetDescription(&description.text);
  info->GetSource(&source.text);
  GUID guid{};
  info->GetGUID(&guid);
  EXPECT_EQ(description.Value(), L"Colour is not a valid fieldname.");
  EXPECT_EQ(source.Value(), L"Tarnix");
  EXPECT_EQ(guid, __uuidof(_Files));
  info->Release();

  Bstr lastError;
  files->get_LastError(&lastError.text);
  EXPECT_EQ(lastError.Value(), L"Colour is not a valid fieldname.");
  files->Release();
}

DISPID IdOf(IDispatch* object, const wchar_t* name) {
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  DISPID id = DISPID_UNKNOWN;
  EXPECT_EQ(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK) << name;
  return id;
}

HRESULT Call(IDispatch* object, DISPID id, WORD flags, std::initializer_list<VARIANT*> arguments, VARIANT* result,
             EXCEPINFO* exception = nullptr) {
  std::vector<VARIANT> reversed;
  for (auto it = arguments.end(); it != arguments.begin();) reversed.push_back(**--it);
  DISPPARAMS parameters = {reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  EXCEPINFO ignored{};
  HRESULT outcome = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters, result,
                                   exception != nullptr ? exception : &ignored, nullptr);
  if (exception == nullptr) {
    SysFreeString(ignored.bstrSource);
    SysFreeString(ignored.bstrDescription);
    SysFreeString(ignored.bstrHelpFile);
  }
  return outcome;
}

TEST(Dispatch, FindsNamesInAnyCaseAndKeepsTheContractsIds) {
  _Files* files = Create<_Files>(contract::kFilesInterface.clsid);
  ASSERT_NE(files, nullptr);
  EXPECT_EQ(IdOf(files, L"getfilelist"), 0x60030009);
  EXPECT_EQ(IdOf(files, L"COUNT"), 0x68030000);
  EXPECT_EQ(IdOf(files, L"NewEnum"), DISPID_NEWENUM);
  EXPECT_EQ(IdOf(files, L"item"), DISPID_VALUE);
  LPOLESTR unknown[] = {const_cast<LPOLESTR>(L"Colour")};
  DISPID id = 0;
  EXPECT_EQ(files->GetIDsOfNames(IID_NULL, unknown, 1, LOCALE_USER_DEFAULT, &id), DISP_E_UNKNOWNNAME);
  files->Release();
}

TEST(Dispatch, PassesOmittedTypedArgumentsOfAddAsZeroAndRaisesFailuresAsExceptions) {
  _Files* files = Create<_Files>(contract::kFilesInterface.clsid);
  ASSERT_NE(files, nullptr);
  Variant folder(L"C:\\"), name(L"a.txt");
  Variant added;
  ASSERT_EQ(Call(files, 0x6003000D, DISPATCH_METHOD, {&folder, &name}, &added), S_OK);
  ASSERT_EQ(V_VT(&added), VT_DISPATCH);
  Variant attributes, modified;
  EXPECT_EQ(Call(V_DISPATCH(&added), 0x40030000, DISPATCH_PROPERTYGET, {}, &attributes), S_OK);
  EXPECT_EQ(V_I4(&attributes), 0);
  EXPECT_EQ(Call(V_DISPATCH(&added), 0x40030002, DISPATCH_PROPERTYGET, {}, &modified), S_OK);
  EXPECT_EQ(SysStringLen(V_BSTR(&modified)), 0u);
  Variant value;
  EXPECT_EQ(Call(V_DISPATCH(&added), DISPID_VALUE, DISPATCH_PROPERTYGET, {}, &value), S_OK);
  EXPECT_STREQ(V_BSTR(&value), L"a.txt");  // Name is the default member

  Variant again;
  EXCEPINFO exception{};
  EXPECT_EQ(Call(files, 0x6003000D, DISPATCH_METHOD, {&folder, &name}, &again, &exception), DISP_E_EXCEPTION);
  EXPECT_EQ(exception.scode, static_cast<SCODE>(0x800A01C9));
  EXPECT_STREQ(exception.bstrDescription, L"This key is already associated with an element of this collection");
  EXPECT_STREQ(exception.bstrSource, L"Tarnix");
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrDescription);
  SysFreeString(exception.bstrHelpFile);

  // Item, the default member, called as a method the way JScript calls it.
  Variant position(1), item;
  EXPECT_EQ(Call(files, DISPID_VALUE, DISPATCH_METHOD, {&position}, &item), S_OK);
  EXPECT_EQ(V_VT(&item), VT_DISPATCH);
  files->Release();
}

TEST(Enumerator, WalksInInsertionOrderAndAnswersShortFetches) {
  _Files* files = Create<_Files>(contract::kFilesInterface.clsid);
  ASSERT_NE(files, nullptr);
  for (const wchar_t* name : {L"b", L"a", L"c"}) {
    BSTR folder = SysAllocString(L"");
    BSTR entry = SysAllocString(name);
    _File* added = nullptr;
    files->Add(folder, entry, 0, 0, nullptr, &added);
    added->Release();
    SysFreeString(folder);
    SysFreeString(entry);
  }
  VARIANT_BOOL sorted = VARIANT_FALSE;
  Variant field, order;
  V_VT(&field) = V_VT(&order) = VT_ERROR;
  V_ERROR(&field) = V_ERROR(&order) = DISP_E_PARAMNOTFOUND;
  files->Sort(field, order, &sorted);

  // As a method, the way JScript's Enumerator asks for it.
  Variant enumeratorHolder;
  ASSERT_EQ(Call(files, DISPID_NEWENUM, DISPATCH_METHOD, {}, &enumeratorHolder), S_OK);
  IEnumVARIANT* enumerator = nullptr;
  ASSERT_EQ(V_UNKNOWN(&enumeratorHolder)->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&enumerator)),
            S_OK);

  VARIANT items[4];
  ULONG fetched = 99;
  EXPECT_EQ(enumerator->Next(2, items, &fetched), S_OK);
  EXPECT_EQ(fetched, 2u);
  Bstr first;
  reinterpret_cast<_File*>(V_DISPATCH(&items[0]))->get_Name(&first.text);
  EXPECT_EQ(first.Value(), L"b");  // insertion order although sorted
  for (ULONG i = 0; i < fetched; ++i) VariantClear(&items[i]);

  IEnumVARIANT* copy = nullptr;
  ASSERT_EQ(enumerator->Clone(&copy), S_OK);
  EXPECT_EQ(enumerator->Next(4, items, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 1u);
  VariantClear(&items[0]);
  EXPECT_EQ(enumerator->Next(1, items, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 0u);

  EXPECT_EQ(copy->Skip(1), S_OK);
  EXPECT_EQ(copy->Skip(1), S_FALSE);
  EXPECT_EQ(copy->Reset(), S_OK);
  EXPECT_EQ(copy->Next(1, items, nullptr), S_OK);
  Bstr again;
  reinterpret_cast<_File*>(V_DISPATCH(&items[0]))->get_Name(&again.text);
  EXPECT_EQ(again.Value(), L"b");
  VariantClear(&items[0]);
  copy->Release();
  enumerator->Release();
  files->Release();
}

TEST(FileClass, CreatesAnEmptyEntry) {
  _File* file = Create<_File>(contract::kFileInterface.clsid);
  ASSERT_NE(file, nullptr);
  Bstr name, path;
  LONG size = -5;
  file->get_Name(&name.text);
  file->get_Path(&path.text);
  file->get_Size(&size);
  EXPECT_EQ(name.Value(), L"");
  EXPECT_EQ(path.Value(), L"");
  EXPECT_EQ(size, 0);
  file->Release();
}

}  // namespace
}  // namespace tarnix::client
