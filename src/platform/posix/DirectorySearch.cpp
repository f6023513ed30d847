// The directory search on POSIX: one pass of readdir over the folder, each
// name matched as Windows matches it, metadata read with fstatat relative to
// the open directory, and only for the entries a caller asks about.
#include "platform/DirectorySearch.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
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
  struct tm fields;
  if (::gmtime_r(&status->st_mtim.tv_sec, &fields) == nullptr) return false;
  const long year = fields.tm_year + 1900L;
  if (year < 1601 || year > 30827) return false;  // what the Windows calendar record holds
  time.year = static_cast<std::uint16_t>(year);
  time.month = static_cast<std::uint16_t>(fields.tm_mon + 1);
  time.day = static_cast<std::uint16_t>(fields.tm_mday);
  time.hour = static_cast<std::uint16_t>(fields.tm_hour);
  time.minute = static_cast<std::uint16_t>(fields.tm_min);
  time.second = static_cast<std::uint16_t>(fields.tm_sec);
  return true;
}

}  // namespace tarnix
