// Replacing a destination on Windows. The bytes go into a hidden file of
// their own in the destination's folder, opened with DELETE access, so that
// it can be removed through its handle even should the folder's permissions
// change meanwhile. Once complete, ReplaceFileW puts it in the place of an
// existing destination, which keeps its attributes, security and creation
// time; a new destination is a rename (MoveFileExW).
#include "platform/ReplacementFile.h"

#include <string>

#include "platform/TemporaryName.h"
#include "platform/win32/OpenedFileHandle.h"
#include "platform/win32/WidePath.h"

namespace tarnix {

struct ReplacementFile::State {
  State(std::wstring destinationPath, std::wstring folderPath, std::wstring newName, OpenedFile file)
      : destination(std::move(destinationPath)),
        folder(std::move(folderPath)),
        name(std::move(newName)),
        contents(std::move(file)) {}
  ~State();
  std::wstring destination;
  std::wstring folder;  // where the destination is, ending in a separator or a drive's colon
  std::wstring name;    // the new file
  OpenedFile contents;  // open until Commit closes it
  bool open = true;
  bool committed = false;
};

namespace {

std::wstring FolderOf(const std::wstring& path) {
  std::size_t separator = path.find_last_of(L"\\/");
  if (separator != std::wstring::npos) return path.substr(0, separator + 1);
  if (path.size() >= 2 && path[1] == L':') return path.substr(0, 2);
  return std::wstring();
}

std::wstring NewNameIn(const std::wstring& folder) {
  Text name = TemporaryFileName();
  return folder + std::wstring(name.begin(), name.end());
}

// A hidden file under a new name in `folder`, created exclusively.
HANDLE CreateHidden(const std::wstring& folder, DWORD access, std::wstring& name) {
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    name = NewNameIn(folder);
    HANDLE file = CreateFileW(name.c_str(), access, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file != INVALID_HANDLE_VALUE) return file;
    DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) throw win32::LastErrorFailure(error);
  }
  throw win32::LastErrorFailure(ERROR_FILE_EXISTS);
}

void Check(BOOL succeeded) {
  if (!succeeded) throw win32::LastErrorFailure(GetLastError());
}

// The attributes the new file takes over: the existing destination's,
// never read-only (that destination could not have been written), or those
// of a newly created file.
DWORD AttributesFor(DWORD destination) {
  constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                          FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
  if (destination == INVALID_FILE_ATTRIBUTES) return FILE_ATTRIBUTE_ARCHIVE;
  DWORD kept = destination & kKept;
  return kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// ReplaceFileW with a backup name, reserved beforehand so that no file of a
// script's is overwritten by it: without one, a failure after the replaced
// file was moved aside could leave it gone. Whichever step fails, the old
// file is back under its name before the failure is raised.
void ReplaceExisting(const std::wstring& destination, const std::wstring& replacement, const std::wstring& folder) {
  std::wstring backup;
  CloseHandle(CreateHidden(folder, GENERIC_WRITE, backup));
  if (ReplaceFileW(destination.c_str(), replacement.c_str(), backup.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS,
                   nullptr, nullptr)) {
    DeleteFileW(backup.c_str());  // the old content
    return;
  }
  DWORD error = GetLastError();
  if (!Exists(destination) && Exists(backup)) MoveFileExW(backup.c_str(), destination.c_str(), 0);
  DeleteFileW(backup.c_str());
  throw win32::LastErrorFailure(error);
}

}  // namespace

ReplacementFile::State::~State() {
  if (committed) return;
  if (open) {
    FILE_DISPOSITION_INFO remove{TRUE};
    if (SetFileInformationByHandle(contents.handle_->file, FileDispositionInfo, &remove, sizeof remove)) return;
    try {
      contents.Close();
    } catch (...) {
    }
  }
  DeleteFileW(name.c_str());
}

ReplacementFile::ReplacementFile(std::unique_ptr<State> state) : state_(std::move(state)) {}
ReplacementFile::ReplacementFile(ReplacementFile&&) noexcept = default;
ReplacementFile& ReplacementFile::operator=(ReplacementFile&&) noexcept = default;
ReplacementFile::~ReplacementFile() = default;

ReplacementFile ReplacementFile::Beside(TextView destinationName) {
  std::wstring destination = win32::WidePath(destinationName);
  std::wstring folder = FolderOf(destination);
  std::wstring name;
  HANDLE file = CreateHidden(folder, GENERIC_WRITE | DELETE, name);
  OpenedFile contents(std::make_unique<OpenedFile::Handle>(file));
  return ReplacementFile(
      std::make_unique<State>(std::move(destination), std::move(folder), std::move(name), std::move(contents)));
}

OpenedFile& ReplacementFile::Contents() { return state_->contents; }

void ReplacementFile::Commit() {
  State& state = *state_;
  state.open = false;
  state.contents.Close();
  const DWORD existing = GetFileAttributesW(state.destination.c_str());
  Check(SetFileAttributesW(state.name.c_str(), AttributesFor(existing)));
  if (existing == INVALID_FILE_ATTRIBUTES) {
    Check(MoveFileExW(state.name.c_str(), state.destination.c_str(), 0));
  } else {
    ReplaceExisting(state.destination, state.name, state.folder);
  }
  state.committed = true;
}

}  // namespace tarnix
