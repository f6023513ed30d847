#pragma once
// The two quicksort procedures that order a sort table. The exact partition
// steps matter: they decide the order of records with equal keys, which
// scripts see. Records are exchanged whole (key and index together).
//
// The stack is bounded: of the two parts a partition leaves, the smaller is
// sorted by recursion and the larger by the next round of the loop. The parts
// are disjoint, so the order in which they are finished does not change the
// result, while the depth stays below log2(n) whatever the keys.

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace tarnix {

// The middle of lo..hi as (lo + hi) / 2 rounded to the nearest integer, an
// exact half going to the even neighbour.
inline std::int32_t MiddleOf(std::int32_t lo, std::int32_t hi) {
  std::int64_t sum = static_cast<std::int64_t>(lo) + hi;
  std::int64_t half = sum >= 0 ? sum / 2 : (sum - 1) / 2;  // floor
  if ((sum & 1) != 0 && (half & 1) != 0) ++half;
  return static_cast<std::int32_t>(half);
}

// `before(a, b)` is the strict order the scans use: less-than for ascending,
// greater-than for descending. Record has members `key` and `index`.
template <class Record, class Before>
void QuickSortRange(std::vector<Record>& table, std::int32_t lo, std::int32_t hi, Before before) {
  for (;;) {
    std::int32_t i = lo;
    std::int32_t j = hi;
    const auto pivot = table[static_cast<std::size_t>(MiddleOf(lo, hi))].key;
    while (i <= j) {
      while (before(table[static_cast<std::size_t>(i)].key, pivot) && i < hi) ++i;
      while (before(pivot, table[static_cast<std::size_t>(j)].key) && j > lo) --j;
      if (i > j) break;
      if (i != j) std::swap(table[static_cast<std::size_t>(i)], table[static_cast<std::size_t>(j)]);
      ++i;
      --j;
    }
    const bool lower = lo < j;
    const bool upper = i < hi;
    if (lower && upper) {
      if (j - lo < hi - i) {
        QuickSortRange(table, lo, j, before);
        lo = i;
      } else {
        QuickSortRange(table, i, hi, before);
        hi = j;
      }
    } else if (lower) {
      hi = j;
    } else if (upper) {
      lo = i;
    } else {
      return;
    }
  }
}

template <class Record>
void QuickSortAscending(std::vector<Record>& table, std::int32_t lo, std::int32_t hi) {
  QuickSortRange(table, lo, hi, std::less<>());
}

template <class Record>
void QuickSortDescending(std::vector<Record>& table, std::int32_t lo, std::int32_t hi) {
  QuickSortRange(table, lo, hi, std::greater<>());
}

}  // namespace tarnix
