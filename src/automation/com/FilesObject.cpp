#include "automation/com/FilesObject.h"

#include <vector>

#include "automation/com/Accessors.h"
#include "automation/com/EnumVariant.h"
#include "automation/com/FileObject.h"
#include "automation/com/TypeLibrary.h"

namespace tarnix::com {
namespace {

constexpr DISPID kAddId = 0x6003000D;
constexpr UINT kAddParameters = 5;

}  // namespace

HRESULT FilesObject::CreateInstance(REFIID iid, void** out) {
  ComPtr<ITypeInfo> filesType;
  ComPtr<ITypeInfo> fileType;
  HRESULT result = LoadOwnTypeInfo(__uuidof(_Files), filesType);
  if (SUCCEEDED(result)) result = LoadOwnTypeInfo(__uuidof(_File), fileType);
  if (FAILED(result)) return result;
  auto* created = new (std::nothrow) FilesObject(std::move(filesType), std::move(fileType));
  if (created == nullptr) return E_OUTOFMEMORY;
  auto object = ComPtr<_Files>::Adopt(created);
  return object->QueryInterface(iid, out);
}

_File* FilesObject::Wrap(const std::shared_ptr<tarnix::File>& entry) const {
  return entryObjects_->ObjectFor(entry, fileType_);
}

template <class Body>
HRESULT FilesObject::Answer(VARIANT_BOOL* result, Body&& body) {
  if (result == nullptr) return E_POINTER;
  *result = VARIANT_FALSE;
  return Guard([&] { *result = VariantBool(body()); });
}

HRESULT FilesObject::get_Mask(BSTR* value) { return GetText(files_.Mask, value); }
HRESULT FilesObject::put_Mask(BSTR value) { return PutText(files_.Mask, value); }
HRESULT FilesObject::get_LastError(BSTR* value) { return GetText(files_.LastError, value); }
HRESULT FilesObject::put_LastError(BSTR value) { return PutText(files_.LastError, value); }
HRESULT FilesObject::get_Attributes(BSTR* value) { return GetText(files_.Attributes, value); }
HRESULT FilesObject::put_Attributes(BSTR value) { return PutText(files_.Attributes, value); }
HRESULT FilesObject::get_Sorted(VARIANT_BOOL* value) {
  if (value == nullptr) return E_POINTER;
  *value = VariantBool(files_.Sorted);
  return S_OK;
}
HRESULT FilesObject::put_Sorted(VARIANT_BOOL value) {
  files_.Sorted = value != VARIANT_FALSE;
  return S_OK;
}
HRESULT FilesObject::put_Path(BSTR value) { return Guard([&] { files_.SetPath(TextFromBstr(value)); }); }
HRESULT FilesObject::get_Path(BSTR* value) { return GetText(files_.GetPath(), value); }

HRESULT FilesObject::RemoveDir(BSTR dirName, VARIANT_BOOL* result) {
  return Answer(result, [&] { return files_.RemoveDir(TextFromBstr(dirName)); });
}
HRESULT FilesObject::MakeDir(BSTR dirName, VARIANT_BOOL* result) {
  return Answer(result, [&] { return files_.MakeDir(TextFromBstr(dirName)); });
}
HRESULT FilesObject::Rename(BSTR fromName, BSTR toName, VARIANT_BOOL* result) {
  return Answer(result, [&] { return files_.Rename(TextFromBstr(fromName), TextFromBstr(toName)); });
}
HRESULT FilesObject::KillFile(BSTR fileName, VARIANT_BOOL* result) {
  return Answer(result, [&] { return files_.KillFile(TextFromBstr(fileName)); });
}
HRESULT FilesObject::Copy(BSTR fromName, BSTR toName, VARIANT_BOOL* result) {
  return Answer(result, [&] { return files_.Copy(TextFromBstr(fromName), TextFromBstr(toName)); });
}
HRESULT FilesObject::ClearFileList(VARIANT_BOOL* result) {
  return Answer(result, [&] { return files_.ClearFileList(); });
}
HRESULT FilesObject::Exists(VARIANT newPath, VARIANT_BOOL* result) {
  return Answer(result, [&] { return files_.Exists(ValueFromVariant(newPath)); });
}
HRESULT FilesObject::GetFileList(VARIANT newPath, VARIANT_BOOL* result) {
  return Answer(result, [&] { return files_.GetFileList(ValueFromVariant(newPath)); });
}
HRESULT FilesObject::Sort(VARIANT field, VARIANT order, VARIANT_BOOL* result) {
  return Answer(result, [&] { return files_.Sort(ValueFromVariant(field), ValueFromVariant(order)); });
}

HRESULT FilesObject::Add(BSTR fpath, BSTR name, LONG attributes, LONG size, BSTR modified, _File** result) {
  if (result == nullptr) return E_POINTER;
  *result = nullptr;
  return Guard([&] {
    auto entry = files_.Add(TextFromBstr(fpath), TextFromBstr(name), attributes, size, TextFromBstr(modified));
    *result = Wrap(entry);
  });
}

HRESULT FilesObject::get_Item(VARIANT indexKey, _File** result) {
  if (result == nullptr) return E_POINTER;
  *result = nullptr;
  return Guard([&] { *result = Wrap(files_.Item(ValueFromVariant(indexKey))); });
}

HRESULT FilesObject::get_Count(LONG* result) { return GetNumber(files_.Count(), result); }

HRESULT FilesObject::Remove(VARIANT indexKey) {
  return Guard([&] { files_.Remove(ValueFromVariant(indexKey)); });
}

HRESULT FilesObject::get_NewEnum(IUnknown** result) {
  if (result == nullptr) return E_POINTER;
  *result = nullptr;
  return Guard([&] {
    auto entries = std::make_shared<const EnumVariant::Entries>(files_.NewEnum());
    *result = EnumVariant::Create(std::move(entries), entryObjects_, fileType_);
  });
}

HRESULT FilesObject::InvokeMember(DISPID id, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                                  EXCEPINFO* exception, UINT* argumentError) {
  // Add's last three parameters are typed and optional without a default: a
  // caller that leaves one out, at the end or in the middle, passes 0, 0 and
  // the empty text. DispInvoke would pass a missing one's error code instead.
  if (id != kAddId || parameters == nullptr || parameters->cNamedArgs != 0 || parameters->cArgs < 2 ||
      parameters->cArgs > kAddParameters) {
    return DispatchObject::InvokeMember(id, flags, parameters, result, exception, argumentError);
  }
  const UINT given = parameters->cArgs;
  std::vector<VARIANT> arguments(kAddParameters);  // from the last parameter to the first, as DISPPARAMS runs
  for (UINT parameter = 0; parameter < kAddParameters; ++parameter) {
    VARIANT& argument = arguments[kAddParameters - 1 - parameter];
    if (parameter < given) argument = parameters->rgvarg[given - 1 - parameter];
    const bool omitted =
        parameter >= given || (V_VT(&argument) == VT_ERROR && V_ERROR(&argument) == DISP_E_PARAMNOTFOUND);
    if (parameter < 2 || !omitted) continue;
    VariantInit(&argument);
    if (parameter == kAddParameters - 1) {
      V_VT(&argument) = VT_BSTR;
      V_BSTR(&argument) = nullptr;
    } else {
      V_VT(&argument) = VT_I4;
      V_I4(&argument) = 0;
    }
  }
  DISPPARAMS complete = {arguments.data(), nullptr, kAddParameters, 0};
  HRESULT outcome = DispatchObject::InvokeMember(id, flags, &complete, result, exception, argumentError);
  const UINT missing = kAddParameters - given;
  if (argumentError != nullptr && *argumentError >= missing) *argumentError -= missing;
  return outcome;
}

}  // namespace tarnix::com
