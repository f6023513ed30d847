#pragma once
// The live File objects of one Files object's entries: one object per entry
// while a script holds it, so that Item, Add and For Each hand out the same
// object for the same entry (files(1) Is files(1)).

#include <oaidl.h>

#include <memory>
#include <unordered_map>

#include "automation/com/ComPtr.h"
#include "model/File.h"

struct _File;

namespace tarnix::com {

class FileObject;

class EntryObjects : public std::enable_shared_from_this<EntryObjects> {
 public:
  // A new reference to the object of `entry`, made when it has none.
  _File* ObjectFor(const std::shared_ptr<tarnix::File>& entry, const ComPtr<ITypeInfo>& fileType);
  // Called by an object as it goes.
  void Forget(const tarnix::File* entry) { live_.erase(entry); }

 private:
  std::unordered_map<const tarnix::File*, FileObject*> live_;
};

}  // namespace tarnix::com
