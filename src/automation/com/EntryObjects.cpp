#include "automation/com/EntryObjects.h"

#include "automation/com/FileObject.h"

namespace tarnix::com {

_File* EntryObjects::ObjectFor(const std::shared_ptr<tarnix::File>& entry, const ComPtr<ITypeInfo>& fileType) {
  auto found = live_.find(entry.get());
  if (found != live_.end()) {
    found->second->AddRef();
    return found->second;
  }
  FileObject* object = FileObject::Create(entry, fileType, shared_from_this());
  try {
    live_.emplace(entry.get(), object);
  } catch (...) {
    object->Release();
    throw;
  }
  return object;
}

}  // namespace tarnix::com
