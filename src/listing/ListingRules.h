#pragma once
// The pieces of a listing that do not touch the file system: the attribute
// filter and the time text.

#include <cstdint>
#include <optional>

#include "platform/DirectorySearch.h"
#include "platform/Text.h"

namespace tarnix {

// The Attributes filter of a Files object. An entry passes when the filter
// text, read as a number, equals its attribute word, or equals -1, or shares a
// set bit with it once rounded to a 32-bit integer. All three tests are made
// for every entry, so a text that is no number fails with 13 and one beyond
// 32 bits with 6, at the first entry that reaches the filter.
class AttributeFilter {
 public:
  explicit AttributeFilter(const Text& filter) : filter_(filter) {}
  bool Passes(std::uint32_t attributes);

 private:
  const Text& filter_;
  // The filter read as a number and as an integer, read at the first entry;
  // the text cannot change while one listing runs.
  std::optional<std::pair<double, std::int32_t>> read_;
};

// month/day/year hour:minute:second, in decimal without leading zeros.
Text TimeText(const CalendarTime& time);

}  // namespace tarnix
