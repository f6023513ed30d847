#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#endif

namespace tarnix::test {
namespace fs = std::filesystem;
namespace {

fs::path Native(TextView path) {
  Text copy(path);
  for (char16_t& c : copy) {
    if (c == u'\\') c = static_cast<char16_t>(fs::path::preferred_separator);
  }
  return fs::path(copy);
}

Text FromNative(const fs::path& path) {
  Text text = path.u16string();
  for (char16_t& c : text) {
    if (c == u'/') c = u'\\';
  }
  return text;
}

}  // namespace

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  std::mt19937 random(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
  fs::path folder = fs::temp_directory_path() /
                    ("tarnix-test-" + std::to_string(random()) + "-" + std::to_string(counter++));
  fs::create_directories(folder);
  path_ = FromNative(folder) + u"\\";
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  // Read-only files and folders must not keep a folder from going.
  for (auto it = fs::recursive_directory_iterator(Native(path_), ignored); it != fs::recursive_directory_iterator();
       it.increment(ignored)) {
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
#ifdef _WIN32
    SetFileAttributesW(it->path().c_str(), FILE_ATTRIBUTE_NORMAL);
#endif
  }
  fs::remove_all(Native(path_), ignored);
}

void TempFolder::Write(TextView name, std::string_view bytes) const {
  std::ofstream out(Native(*this / name), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << ToUtf8(name);
}

void TempFolder::WriteSparse(TextView name, std::uint64_t size,
                             std::initializer_list<std::uint64_t> markerOffsets) const {
  Write(name, "");
  fs::resize_file(Native(*this / name), size);
  std::fstream out(Native(*this / name), std::ios::binary | std::ios::in | std::ios::out);
  for (std::uint64_t offset : markerOffsets) {
    out.seekp(static_cast<std::streamoff>(offset));
    out.write(kMarker.data(), static_cast<std::streamsize>(kMarker.size()));
  }
  ASSERT_TRUE(out.good());
}

std::string TempFolder::Read(TextView name) const {
  std::ifstream in(Native(*this / name), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string TempFolder::ReadRange(TextView name, std::uint64_t offset, std::size_t count) const {
  std::ifstream in(Native(*this / name), std::ios::binary);
  in.seekg(static_cast<std::streamoff>(offset));
  std::string bytes(count, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(count));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

bool TempFolder::Holds(TextView name) const {
  std::error_code ignored;
  return fs::exists(Native(*this / name), ignored);
}

std::vector<std::string> TempFolder::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(Native(path_))) {
    const std::u8string name = entry.path().filename().u8string();
    names.emplace_back(name.begin(), name.end());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::uint64_t TempFolder::SizeOf(TextView name) const { return fs::file_size(Native(*this / name)); }

void TempFolder::MakeFolder(TextView name) const { fs::create_directories(Native(*this / name)); }

void TempFolder::MakeHidden(TextView name) const {
#ifdef _WIN32
  const fs::path path = Native(*this / name);
  SetFileAttributesW(path.c_str(), GetFileAttributesW(path.c_str()) | FILE_ATTRIBUTE_HIDDEN);
#else
  (void)name;
#endif
}

void TempFolder::SetWriteTime(TextView name, int year, int month, int day, int hour, int minute,
                              int second) const {
  const fs::path path = Native(*this / name);
#ifdef _WIN32
  SYSTEMTIME calendar{};
  calendar.wYear = static_cast<WORD>(year);
  calendar.wMonth = static_cast<WORD>(month);
  calendar.wDay = static_cast<WORD>(day);
  calendar.wHour = static_cast<WORD>(hour);
  calendar.wMinute = static_cast<WORD>(minute);
  calendar.wSecond = static_cast<WORD>(second);
  FILETIME moment;
  ASSERT_TRUE(SystemTimeToFileTime(&calendar, &moment));
  HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &moment));
  CloseHandle(file);
#else
  struct tm fields {};
  fields.tm_year = year - 1900;
  fields.tm_mon = month - 1;
  fields.tm_mday = day;
  fields.tm_hour = hour;
  fields.tm_min = minute;
  fields.tm_sec = second;
  struct timespec times[2];
  times[0].tv_sec = times[1].tv_sec = timegm(&fields);
  times[0].tv_nsec = times[1].tv_nsec = 0;
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
#endif
}

bool NobodyHoldsOpen(TextView path) {
  const fs::path native = Native(path);
#ifdef _WIN32
  // Opening without sharing fails while any other handle is open.
  HANDLE file = CreateFileW(native.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
#else
  std::error_code ignored;
  const fs::path target = fs::canonical(native, ignored);
  for (const auto& descriptor : fs::directory_iterator("/proc/self/fd", ignored)) {
    if (fs::read_symlink(descriptor.path(), ignored) == target) return false;
  }
  return true;
#endif
}

}  // namespace tarnix::test
