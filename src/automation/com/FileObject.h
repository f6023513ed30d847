#pragma once
// A File entry as a COM object: _File over one shared core entry.

#include <memory>

#include "automation/com/DispatchObject.h"
#include "automation/com/EntryObjects.h"
#include "automation/com/TarnixInterfaces.h"
#include "model/File.h"

namespace tarnix::com {

class FileObject final : public DispatchObject<_File> {
 public:
  // A new object with one reference, for the caller. `owner`, when given, is
  // told when the object goes.
  static FileObject* Create(std::shared_ptr<tarnix::File> entry, ComPtr<ITypeInfo> typeInfo,
                            std::shared_ptr<EntryObjects> owner = nullptr);
  // The class factory's entry: a new, empty entry.
  static HRESULT CreateInstance(REFIID iid, void** out);

  HRESULT STDMETHODCALLTYPE get_Name(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE put_Name(BSTR value) override;
  HRESULT STDMETHODCALLTYPE get_Attributes(LONG* value) override;
  HRESULT STDMETHODCALLTYPE put_Attributes(LONG value) override;
  HRESULT STDMETHODCALLTYPE get_Size(LONG* value) override;
  HRESULT STDMETHODCALLTYPE put_Size(LONG value) override;
  HRESULT STDMETHODCALLTYPE get_Modified(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE put_Modified(BSTR value) override;
  HRESULT STDMETHODCALLTYPE get_Path(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE put_Path(BSTR value) override;
  HRESULT STDMETHODCALLTYPE get_LastError(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE put_LastError(BSTR value) override;
  HRESULT STDMETHODCALLTYPE Copy(BSTR toName, VARIANT_BOOL* result) override;
  HRESULT STDMETHODCALLTYPE KillFile(VARIANT_BOOL* result) override;
  HRESULT STDMETHODCALLTYPE Rename(BSTR toName, VARIANT_BOOL* result) override;

 private:
  FileObject(std::shared_ptr<tarnix::File> entry, ComPtr<ITypeInfo> typeInfo, std::shared_ptr<EntryObjects> owner)
      : DispatchObject(std::move(typeInfo)), entry_(std::move(entry)), owner_(std::move(owner)) {}
  ~FileObject() override {
    if (owner_) owner_->Forget(entry_.get());
  }

  std::shared_ptr<tarnix::File> entry_;
  std::shared_ptr<EntryObjects> owner_;
};

}  // namespace tarnix::com
