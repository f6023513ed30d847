#include "platform/posix/NativePath.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace tarnix::posix {
namespace {

bool ParentFolderExists(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return true;  // the current directory
  std::string parent = slash == 0 ? "/" : path.substr(0, slash);
  struct stat status;
  return ::stat(parent.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

bool HoldsNul(TextView path) { return path.find(u'\0') != TextView::npos; }

std::string NativePath(TextView path) {
  if (HoldsNul(path)) throw ClassicFailure(Classic::BadFileName);
  std::string native = ToUtf8(path);
  for (char& c : native) {
    if (c == '\\') c = '/';
  }
  return native;
}

Failure ErrnoFailure(int error, const std::string& path) {
  switch (error) {
    case ENOENT:
      return ClassicFailure(ParentFolderExists(path) ? Classic::FileNotFound : Classic::PathNotFound);
    case ENOTDIR:
      return ClassicFailure(Classic::PathNotFound);
    case EEXIST:
      return ClassicFailure(Classic::FileAlreadyExists);
    case ENOTEMPTY:
    case EISDIR:
    case EACCES:
    case EPERM:
      return ClassicFailure(Classic::PathFileAccessError);
    case EBUSY:
    case ETXTBSY:
    case EROFS:
      return ClassicFailure(Classic::PermissionDenied);
    case ENAMETOOLONG:
    case EILSEQ:
      return ClassicFailure(Classic::BadFileName);
    case ENOMEM:
      return ClassicFailure(Classic::OutOfMemory);
    default:
      return Failure(error, FromUtf8(std::strerror(error)));
  }
}

}  // namespace tarnix::posix
