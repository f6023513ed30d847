#pragma once
// A benchmark main that, after the usual report, prints how each benchmark
// compares with its peer measured in the same run.

#include <string>
#include <utility>
#include <vector>

namespace tarnix::bench {

// Declares that benchmark `ours` is to be compared with benchmark `peer`
// (full names as Google Benchmark prints them, e.g. "BM_Sort/100000").
void CompareWithPeer(std::string ours, std::string peer);

// Runs the benchmarks and prints "ours / peer" time ratios at the end.
int RunWithRatios(int argc, char** argv);

}  // namespace tarnix::bench
