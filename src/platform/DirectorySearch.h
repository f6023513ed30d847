#pragma once
// One wildcard search in one directory, as the Windows directory search does
// it: the pattern's last component may hold "*" and "?", matched without regard
// to letter case, and "." and ".." are delivered like any other entry.
// A pattern that cannot be searched (missing folder, no match, an embedded NUL,
// an empty name part) simply finds nothing.

#include <cstdint>
#include <memory>

#include "platform/Text.h"

namespace tarnix {

// Attribute bits as the Windows file system reports them.
enum : std::uint32_t {
  kAttributeReadOnly = 1,
  kAttributeHidden = 2,
  kAttributeSystem = 4,
  kAttributeDirectory = 16,
  kAttributeArchive = 32,
};

// The calendar fields of a moment in UTC.
struct CalendarTime {
  std::uint16_t year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

class DirectorySearch {
 public:
  // kListing reads the directory in large batches; kFirstMatch is for callers
  // that usually stop at the first entry.
  enum class Purpose { kListing, kFirstMatch };

  DirectorySearch(TextView pattern, Purpose purpose);
  ~DirectorySearch();
  DirectorySearch(const DirectorySearch&) = delete;
  DirectorySearch& operator=(const DirectorySearch&) = delete;

  // Whether there is a current entry; false once the search is exhausted.
  bool Found() const;
  // Moves to the next entry; false when there is none (for any reason).
  bool Next();

  // The current entry.
  const Text& Name() const;
  std::uint32_t Attributes() const;
  std::uint64_t Size() const;
  // Fills `time` with the last-write time in UTC. When the time cannot be
  // converted it returns false and leaves `time` as it was.
  bool LastWriteTime(CalendarTime& time) const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace tarnix
