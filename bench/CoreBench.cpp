// The entry list and the sort, at 100,000 entries.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

#include "PeerRatio.h"
#include "model/Files.h"
#include "sorting/SortKeys.h"

namespace tarnix {
namespace {

constexpr int kEntries = 100000;
const Text kFolder = u"C:\\inetpub\\wwwroot\\files\\";

// 20-character names in a shuffled order.
std::vector<Text> Names(int count) {
  std::vector<Text> names;
  names.reserve(count);
  for (int i = 0; i < count; ++i) {
    Text digits = Value(i).ToText();
    names.push_back(u"document-" + Text(7 - digits.size(), u'0') + digits + u".txt");
  }
  std::shuffle(names.begin(), names.end(), std::mt19937(42));
  return names;
}

std::unique_ptr<Files> Filled(const std::vector<Text>& names) {
  auto files = std::make_unique<Files>();
  for (const Text& name : names) files->Add(kFolder, name, 32, 1234, u"12/31/2000 23:59:59");
  return files;
}

void BM_Add(benchmark::State& state) {
  const auto names = Names(state.range(0));
  for (auto _ : state) {
    auto files = Filled(names);
    benchmark::DoNotOptimize(files.get());
    state.PauseTiming();
    files.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Add)->Arg(1000)->Arg(kEntries)->Unit(benchmark::kMillisecond);

void BM_ItemByPosition(benchmark::State& state) {
  auto files = Filled(Names(state.range(0)));
  std::int32_t position = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(files->Item(Value(position)));
    position = position % files->Count() + 1;
  }
}
BENCHMARK(BM_ItemByPosition)->Arg(1000)->Arg(kEntries);

void BM_ItemByKey(benchmark::State& state) {
  const auto names = Names(state.range(0));
  auto files = Filled(names);
  std::vector<Value> keys;
  for (const Text& name : names) keys.emplace_back(LowerCase(name));
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(files->Item(keys[next]));
    next = (next + 1) % keys.size();
  }
}
BENCHMARK(BM_ItemByKey)->Arg(1000)->Arg(kEntries);

void BM_ClearFileList(benchmark::State& state) {
  const auto names = Names(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    auto files = Filled(names);
    state.ResumeTiming();
    files->ClearFileList();
  }
}
BENCHMARK(BM_ClearFileList)->Arg(1000)->Arg(kEntries)->Arg(4 * kEntries)->Unit(benchmark::kMillisecond);

void BM_Destroy(benchmark::State& state) {
  const auto names = Names(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    auto files = Filled(names);
    state.ResumeTiming();
    files.reset();
  }
}
BENCHMARK(BM_Destroy)->Arg(1000)->Arg(kEntries)->Arg(4 * kEntries)->Unit(benchmark::kMillisecond);

void BM_SortByName(benchmark::State& state) {
  auto files = Filled(Names(state.range(0)));
  for (auto _ : state) files->Sort(Value(u"name"));
}
BENCHMARK(BM_SortByName)->Arg(kEntries)->Unit(benchmark::kMillisecond);

// The peer: the same keys, derived the same way, ordered by std::sort.
void BM_StdSortOfTheSameKeys(benchmark::State& state) {
  auto files = Filled(Names(state.range(0)));
  for (auto _ : state) {
    std::vector<Text> keys;
    keys.reserve(files->Count());
    for (std::int32_t i = 1; i <= files->Count(); ++i) keys.push_back(TextKeyOf(*files->Item(Value(i)), SortField::Name));
    std::sort(keys.begin(), keys.end());
    benchmark::DoNotOptimize(keys.data());
  }
}
BENCHMARK(BM_StdSortOfTheSameKeys)->Arg(kEntries)->Unit(benchmark::kMillisecond);

void BM_BytesPerEntry(benchmark::State& state) {
  const auto names = Names(state.range(0));
  double bytes = 0;
  for (auto _ : state) {
    std::size_t before = mallinfo2().uordblks;
    auto files = Filled(names);
    std::size_t after = mallinfo2().uordblks;
    bytes = static_cast<double>(after - before) / state.range(0);
  }
  state.counters["bytes_per_entry"] = bytes;
}
BENCHMARK(BM_BytesPerEntry)->Arg(kEntries)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarnix

int main(int argc, char** argv) {
  tarnix::bench::CompareWithPeer("BM_SortByName/100000", "BM_StdSortOfTheSameKeys/100000");
  return tarnix::bench::RunWithRatios(argc, argv);
}
