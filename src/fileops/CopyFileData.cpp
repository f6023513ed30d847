#include "fileops/CopyFileData.h"

#include "platform/DirectorySearch.h"
#include "platform/FileSystem.h"

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
    OpenedFile destination = OpenedFile::ForWriting(toName);
    if (source.Identity() == destination.Identity()) return true;
    const std::uint64_t length = source.CopyTo(destination);
    destination.Truncate(length);
    source.Close();
    destination.Close();
    return true;
  } catch (...) {
    return false;  // both files are closed on the way out
  }
}

}  // namespace tarnix
