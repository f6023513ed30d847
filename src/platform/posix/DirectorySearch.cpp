// The directory search on POSIX: one pass of readdir over the folder, each
// name matched as Windows matches it, metadata read with fstatat relative to
// the open directory, and only for the entries a caller asks about.
#include "platform/DirectorySearch.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "platform/Wildcard.h"
#include "platform/posix/NativePath.h"

namespace tarnix {

struct DirectorySearch::State {
  ~State() {
    if (dir != nullptr) {
      ::closedir(dir);
    } else if (folder >= 0) {
      ::close(folder);
    }
  }

  bool FindNextMatch() {
    while (dirent* entry = ::readdir(dir)) {
      AssignFromUtf8(name, entry->d_name);
      if (matchesEverything || MatchesWildcard(namePattern, name)) {
        nativeName = entry->d_name;
        statusRead = false;
        return true;
      }
    }
    return false;
  }

  const struct stat* Status() const {
    if (!statusRead) {
      statusRead = true;
      statusValid = ::fstatat(folder, nativeName, &status, 0) == 0 ||
                    ::fstatat(folder, nativeName, &status, AT_SYMLINK_NOFOLLOW) == 0;
    }
    return statusValid ? &status : nullptr;
  }

  int folder = -1;
  DIR* dir = nullptr;
  Text namePattern;
  bool matchesEverything = false;
  bool found = false;
  Text name;
  std::string exactName;           // the name of an exact-name search
  const char* nativeName = nullptr;  // the current name as on disk
  mutable bool statusRead = false;
  mutable bool statusValid = false;
  mutable struct stat status {};
};

DirectorySearch::DirectorySearch(TextView pattern, Purpose) : state_(std::make_unique<State>()) {
  if (posix::HoldsNul(pattern)) return;
  std::size_t separator = pattern.find_last_of(u"\\/");
  TextView folderPart = separator == TextView::npos ? TextView() : pattern.substr(0, separator + 1);
  TextView namePart = separator == TextView::npos ? pattern : pattern.substr(separator + 1);
  if (namePart.empty()) return;

  std::string folder = folderPart.empty() ? std::string(".") : posix::NativePath(folderPart);
  state_->folder = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (state_->folder < 0) return;

  if (!HasWildcards(namePart)) {
    // Try the name as written first: no scan when it exists as spelled.
    state_->exactName = ToUtf8(namePart);
    state_->nativeName = state_->exactName.c_str();
    if (state_->Status() != nullptr) {
      state_->name = Text(namePart);
      state_->found = true;
      return;
    }
  }
  state_->dir = ::fdopendir(state_->folder);
  if (state_->dir == nullptr) return;
  state_->namePattern = Text(namePart);
  state_->matchesEverything = namePart == u"*" || namePart == u"*.*";
  state_->found = state_->FindNextMatch();
}

DirectorySearch::~DirectorySearch() = default;

bool DirectorySearch::Found() const { return state_->found; }

bool DirectorySearch::Next() {
  state_->found = state_->found && state_->dir != nullptr && state_->FindNextMatch();
  return state_->found;
}

const Text& DirectorySearch::Name() const { return state_->name; }

std::uint32_t DirectorySearch::Attributes() const {
  const struct stat* status = state_->Status();
  if (status == nullptr) return 0;
  std::uint32_t attributes = 0;
  if (S_ISDIR(status->st_mode)) {
    attributes |= kAttributeDirectory;
  } else if (S_ISREG(status->st_mode)) {
    attributes |= kAttributeArchive;
  }
  if ((status->st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) attributes |= kAttributeReadOnly;
  const Text& name = state_->name;
  if (!name.empty() && name[0] == u'.' && name != u"." && name != u"..") attributes |= kAttributeHidden;
  return attributes;
}

std::uint64_t DirectorySearch::Size() const {
  const struct stat* status = state_->Status();
  return status != nullptr && S_ISREG(status->st_mode) ? static_cast<std::uint64_t>(status->st_size) : 0;
}

bool DirectorySearch::LastWriteTime(CalendarTime& time) const {
  const struct stat* status = state_->Status();
  if (status == nullptr) return false;
  // UTC by arithmetic (days to the civil calendar), which gmtime_r does too
  // but behind the time zone lock, for every entry of a listing.
  const std::int64_t seconds = status->st_mtim.tv_sec;
  std::int64_t days = seconds / 86400;
  std::int64_t secondOfDay = seconds % 86400;
  if (secondOfDay < 0) {
    secondOfDay += 86400;
    --days;
  }
  days += 719468;  // from 1970-01-01 to 0000-03-01
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;  // March is 0
  const std::int64_t month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
  const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
  if (year < 1601 || year > 30827) return false;  // what the Windows calendar record holds
  time.year = static_cast<std::uint16_t>(year);
  time.month = static_cast<std::uint16_t>(month);
  time.day = static_cast<std::uint16_t>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  time.hour = static_cast<std::uint16_t>(secondOfDay / 3600);
  time.minute = static_cast<std::uint16_t>(secondOfDay / 60 % 60);
  time.second = static_cast<std::uint16_t>(secondOfDay % 60);
  return true;
}

}  // namespace tarnix
