// The operations of Files on names resolved against its Path.
#include "fileops/CopyFileData.h"
#include "fileops/DeleteFiles.h"
#include "listing/PathRules.h"
#include "model/Files.h"
#include "platform/FileSystem.h"
#include "platform/Trap.h"

namespace tarnix {

Text Files::Resolve(const Text& name) const { return ResolveName(GetPath(), name); }

bool Files::RemoveDir(const Text& dirName) {
  return RunTrapped(LastError, [&] {
    RemoveFolder(Resolve(dirName));
    return true;
  });
}

bool Files::MakeDir(const Text& dirName) {
  return RunTrapped(LastError, [&] {
    CreateFolder(Resolve(dirName));
    return true;
  });
}

bool Files::Rename(const Text& fromName, const Text& toName) {
  return RunTrapped(LastError, [&] {
    Text from = Resolve(fromName);
    RenameEntry(from, Resolve(toName));
    return true;
  });
}

bool Files::KillFile(const Text& fileName) {
  return RunTrapped(LastError, [&] {
    DeleteFiles(Resolve(fileName));
    return true;
  });
}

bool Files::Copy(const Text& fromName, const Text& toName) {
  return RunTrapped(LastError, [&] {
    Text from = Resolve(fromName);
    if (!CopyFileData(from, Resolve(toName))) throw Failure(kErrorCopyingFile, u"Error copying file");
    return true;
  });
}

}  // namespace tarnix
