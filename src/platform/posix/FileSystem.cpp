// The file services on POSIX.
#include "platform/FileSystem.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/posix/NativePath.h"
#include "platform/posix/OpenedFileHandle.h"

namespace tarnix {

void RemoveFolder(TextView path) {
  std::string native = posix::NativePath(path);
  if (::rmdir(native.c_str()) != 0) throw posix::ErrnoFailure(errno, native);
}

void CreateFolder(TextView path) {
  std::string native = posix::NativePath(path);
  if (::mkdir(native.c_str(), 0777) != 0) throw posix::ErrnoFailure(errno, native);
}

void RenameEntry(TextView from, TextView to) {
  std::string source = posix::NativePath(from);
  std::string target = posix::NativePath(to);
  int result = ::renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE);
  if (result != 0 && (errno == EINVAL || errno == ENOSYS)) {
    // A file system without RENAME_NOREPLACE: test, then rename.
    struct stat status;
    if (::lstat(target.c_str(), &status) == 0) {
      errno = EEXIST;
    } else {
      result = ::rename(source.c_str(), target.c_str());
    }
  }
  if (result != 0) {
    int error = errno;
    struct stat status;
    bool sourceMissing = error == ENOENT && ::lstat(source.c_str(), &status) != 0;
    throw posix::ErrnoFailure(error, sourceMissing ? source : target);
  }
}

void DeleteSingleFile(TextView path) {
  std::string native = posix::NativePath(path);
  if (::unlink(native.c_str()) != 0) throw posix::ErrnoFailure(errno, native);
}

OpenedFile::OpenedFile(std::unique_ptr<Handle> handle) : handle_(std::move(handle)) {}
OpenedFile::OpenedFile(OpenedFile&&) noexcept = default;
OpenedFile& OpenedFile::operator=(OpenedFile&&) noexcept = default;
OpenedFile::~OpenedFile() = default;

namespace {

// Opens an existing regular file; a missing one is no handle when
// `missingIsNothing`. Opening never waits: a FIFO, a device or a socket
// (whose open could block, or whose bytes never end) is refused with 75.
std::unique_ptr<OpenedFile::Handle> Open(TextView path, int flags, bool missingIsNothing = false) {
  auto handle = std::make_unique<OpenedFile::Handle>();
  handle->path = posix::NativePath(path);
  handle->descriptor = ::open(handle->path.c_str(), flags | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (handle->descriptor < 0) {
    if (missingIsNothing && errno == ENOENT) return nullptr;
    if (errno == ENXIO) throw ClassicFailure(Classic::PathFileAccessError);  // a FIFO nobody reads, a socket
    throw posix::ErrnoFailure(errno, handle->path);
  }
  struct stat status;
  if (::fstat(handle->descriptor, &status) != 0) throw posix::ErrnoFailure(errno, handle->path);
  if (!S_ISREG(status.st_mode)) throw ClassicFailure(Classic::PathFileAccessError);
  const int status_flags = ::fcntl(handle->descriptor, F_GETFL);
  if (status_flags < 0 || ::fcntl(handle->descriptor, F_SETFL, status_flags & ~O_NONBLOCK) != 0) {
    throw posix::ErrnoFailure(errno, handle->path);
  }
  return handle;
}

bool KernelCopyUnavailable(int error) {
  return error == EXDEV || error == ENOSYS || error == EINVAL || error == EOPNOTSUPP ||
         error == EBADF;
}

}  // namespace

OpenedFile OpenedFile::ForReading(TextView path) { return OpenedFile(Open(path, O_RDONLY)); }

std::optional<OpenedFile> OpenedFile::ForWritingIfPresent(TextView path) {
  std::unique_ptr<Handle> handle = Open(path, O_WRONLY, true);
  if (!handle) return std::nullopt;
  return OpenedFile(std::move(handle));
}

FileIdentity OpenedFile::Identity() const {
  struct stat status;
  if (::fstat(handle_->descriptor, &status) != 0) throw posix::ErrnoFailure(errno, handle_->path);
  return FileIdentity{static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
}

std::uint64_t OpenedFile::CopyTo(OpenedFile& destination) {
  const int from = handle_->descriptor;
  const int to = destination.handle_->descriptor;
  std::uint64_t copied = 0;
  // In the kernel where it can; it moves the file positions as read and write do.
  for (;;) {
    ssize_t moved = ::copy_file_range(from, nullptr, to, nullptr, std::size_t{1} << 30, 0);
    if (moved > 0) {
      copied += static_cast<std::uint64_t>(moved);
      continue;
    }
    if (moved == 0) return copied;
    if (errno == EINTR) continue;
    if (!KernelCopyUnavailable(errno)) throw posix::ErrnoFailure(errno, destination.handle_->path);
    break;
  }
  // Otherwise through one bounded buffer.
  std::vector<char> buffer(std::size_t{1} << 20);
  for (;;) {
    ssize_t read = ::read(from, buffer.data(), buffer.size());
    if (read < 0) {
      if (errno == EINTR) continue;
      throw posix::ErrnoFailure(errno, handle_->path);
    }
    if (read == 0) return copied;
    for (ssize_t written = 0; written < read;) {
      ssize_t step = ::write(to, buffer.data() + written, static_cast<std::size_t>(read - written));
      if (step < 0) {
        if (errno == EINTR) continue;
        throw posix::ErrnoFailure(errno, destination.handle_->path);
      }
      written += step;
    }
    copied += static_cast<std::uint64_t>(read);
  }
}

void OpenedFile::Close() {
  int descriptor = handle_->descriptor;
  handle_->descriptor = -1;
  if (::close(descriptor) != 0) throw posix::ErrnoFailure(errno, handle_->path);
}

}  // namespace tarnix
