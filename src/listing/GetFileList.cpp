#include <cstdint>

#include "listing/ListingRules.h"
#include "listing/PathRules.h"
#include "model/Files.h"
#include "model/ModifiedText.h"
#include "platform/SharedText.h"
#include "platform/DirectorySearch.h"
#include "platform/Trap.h"

namespace tarnix {

bool Files::GetFileList(const Value& newPath) {
  return RunTrapped(LastError, [&] {
    Text pattern;
    if (newPath.IsMissing()) {
      pattern = DefaultSearchPattern(path_, Mask);
    } else {
      pattern = newPath.ToText();
      CheckPatternLength(pattern);
    }
    // Path & Mask with a Mask that names no folder gives Path itself. One
    // text for every entry of this listing.
    const SharedText folder(FolderPartOf(pattern));

    AttributeFilter filter(Attributes);
    // Starts at zero and keeps the last converted time: an entry whose time
    // cannot be converted shows the previous entry's.
    CalendarTime time;
    DirectorySearch search(pattern, DirectorySearch::Purpose::kListing);
    for (bool more = search.Found(); more; more = search.Next()) {
      const Text& name = search.Name();
      if (name == u"." || name == u"..") continue;
      const std::uint32_t attributes = search.Attributes();
      if (!filter.Passes(attributes)) continue;
      search.LastWriteTime(time);
      // Size keeps the low 32 bits, read as a signed number.
      Add(folder, SharedText(name, slabs_), static_cast<std::int32_t>(attributes),
          static_cast<std::int32_t>(static_cast<std::uint32_t>(search.Size())), ModifiedText(time));
    }
    Sorted = false;
    return true;
  });
}

}  // namespace tarnix
