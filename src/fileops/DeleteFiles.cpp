#include "fileops/DeleteFiles.h"

#include <optional>
#include <vector>

#include "platform/DirectorySearch.h"
#include "platform/Failure.h"
#include "platform/FileSystem.h"
#include "platform/Wildcard.h"

namespace tarnix {

void DeleteFiles(TextView name) {
  const std::size_t separator = name.find_last_of(u"\\/");
  const TextView folder = separator == TextView::npos ? TextView() : name.substr(0, separator + 1);
  if (!HasWildcards(name.substr(folder.size()))) {
    DeleteSingleFile(name);
    return;
  }

  // Collect first, so that the search never runs over a folder being emptied.
  std::vector<Text> matches;
  DirectorySearch search(name, DirectorySearch::Purpose::kListing);
  for (bool more = search.Found(); more; more = search.Next()) {
    if ((search.Attributes() & kAttributeDirectory) == 0) matches.push_back(Text(folder) + search.Name());
  }
  if (matches.empty()) throw ClassicFailure(Classic::FileNotFound);

  std::optional<Failure> firstFailure;
  for (const Text& match : matches) {
    try {
      DeleteSingleFile(match);
    } catch (const Failure& failure) {
      if (!firstFailure) firstFailure = failure;
    }
  }
  if (firstFailure) throw *firstFailure;
}

}  // namespace tarnix
