// The directory listing, the existence test and the copy, against bare
// system calls and cp. The fixtures live in $TARNIX_BENCH_DIR (default
// /tmp/tarnix-bench) and are made on the first run.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "PeerRatio.h"
#include "fileops/CopyFileData.h"
#include "model/Files.h"

namespace tarnix {
namespace {

namespace fs = std::filesystem;

constexpr int kEntries = 100000;

fs::path BenchRoot() {
  const char* configured = std::getenv("TARNIX_BENCH_DIR");
  return configured != nullptr ? fs::path(configured) : fs::path("/tmp/tarnix-bench");
}

// A folder of `count` empty files with 20-character names.
const fs::path& FolderOf(int count) {
  static std::map<int, fs::path> made;
  auto found = made.find(count);
  if (found != made.end()) return found->second;
  fs::path folder = BenchRoot() / ("folder-" + std::to_string(count));
  if (!fs::exists(folder / "done")) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (int i = 0; i < count; ++i) {
      std::string digits = std::to_string(i);
      std::ofstream(folder / ("document-" + std::string(7 - digits.size(), '0') + digits + ".txt"));
    }
    std::ofstream(folder / "done");
  }
  return made[count] = folder;
}

const fs::path& GibFile() {
  static fs::path file = [] {
    fs::path path = BenchRoot() / "one-gib.bin";
    if (!fs::exists(path) || fs::file_size(path) != (std::uintmax_t{1} << 30)) {
      fs::create_directories(BenchRoot());
      std::ofstream out(path, std::ios::binary);
      std::vector<std::uint64_t> block(1 << 17);
      std::mt19937_64 random(1);
      for (int i = 0; i < 1024; ++i) {
        for (auto& word : block) word = random();
        out.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(block.size() * 8));
      }
    }
    return path;
  }();
  return file;
}

Text PatternOf(const fs::path& folder) { return FromUtf8((folder / "*.*").string()); }

// The first listing in a process also grows the heap; a server lists many
// times, so the timed runs start from a heap that has held one listing.
void BM_GetFileList(benchmark::State& state) {
  const Text pattern = PatternOf(FolderOf(static_cast<int>(state.range(0))));
  Files().GetFileList(Value(pattern));
  for (auto _ : state) {
    auto files = std::make_unique<Files>();
    files->GetFileList(Value(pattern));
    benchmark::DoNotOptimize(files->Count());
    state.PauseTiming();  // the list's release is not the listing
    files.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The peer: one pass of readdir with fstatat relative to the directory.
void BM_ReaddirFstatat(benchmark::State& state) {
  const std::string folder = FolderOf(static_cast<int>(state.range(0))).string();
  for (auto _ : state) {
    DIR* dir = opendir(folder.c_str());
    std::size_t total = 0;
    while (dirent* entry = readdir(dir)) {
      struct stat status;
      if (fstatat(dirfd(dir), entry->d_name, &status, 0) == 0) total += static_cast<std::size_t>(status.st_size) + 1;
    }
    closedir(dir);
    benchmark::DoNotOptimize(total);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ListingBytesPerEntry(benchmark::State& state) {
  const Text pattern = PatternOf(FolderOf(static_cast<int>(state.range(0))));
  double bytes = 0;
  for (auto _ : state) {
    auto files = std::make_unique<Files>();
    std::size_t before = mallinfo2().uordblks;
    files->GetFileList(Value(pattern));
    bytes = static_cast<double>(mallinfo2().uordblks - before) / state.range(0);
  }
  state.counters["bytes_per_entry"] = bytes;
}

void BM_ExistsFirstMatch(benchmark::State& state) {
  const fs::path& folder = FolderOf(static_cast<int>(state.range(0)));
  const Text everything = PatternOf(folder);
  const Text someText = FromUtf8((folder / "document-*.txt").string());
  Files files;
  for (auto _ : state) {
    benchmark::DoNotOptimize(files.Exists(Value(everything)));
    benchmark::DoNotOptimize(files.Exists(Value(someText)));
  }
}

void BM_CopyFileData(benchmark::State& state) {
  const Text from = FromUtf8(GibFile().string());
  const Text to = FromUtf8((BenchRoot() / "copy-by-tarnix.bin").string());
  for (auto _ : state) {
    if (!CopyFileData(from, to)) state.SkipWithError("the copy failed");
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(GibFile())));
}

void BM_cp(benchmark::State& state) {
  const std::string command =
      "cp " + GibFile().string() + " " + (BenchRoot() / "copy-by-cp.bin").string();
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("cp failed");
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(GibFile())));
}

BENCHMARK(BM_GetFileList)->Arg(kEntries)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_ReaddirFstatat)->Arg(kEntries)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_ListingBytesPerEntry)->Arg(kEntries)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExistsFirstMatch)->Arg(10)->Arg(kEntries)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CopyFileData)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_cp)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tarnix

int main(int argc, char** argv) {
  tarnix::bench::CompareWithPeer("BM_GetFileList/100000/min_time:3.000", "BM_ReaddirFstatat/100000/min_time:3.000");
  tarnix::bench::CompareWithPeer("BM_ExistsFirstMatch/100000", "BM_ExistsFirstMatch/10");
  tarnix::bench::CompareWithPeer("BM_CopyFileData/real_time", "BM_cp/real_time");
  return tarnix::bench::RunWithRatios(argc, argv);
}
