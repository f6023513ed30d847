// GetFileList of Tarnix.dll against a bare directory search loop, in one
// process under Wine (or on Windows), and the private memory a listing takes
// per entry.
//
//   listing_under_wine DLL FOLDER [ROUNDS]
//
// FOLDER gets two subfolders of 100,000 empty files each, made on the first
// run. Each round times, in turn, the bare loop over the first (the search a
// listing makes: FindFirstFileExW with basic information and large fetches,
// FileTimeToSystemTime per entry) and a Files object made from the DLL, its
// GetFileList of that folder, and its release. The medians and their ratio
// follow. Before them, one Files object lists both subfolders, 200,000
// entries, and the growth of the process's committed private memory is
// shared out among them. The DLL is loaded by path, not through the registry.
#include <windows.h>
#include <oleauto.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "Tarnix_h.h"

namespace {

constexpr int kEntriesPerFolder = 100000;
const CLSID kFilesClass = {0x7E5A9502, 0x758F, 0x11D1, {0xAF, 0x4E, 0, 0, 0, 0, 0, 0}};
const IID kFilesInterface = {0x7E5A9501, 0x758F, 0x11D1, {0xAF, 0x4E, 0, 0, 0, 0, 0, 0}};

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Committed private memory of the process: every committed private region.
SIZE_T PrivateBytes() {
  SIZE_T total = 0;
  MEMORY_BASIC_INFORMATION region;
  for (const char* address = nullptr;
       VirtualQuery(address, &region, sizeof region) == sizeof region;
       address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
  }
  return total;
}

bool MakeFolder(const std::wstring& folder, const wchar_t* stem) {
  const std::wstring done = folder + L"\\done";
  if (GetFileAttributesW(done.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
  CreateDirectoryW(folder.c_str(), nullptr);
  std::fwprintf(stderr, L"making %d files in %ls (once)\n", kEntriesPerFolder, folder.c_str());
  for (int i = 0; i < kEntriesPerFolder; ++i) {
    wchar_t name[64];
    swprintf(name, 64, L"\\%ls-%07d.txt", stem, i);
    HANDLE file = CreateFileW((folder + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
  }
  HANDLE file = CreateFileW(done.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  CloseHandle(file);
  return true;
}

int RawLoop(const std::wstring& pattern) {
  WIN32_FIND_DATAW data;
  HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                   FIND_FIRST_EX_LARGE_FETCH);
  if (search == INVALID_HANDLE_VALUE) return 0;
  int count = 0;
  do {
    SYSTEMTIME time;
    FileTimeToSystemTime(&data.ftLastWriteTime, &time);
    count += time.wYear != 0;
  } while (FindNextFileW(search, &data));
  FindClose(search);
  return count;
}

_Files* NewFiles(IClassFactory* factory) {
  _Files* files = nullptr;
  if (FAILED(factory->CreateInstance(nullptr, kFilesInterface, reinterpret_cast<void**>(&files)))) return nullptr;
  return files;
}

bool List(_Files* files, const std::wstring& pattern) {
  VARIANT newPath;
  VariantInit(&newPath);
  newPath.vt = VT_BSTR;
  newPath.bstrVal = SysAllocString(pattern.c_str());
  VARIANT_BOOL result = VARIANT_FALSE;
  HRESULT hr = files->GetFileList(newPath, &result);
  VariantClear(&newPath);
  return SUCCEEDED(hr) && result == VARIANT_TRUE;
}

int Count(_Files* files) {
  LONG count = 0;
  files->get_Count(&count);
  return count;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fwprintf(stderr, L"usage: listing_under_wine DLL FOLDER [ROUNDS]\n");
    return 2;
  }
  const std::wstring dll = argv[1];
  const std::wstring folder = argv[2];
  const int rounds = argc > 3 ? _wtoi(argv[3]) : 7;
  CoInitialize(nullptr);

  HMODULE module = LoadLibraryW(dll.c_str());
  using GetClassObject = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
  auto getClassObject = module ? reinterpret_cast<GetClassObject>(
                                     reinterpret_cast<void*>(GetProcAddress(module, "DllGetClassObject")))
                               : nullptr;
  IClassFactory* factory = nullptr;
  if (!getClassObject || FAILED(getClassObject(kFilesClass, IID_IClassFactory, reinterpret_cast<void**>(&factory)))) {
    std::fwprintf(stderr, L"cannot load %ls\n", dll.c_str());
    return 1;
  }
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring first = folder + L"\\documents", second = folder + L"\\reports";
  if (!MakeFolder(first, L"document") || !MakeFolder(second, L"report")) {
    std::fwprintf(stderr, L"cannot make the files in %ls\n", folder.c_str());
    return 1;
  }
  // *.txt: every file but the marker "done", which both folders hold.
  const std::wstring pattern = first + L"\\*.txt", secondPattern = second + L"\\*.txt";

  // Memory first, while the process has held no list yet.
  const SIZE_T before = PrivateBytes();
  _Files* both = NewFiles(factory);
  List(both, pattern);
  List(both, secondPattern);
  const int entries = Count(both);
  const SIZE_T after = PrivateBytes();
  both->Release();
  std::wprintf(L"%d entries in one list: %.0f bytes of private memory per entry\n", entries,
               static_cast<double>(after - before) / entries);

  std::vector<double> raw, tarnix, ratios;
  for (int round = 0; round < rounds; ++round) {
    double start = Now();
    const int found = RawLoop(pattern);
    raw.push_back(Now() - start);

    start = Now();
    _Files* files = NewFiles(factory);
    const bool listed = files && List(files, pattern);
    const int count = files ? Count(files) : 0;
    if (files) files->Release();
    tarnix.push_back(Now() - start);
    ratios.push_back(tarnix.back() / raw.back());
    if (!listed || count != kEntriesPerFolder || found != kEntriesPerFolder) {
      std::fwprintf(stderr, L"unexpected counts: listed %d, searched %d\n", count, found);
      return 1;
    }
  }
  std::wprintf(L"%d files, %d rounds, medians:\n", kEntriesPerFolder, rounds);
  std::wprintf(L"  bare FindFirstFileExW loop           %8.1f ms\n", Median(raw) * 1000);
  std::wprintf(L"  Files: create, GetFileList, release  %8.1f ms\n", Median(tarnix) * 1000);
  std::wprintf(L"  ratio of the medians                 %8.2fx\n", Median(tarnix) / Median(raw));
  std::wprintf(L"  median of the rounds' ratios         %8.2fx (%.2f to %.2f)\n", Median(ratios),
               *std::min_element(ratios.begin(), ratios.end()), *std::max_element(ratios.begin(), ratios.end()));

  factory->Release();
  CoUninitialize();
  return 0;
}
