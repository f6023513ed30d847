#pragma once
// The Files object as a COM object: _Files over one core Files.

#include <memory>

#include "automation/com/DispatchObject.h"
#include "automation/com/EntryObjects.h"
#include "automation/com/TarnixInterfaces.h"
#include "model/Files.h"

namespace tarnix::com {

class FilesObject final : public DispatchObject<_Files> {
 public:
  // The class factory's entry.
  static HRESULT CreateInstance(REFIID iid, void** out);

  HRESULT STDMETHODCALLTYPE get_Mask(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE put_Mask(BSTR value) override;
  HRESULT STDMETHODCALLTYPE get_LastError(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE put_LastError(BSTR value) override;
  HRESULT STDMETHODCALLTYPE get_Attributes(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE put_Attributes(BSTR value) override;
  HRESULT STDMETHODCALLTYPE get_Sorted(VARIANT_BOOL* value) override;
  HRESULT STDMETHODCALLTYPE put_Sorted(VARIANT_BOOL value) override;
  HRESULT STDMETHODCALLTYPE put_Path(BSTR value) override;
  HRESULT STDMETHODCALLTYPE get_Path(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE RemoveDir(BSTR dirName, VARIANT_BOOL* result) override;
  HRESULT STDMETHODCALLTYPE MakeDir(BSTR dirName, VARIANT_BOOL* result) override;
  HRESULT STDMETHODCALLTYPE Rename(BSTR fromName, BSTR toName, VARIANT_BOOL* result) override;
  HRESULT STDMETHODCALLTYPE KillFile(BSTR fileName, VARIANT_BOOL* result) override;
  HRESULT STDMETHODCALLTYPE Copy(BSTR fromName, BSTR toName, VARIANT_BOOL* result) override;
  HRESULT STDMETHODCALLTYPE ClearFileList(VARIANT_BOOL* result) override;
  HRESULT STDMETHODCALLTYPE Exists(VARIANT newPath, VARIANT_BOOL* result) override;
  HRESULT STDMETHODCALLTYPE GetFileList(VARIANT newPath, VARIANT_BOOL* result) override;
  HRESULT STDMETHODCALLTYPE Sort(VARIANT field, VARIANT order, VARIANT_BOOL* result) override;
  HRESULT STDMETHODCALLTYPE Add(BSTR fpath, BSTR name, LONG attributes, LONG size, BSTR modified,
                                _File** result) override;
  HRESULT STDMETHODCALLTYPE get_Item(VARIANT indexKey, _File** result) override;
  HRESULT STDMETHODCALLTYPE get_Count(LONG* result) override;
  HRESULT STDMETHODCALLTYPE Remove(VARIANT indexKey) override;
  HRESULT STDMETHODCALLTYPE get_NewEnum(IUnknown** result) override;

 protected:
  HRESULT InvokeMember(DISPID id, WORD flags, DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                       UINT* argumentError) override;

 private:
  FilesObject(ComPtr<ITypeInfo> filesType, ComPtr<ITypeInfo> fileType)
      : DispatchObject(std::move(filesType)),
        fileType_(std::move(fileType)),
        entryObjects_(std::make_shared<EntryObjects>()) {}

  // A _File reference for `entry`, handed to the caller.
  _File* Wrap(const std::shared_ptr<tarnix::File>& entry) const;
  // Runs a member that answers true or false, false on its failure path.
  template <class Body>
  HRESULT Answer(VARIANT_BOOL* result, Body&& body);

  tarnix::Files files_;
  ComPtr<ITypeInfo> fileType_;  // for the File objects this object hands out
  std::shared_ptr<EntryObjects> entryObjects_;
};

}  // namespace tarnix::com
