// One listing as a whole process, the first of the process, to time against
// the bare loop it rests on:
//   list_one tarnix FOLDER     a Files object lists FOLDER and is released
//   list_one search FOLDER     the directory search of a listing, keeping nothing
//   list_one readdir FOLDER    readdir with fstatat relative to the folder
// Each prints the number of entries. The search alone shows what of a
// listing's cost is the search's (names in UTF-16, attributes and times as
// Windows gives them) and what is the list's.
#include <dirent.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "model/Files.h"
#include "platform/DirectorySearch.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: list_one tarnix|search|readdir FOLDER\n");
    return 2;
  }
  const std::string folder = argv[2];
  long count = 0;
  if (std::strcmp(argv[1], "tarnix") == 0) {
    auto files = std::make_unique<tarnix::Files>();
    files->GetFileList(tarnix::Value(tarnix::FromUtf8(folder + "/*.*")));
    count = files->Count();
  } else if (std::strcmp(argv[1], "search") == 0) {
    tarnix::DirectorySearch search(tarnix::FromUtf8(folder + "/*.*"), tarnix::DirectorySearch::Purpose::kListing);
    tarnix::CalendarTime time;
    for (bool more = search.Found(); more; more = search.Next()) {
      count += search.Name().size() > 0 && search.Attributes() != 0xFFFFFFFFu && search.Size() != ~0ull;
      search.LastWriteTime(time);
    }
  } else {
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) return 1;
    while (dirent* entry = readdir(dir)) {
      struct stat status;
      if (fstatat(dirfd(dir), entry->d_name, &status, 0) == 0) ++count;
    }
    closedir(dir);
  }
  std::printf("%ld\n", count);
  return 0;
}
