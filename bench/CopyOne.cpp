// Copies one file with the copy routine of Files.Copy and File.Copy, for
// timing the whole process against cp on the same files:
//   copy_one FROM TO        exits 0 when the copy succeeded
#include <cstdio>

#include "fileops/CopyFileData.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: copy_one FROM TO\n");
    return 2;
  }
  return tarnix::CopyFileData(tarnix::FromUtf8(argv[1]), tarnix::FromUtf8(argv[2])) ? 0 : 1;
}
