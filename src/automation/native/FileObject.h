#pragma once
// A File entry as a script sees it: the _File members bound to a core File.

#include <memory>

#include "automation/native/Object.h"
#include "automation/native/Result.h"
#include "model/File.h"

namespace tarnix::automation {

class FileObject final : public Object {
 public:
  // Wraps `entry` itself, not a copy: the list that holds it sees every change.
  explicit FileObject(std::shared_ptr<File> entry);

  const std::shared_ptr<File>& Entry() const { return entry_; }

 private:
  std::shared_ptr<File> entry_;
};

// The result of a member typed _File.
Result FileResult(std::shared_ptr<File> entry);

}  // namespace tarnix::automation
