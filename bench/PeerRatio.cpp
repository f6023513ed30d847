#include "PeerRatio.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

namespace tarnix::bench {
namespace {

std::vector<std::pair<std::string, std::string>>& Pairs() {
  static std::vector<std::pair<std::string, std::string>> pairs;
  return pairs;
}

// Passes every run on to the console and remembers its real time per iteration.
class RecordingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
        seconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
      }
    }
  }
  const std::map<std::string, double>& Seconds() const { return seconds_; }

 private:
  std::map<std::string, double> seconds_;
};

}  // namespace

void CompareWithPeer(std::string ours, std::string peer) {
  Pairs().emplace_back(std::move(ours), std::move(peer));
}

int RunWithRatios(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\nRatios against peers measured in this run (lower is better):\n");
  for (const auto& [ours, peer] : Pairs()) {
    auto a = reporter.Seconds().find(ours);
    auto b = reporter.Seconds().find(peer);
    if (a == reporter.Seconds().end() || b == reporter.Seconds().end()) continue;
    std::printf("  %-45s / %-45s = %.2fx\n", ours.c_str(), peer.c_str(), a->second / b->second);
  }
  benchmark::Shutdown();
  return 0;
}

}  // namespace tarnix::bench
