#include "platform/TemporaryName.h"

#include <atomic>
#include <chrono>
#include <cstdint>

namespace tarnix {
namespace {

// splitmix64: spreads consecutive counter values over all 64 bits.
std::uint64_t Mix(std::uint64_t value) {
  value += 0x9E3779B97F4A7C15ULL;
  value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ULL;
  value = (value ^ (value >> 27)) * 0x94D049BB133111EBULL;
  return value ^ (value >> 31);
}

std::uint64_t Seed() {
  // Distinct per process and per start: two clocks and where this process's
  // data happens to lie.
  static const int anchor = 0;
  const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
  const auto steady = std::chrono::steady_clock::now().time_since_epoch().count();
  return Mix(static_cast<std::uint64_t>(wall) ^ (static_cast<std::uint64_t>(steady) << 1) ^
             reinterpret_cast<std::uintptr_t>(&anchor));
}

}  // namespace

Text TemporaryFileName() {
  static const std::uint64_t seed = Seed();
  static std::atomic<std::uint64_t> counter{0};
  std::uint64_t value = Mix(seed ^ Mix(counter.fetch_add(1, std::memory_order_relaxed)));
  Text name = u".tarnix-";
  for (int shift = 60; shift >= 0; shift -= 4) name += u"0123456789abcdef"[(value >> shift) & 0xF];
  return name + u".tmp";
}

}  // namespace tarnix
