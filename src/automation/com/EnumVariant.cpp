#include "automation/com/EnumVariant.h"

#include <algorithm>

#include "automation/com/TarnixInterfaces.h"

namespace tarnix::com {

EnumVariant* EnumVariant::Create(std::shared_ptr<const Entries> entries, std::shared_ptr<EntryObjects> objects,
                                 ComPtr<ITypeInfo> fileType) {
  return new EnumVariant(std::move(entries), std::move(objects), std::move(fileType), 0);
}

HRESULT EnumVariant::Next(ULONG count, VARIANT* items, ULONG* fetched) {
  if (fetched != nullptr) *fetched = 0;
  if (items == nullptr || (fetched == nullptr && count > 1)) return E_POINTER;
  ULONG delivered = 0;
  try {
    for (; delivered < count && position_ < entries_->size(); ++delivered, ++position_) {
      VariantInit(&items[delivered]);
      V_VT(&items[delivered]) = VT_DISPATCH;
      V_DISPATCH(&items[delivered]) = objects_->ObjectFor((*entries_)[position_], fileType_);
    }
  } catch (const std::bad_alloc&) {
    for (ULONG i = 0; i < delivered; ++i) VariantClear(&items[i]);
    return E_OUTOFMEMORY;
  }
  if (fetched != nullptr) *fetched = delivered;
  return delivered == count ? S_OK : S_FALSE;
}

HRESULT EnumVariant::Skip(ULONG count) {
  const std::size_t left = entries_->size() - position_;
  position_ += std::min<std::size_t>(count, left);
  return count <= left ? S_OK : S_FALSE;
}

HRESULT EnumVariant::Reset() {
  position_ = 0;
  return S_OK;
}

HRESULT EnumVariant::Clone(IEnumVARIANT** copy) {
  if (copy == nullptr) return E_POINTER;
  *copy = new (std::nothrow) EnumVariant(entries_, objects_, fileType_, position_);
  return *copy != nullptr ? S_OK : E_OUTOFMEMORY;
}

}  // namespace tarnix::com
