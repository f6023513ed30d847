#include "automation/com/FileObject.h"

#include "automation/com/Accessors.h"
#include "automation/com/TypeLibrary.h"

namespace tarnix::com {

FileObject* FileObject::Create(std::shared_ptr<tarnix::File> entry, ComPtr<ITypeInfo> typeInfo,
                               std::shared_ptr<EntryObjects> owner) {
  return new FileObject(std::move(entry), std::move(typeInfo), std::move(owner));
}

HRESULT FileObject::CreateInstance(REFIID iid, void** out) {
  ComPtr<ITypeInfo> typeInfo;
  HRESULT result = LoadOwnTypeInfo(__uuidof(_File), typeInfo);
  if (FAILED(result)) return result;
  auto object = ComPtr<_File>::Adopt(Create(std::make_shared<tarnix::File>(), std::move(typeInfo)));
  return object->QueryInterface(iid, out);
}

HRESULT FileObject::get_Name(BSTR* value) { return GetText(entry_->Name, value); }
HRESULT FileObject::put_Name(BSTR value) { return PutText(entry_->Name, value); }
HRESULT FileObject::get_Attributes(LONG* value) { return GetNumber(entry_->Attributes, value); }
HRESULT FileObject::put_Attributes(LONG value) {
  entry_->Attributes = value;
  return S_OK;
}
HRESULT FileObject::get_Size(LONG* value) { return GetNumber(entry_->Size, value); }
HRESULT FileObject::put_Size(LONG value) {
  entry_->Size = value;
  return S_OK;
}
HRESULT FileObject::get_Modified(BSTR* value) { return GetText(entry_->Modified, value); }
HRESULT FileObject::put_Modified(BSTR value) { return PutText(entry_->Modified, value); }
HRESULT FileObject::get_Path(BSTR* value) { return GetText(entry_->Path, value); }
HRESULT FileObject::put_Path(BSTR value) { return PutText(entry_->Path, value); }
HRESULT FileObject::get_LastError(BSTR* value) { return GetText(entry_->LastError, value); }
HRESULT FileObject::put_LastError(BSTR value) { return PutText(entry_->LastError, value); }

HRESULT FileObject::Copy(BSTR toName, VARIANT_BOOL* result) {
  if (result == nullptr) return E_POINTER;
  *result = VARIANT_FALSE;
  return Guard([&] { *result = VariantBool(entry_->Copy(TextFromBstr(toName))); });
}

HRESULT FileObject::KillFile(VARIANT_BOOL* result) {
  if (result == nullptr) return E_POINTER;
  *result = VARIANT_FALSE;
  return Guard([&] { *result = VariantBool(entry_->KillFile()); });
}

HRESULT FileObject::Rename(BSTR toName, VARIANT_BOOL* result) {
  if (result == nullptr) return E_POINTER;
  *result = VARIANT_FALSE;
  return Guard([&] { *result = VariantBool(entry_->Rename(TextFromBstr(toName))); });
}

}  // namespace tarnix::com
