// Replacing a destination on POSIX. The bytes go into an unnamed file
// (O_TMPFILE) in the destination's folder: should the process fail or die
// while writing, there is nothing to clean up. Once complete, the file gets a
// name of its own and is renamed over the destination, which readers see
// change from the old file to the new one at once. A file system without
// O_TMPFILE gets a named file from the start, removed on failure.
#include "platform/ReplacementFile.h"

#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>

#include "platform/TemporaryName.h"
#include "platform/posix/NativePath.h"
#include "platform/posix/OpenedFileHandle.h"

namespace tarnix {

struct ReplacementFile::State {
  State(std::string destinationPath, OpenedFile file, std::string name)
      : destination(std::move(destinationPath)), contents(std::move(file)), linkedName(std::move(name)) {}
  ~State() {
    if (!committed && !linkedName.empty()) ::unlink(linkedName.c_str());
  }
  std::string destination;  // the file to replace (a symbolic link's target)
  OpenedFile contents;
  std::string linkedName;   // the new file's name, once it has one
  bool committed = false;
};

namespace {

// The file a destination names: a symbolic link stays and its target is
// replaced, as writing through the link would have changed the target.
std::string FileToReplace(std::string destination) {
  struct stat status;
  if (::lstat(destination.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return destination;
  char resolved[PATH_MAX];
  if (::realpath(destination.c_str(), resolved) == nullptr) throw posix::ErrnoFailure(errno, destination);
  return resolved;
}

// The folder part, ending in "/", or empty for the current directory.
std::string FolderOf(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string NewNameIn(const std::string& folder) { return folder + ToUtf8(TemporaryFileName()); }

bool UnnamedFilesUnsupported(int error) { return error == EOPNOTSUPP || error == EISDIR || error == EINVAL; }

int CreateUnnamed(const std::string& folder, mode_t mode) {
  return ::open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
}

int CreateNamed(const std::string& folder, mode_t mode, std::string& name) {
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    name = NewNameIn(folder);
    int descriptor = ::open(name.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, mode);
    if (descriptor >= 0) return descriptor;
    if (errno != EEXIST) break;
  }
  int error = errno;
  name.clear();
  throw posix::ErrnoFailure(error, folder);
}

// Gives an unnamed file a name in `folder`: through /proc, which any process
// may, or else by AT_EMPTY_PATH, which needs a capability.
std::string LinkUnnamed(int descriptor, const std::string& folder) {
  const std::string self = "/proc/self/fd/" + std::to_string(descriptor);
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    std::string name = NewNameIn(folder);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return name;
    if (errno == ENOENT && ::linkat(descriptor, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0) return name;
    if (errno != EEXIST) break;
  }
  throw posix::ErrnoFailure(errno, folder);
}

// The destination's owner, where this process may give it, and its mode.
// A file system that keeps no modes leaves the new file as it makes it.
void CarryOverPermissions(int descriptor, const struct stat& destination, const std::string& path) {
  struct stat created;
  if (::fstat(descriptor, &created) != 0) throw posix::ErrnoFailure(errno, path);
  if (created.st_uid != destination.st_uid || created.st_gid != destination.st_gid) {
    (void)::fchown(descriptor, destination.st_uid, destination.st_gid);
  }
  if (::fchmod(descriptor, destination.st_mode & 07777) != 0 && errno != EPERM && errno != EOPNOTSUPP) {
    throw posix::ErrnoFailure(errno, path);
  }
}

}  // namespace

ReplacementFile::ReplacementFile(std::unique_ptr<State> state) : state_(std::move(state)) {}
ReplacementFile::ReplacementFile(ReplacementFile&&) noexcept = default;
ReplacementFile& ReplacementFile::operator=(ReplacementFile&&) noexcept = default;
ReplacementFile::~ReplacementFile() = default;

ReplacementFile ReplacementFile::Beside(TextView destinationName) {
  std::string destination = FileToReplace(posix::NativePath(destinationName));
  const std::string folder = FolderOf(destination);
  // Private until Commit gives it the destination's mode; a new destination
  // gets what creating it directly would have given.
  struct stat status;
  const mode_t mode = ::stat(destination.c_str(), &status) == 0 ? 0600 : 0666;
  std::string name;
  int descriptor = CreateUnnamed(folder, mode);
  if (descriptor < 0) {
    if (!UnnamedFilesUnsupported(errno)) throw posix::ErrnoFailure(errno, destination);
    descriptor = CreateNamed(folder, mode, name);
  }
  OpenedFile contents(std::make_unique<OpenedFile::Handle>(descriptor, destination));
  return ReplacementFile(std::make_unique<State>(std::move(destination), std::move(contents), std::move(name)));
}

OpenedFile& ReplacementFile::Contents() { return state_->contents; }

void ReplacementFile::Commit() {
  State& state = *state_;
  const int descriptor = state.contents.handle_->descriptor;
  struct stat destination;
  if (::stat(state.destination.c_str(), &destination) == 0) {
    CarryOverPermissions(descriptor, destination, state.destination);
  }
  if (state.linkedName.empty()) state.linkedName = LinkUnnamed(descriptor, FolderOf(state.destination));
  state.contents.Close();
  if (::rename(state.linkedName.c_str(), state.destination.c_str()) != 0) {
    throw posix::ErrnoFailure(errno, state.destination);
  }
  state.committed = true;
}

}  // namespace tarnix
