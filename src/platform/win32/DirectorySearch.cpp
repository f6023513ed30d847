// The directory search on Windows: FindFirstFileExW with the basic information
// level (no short names), in large batches for a listing.
#include "platform/DirectorySearch.h"

#include "platform/win32/WidePath.h"

namespace tarnix {

struct DirectorySearch::State {
  ~State() {
    if (handle != INVALID_HANDLE_VALUE) FindClose(handle);
  }
  void TakeName() {
    const auto* name16 = reinterpret_cast<const char16_t*>(data.cFileName);
    name.assign(name16, wcsnlen(data.cFileName, MAX_PATH));
  }

  HANDLE handle = INVALID_HANDLE_VALUE;
  WIN32_FIND_DATAW data{};
  Text name;
  bool found = false;
};

DirectorySearch::DirectorySearch(TextView pattern, Purpose purpose) : state_(std::make_unique<State>()) {
  if (win32::HoldsNul(pattern)) return;
  std::wstring wide = win32::WidePath(pattern);
  state_->handle = FindFirstFileExW(wide.c_str(), FindExInfoBasic, &state_->data, FindExSearchNameMatch,
                                    nullptr, purpose == Purpose::kListing ? FIND_FIRST_EX_LARGE_FETCH : 0);
  state_->found = state_->handle != INVALID_HANDLE_VALUE;
  if (state_->found) state_->TakeName();
}

DirectorySearch::~DirectorySearch() = default;

bool DirectorySearch::Found() const { return state_->found; }

bool DirectorySearch::Next() {
  state_->found = state_->found && FindNextFileW(state_->handle, &state_->data) != 0;
  if (state_->found) state_->TakeName();
  return state_->found;
}

const Text& DirectorySearch::Name() const { return state_->name; }

std::uint32_t DirectorySearch::Attributes() const { return state_->data.dwFileAttributes; }

std::uint64_t DirectorySearch::Size() const {
  return (static_cast<std::uint64_t>(state_->data.nFileSizeHigh) << 32) | state_->data.nFileSizeLow;
}

bool DirectorySearch::LastWriteTime(CalendarTime& time) const {
  SYSTEMTIME calendar;
  if (!FileTimeToSystemTime(&state_->data.ftLastWriteTime, &calendar)) return false;
  time.year = calendar.wYear;
  time.month = calendar.wMonth;
  time.day = calendar.wDay;
  time.hour = calendar.wHour;
  time.minute = calendar.wMinute;
  time.second = calendar.wSecond;
  return true;
}

}  // namespace tarnix
