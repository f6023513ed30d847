#pragma once
// A Files object as a script sees it: the _Files members bound to a core Files.

#include "automation/native/Object.h"
#include "model/Files.h"

namespace tarnix::automation {

class FilesObject final : public Object {
 public:
  FilesObject();

  Files& Core() { return files_; }

 private:
  Files files_;
};

}  // namespace tarnix::automation
