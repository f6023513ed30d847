// The file services on Windows, through the wide API only.
#include "platform/FileSystem.h"

#include <vector>

#include "platform/win32/OpenedFileHandle.h"
#include "platform/win32/WidePath.h"

namespace tarnix {
namespace {

void Check(BOOL succeeded) {
  if (!succeeded) throw win32::LastErrorFailure(GetLastError());
}

}  // namespace

void RemoveFolder(TextView path) { Check(RemoveDirectoryW(win32::WidePath(path).c_str())); }

void CreateFolder(TextView path) { Check(CreateDirectoryW(win32::WidePath(path).c_str(), nullptr)); }

void RenameEntry(TextView from, TextView to) {
  std::wstring source = win32::WidePath(from);
  Check(MoveFileW(source.c_str(), win32::WidePath(to).c_str()));
}

void DeleteSingleFile(TextView path) { Check(DeleteFileW(win32::WidePath(path).c_str())); }

OpenedFile::OpenedFile(std::unique_ptr<Handle> handle) : handle_(std::move(handle)) {}
OpenedFile::OpenedFile(OpenedFile&&) noexcept = default;
OpenedFile& OpenedFile::operator=(OpenedFile&&) noexcept = default;
OpenedFile::~OpenedFile() = default;

namespace {

// Opens an existing disk file; a missing one is no handle when `missingIsNothing`.
std::unique_ptr<OpenedFile::Handle> Open(TextView path, DWORD access, bool missingIsNothing = false) {
  auto handle = std::make_unique<OpenedFile::Handle>();
  handle->file = CreateFileW(win32::WidePath(path).c_str(), access,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (handle->file == INVALID_HANDLE_VALUE) {
    DWORD error = GetLastError();
    if (missingIsNothing && error == ERROR_FILE_NOT_FOUND) return nullptr;
    throw win32::LastErrorFailure(error);
  }
  // A device (CON, NUL, COM1) or a pipe is no file to copy: its reads may
  // wait forever or never end, and writes to it vanish.
  if (GetFileType(handle->file) != FILE_TYPE_DISK) throw ClassicFailure(Classic::PathFileAccessError);
  return handle;
}

}  // namespace

OpenedFile OpenedFile::ForReading(TextView path) { return OpenedFile(Open(path, GENERIC_READ)); }

std::optional<OpenedFile> OpenedFile::ForWritingIfPresent(TextView path) {
  std::unique_ptr<Handle> handle = Open(path, GENERIC_WRITE, true);
  if (!handle) return std::nullopt;
  return OpenedFile(std::move(handle));
}

FileIdentity OpenedFile::Identity() const {
  BY_HANDLE_FILE_INFORMATION information;
  Check(GetFileInformationByHandle(handle_->file, &information));
  return FileIdentity{information.dwVolumeSerialNumber,
                      (static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) | information.nFileIndexLow};
}

std::uint64_t OpenedFile::CopyTo(OpenedFile& destination) {
  std::vector<char> buffer(std::size_t{1} << 20);
  std::uint64_t copied = 0;
  for (;;) {
    DWORD read = 0;
    Check(ReadFile(handle_->file, buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr));
    if (read == 0) return copied;
    for (DWORD written = 0; written < read;) {
      DWORD step = 0;
      Check(WriteFile(destination.handle_->file, buffer.data() + written, read - written, &step, nullptr));
      if (step == 0) throw win32::LastErrorFailure(ERROR_HANDLE_DISK_FULL);
      written += step;
    }
    copied += read;
  }
}

void OpenedFile::Close() {
  HANDLE file = handle_->file;
  handle_->file = INVALID_HANDLE_VALUE;
  Check(CloseHandle(file));
}

}  // namespace tarnix
