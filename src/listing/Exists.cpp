#include "listing/PathRules.h"
#include "model/Files.h"
#include "platform/DirectorySearch.h"
#include "platform/Trap.h"

namespace tarnix {

bool Files::Exists(const Value& newPath) {
  return RunTrapped(LastError, [&] {
    Text pattern = newPath.IsMissing() ? DefaultSearchPattern(path_, Mask) : newPath.ToText();
    return DirectorySearch(pattern, DirectorySearch::Purpose::kFirstMatch).Found();
  });
}

}  // namespace tarnix
