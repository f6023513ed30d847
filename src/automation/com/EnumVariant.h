#pragma once
// The enumerator a for-each loop gets from NewEnum: the entries as they were
// when it was made, in insertion order, each as a File object.

#include <oaidl.h>

#include <memory>
#include <vector>

#include "automation/com/ComPtr.h"
#include "automation/com/EntryObjects.h"
#include "automation/com/Module.h"
#include "automation/com/SingleInterfaceObject.h"
#include "model/File.h"

namespace tarnix::com {

class EnumVariant final : public SingleInterfaceObject<IEnumVARIANT> {
 public:
  using Entries = std::vector<std::shared_ptr<tarnix::File>>;

  static EnumVariant* Create(std::shared_ptr<const Entries> entries, std::shared_ptr<EntryObjects> objects,
                             ComPtr<ITypeInfo> fileType);

  HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* items, ULONG* fetched) override;
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
  HRESULT STDMETHODCALLTYPE Reset() override;
  HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override;

 private:
  EnumVariant(std::shared_ptr<const Entries> entries, std::shared_ptr<EntryObjects> objects,
              ComPtr<ITypeInfo> fileType, std::size_t position)
      : entries_(std::move(entries)),
        objects_(std::move(objects)),
        fileType_(std::move(fileType)),
        position_(position) {}
  ModuleReference module_;
  std::shared_ptr<const Entries> entries_;
  std::shared_ptr<EntryObjects> objects_;
  ComPtr<ITypeInfo> fileType_;
  std::size_t position_;
};

}  // namespace tarnix::com
