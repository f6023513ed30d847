#include "platform/win32/WidePath.h"

namespace tarnix::win32 {

bool HoldsNul(TextView path) { return path.find(u'\0') != TextView::npos; }

std::wstring WidePath(TextView path) {
  if (HoldsNul(path)) throw ClassicFailure(Classic::BadFileName);
  return std::wstring(reinterpret_cast<const wchar_t*>(path.data()), path.size());
}

Failure LastErrorFailure(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_NO_MORE_FILES:
      return ClassicFailure(Classic::FileNotFound);
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DIRECTORY:
      return ClassicFailure(Classic::PathNotFound);
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return ClassicFailure(Classic::FileAlreadyExists);
    case ERROR_ACCESS_DENIED:
    case ERROR_DIR_NOT_EMPTY:
      return ClassicFailure(Classic::PathFileAccessError);
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
      return ClassicFailure(Classic::PermissionDenied);
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
      return ClassicFailure(Classic::BadFileName);
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      return ClassicFailure(Classic::OutOfMemory);
    default:
      break;
  }
  Text text;
  wchar_t* buffer = nullptr;
  DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  if (length != 0 && buffer != nullptr) {
    text.assign(reinterpret_cast<const char16_t*>(buffer), length);
    while (!text.empty() && (text.back() == u'\n' || text.back() == u'\r' || text.back() == u' ')) text.pop_back();
  }
  LocalFree(buffer);
  if (text.empty()) text = u"System error " + FromUtf8(std::to_string(error));
  return Failure(static_cast<std::int32_t>(HRESULT_FROM_WIN32(error)), text);
}

}  // namespace tarnix::win32
