// The operations of a File entry on the file it names.
#include "fileops/CopyFileData.h"
#include "fileops/DeleteFiles.h"
#include "listing/PathRules.h"
#include "model/File.h"
#include "platform/DirectorySearch.h"
#include "platform/FileSystem.h"
#include "platform/Trap.h"

namespace tarnix {

bool File::Copy(const Text& toName) {
  return RunTrapped(LastError, [&] {
    Text from = ResolveName(Path, Name);
    return CopyFileData(from, ResolveName(Path, toName));
  });
}

bool File::KillFile() {
  return RunTrapped(LastError, [&] {
    Text target = ResolveName(Path, Name);
    if ((static_cast<std::uint32_t>(Attributes) & kAttributeDirectory) != 0) {
      RemoveFolder(target);
    } else {
      DeleteFiles(target);
    }
    return true;
  });
}

bool File::Rename(const Text& toName) {
  return RunTrapped(LastError, [&] {
    Text from = ResolveName(Path, Name);
    RenameEntry(from, ResolveName(Path, toName));
    return true;
  });
}

}  // namespace tarnix
