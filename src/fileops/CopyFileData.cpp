#include "fileops/CopyFileData.h"

#include <optional>

#include "platform/DirectorySearch.h"
#include "platform/FileSystem.h"
#include "platform/ReplacementFile.h"

namespace tarnix {
namespace {

bool SourceIsAPlainFile(TextView fromName) {
  constexpr std::uint32_t kNotPlain = kAttributeHidden | kAttributeSystem | kAttributeDirectory;
  DirectorySearch search(fromName, DirectorySearch::Purpose::kFirstMatch);
  for (bool more = search.Found(); more; more = search.Next()) {
    if ((search.Attributes() & kNotPlain) == 0) return true;
  }
  return false;
}

}  // namespace

bool CopyFileData(TextView fromName, TextView toName) noexcept {
  try {
    if (!SourceIsAPlainFile(fromName)) return false;
    OpenedFile source = OpenedFile::ForReading(fromName);
    // An existing destination must be one this process may write, as when
    // the bytes went straight into it: replacing it must not get round a
    // read-only file. It is closed again before it is replaced.
    if (std::optional<OpenedFile> existing = OpenedFile::ForWritingIfPresent(toName)) {
      if (existing->Identity() == source.Identity()) return true;
    }
    ReplacementFile replacement = ReplacementFile::Beside(toName);
    source.CopyTo(replacement.Contents());
    source.Close();
    replacement.Commit();
    return true;
  } catch (...) {
    return false;  // every file is closed, and the new one removed, on the way out
  }
}

}  // namespace tarnix
