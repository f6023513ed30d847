#include "automation/native/NativeDispatch.h"

#include <memory>

#include "automation/native/FileObject.h"
#include "automation/native/FilesObject.h"

namespace tarnix::automation {

ObjectRef CreateObject(TextView progId) {
  if (EqualIgnoringCase(progId, u"Tarnix.Files")) return std::make_shared<FilesObject>();
  if (EqualIgnoringCase(progId, u"Tarnix.File")) {
    return std::make_shared<FileObject>(std::make_shared<File>());
  }
  throw DispatchFailure(DispatchError::InvalidClassString);
}

}  // namespace tarnix::automation
