#include <cstdint>
#include <vector>

#include "model/Files.h"
#include "platform/Failure.h"
#include "platform/Trap.h"
#include "sorting/QuickSort.h"
#include "sorting/SortKeys.h"

namespace tarnix {
namespace {

struct TextRecord {
  TextView key;  // views into the key texts, which stay put while the table is sorted
  std::int32_t index;
};

struct NumberRecord {
  std::int32_t key;
  std::int32_t index;
};

enum class Direction { Ascending, Descending };

Direction DirectionOf(const Value& order) {
  if (order.IsMissing()) return Direction::Ascending;
  Text word = order.ToText();
  Text lowered = LowerCase(word);
  if (lowered == u"ascending") return Direction::Ascending;
  if (lowered == u"descending") return Direction::Descending;
  throw Failure(kInvalidSortOrder, word + u" is not a valid sortorder.");
}

template <class Record>
void Order(std::vector<Record>& records, Direction direction, std::vector<std::int32_t>& table) {
  const auto hi = static_cast<std::int32_t>(records.size()) - 1;
  if (direction == Direction::Ascending) {
    QuickSortAscending(records, 1, hi);
  } else {
    QuickSortDescending(records, 1, hi);
  }
  for (std::size_t place = 1; place < records.size(); ++place) table[place] = records[place].index;
}

}  // namespace

bool Files::Sort(const Value& field, const Value& order) {
  return RunTrapped(LastError, [&] {
    try {
      const std::int32_t n = Count();
      const auto size = static_cast<std::size_t>(n) + 1;
      sortTable_.emplace(size, 0);
      std::vector<std::int32_t>& table = *sortTable_;

      Text fieldWord = field.IsMissing() ? Text(u"name") : field.ToText();
      std::optional<SortField> chosen = SortFieldNamed(LowerCase(fieldWord));
      if (!chosen) throw Failure(kInvalidSortField, fieldWord + u" is not a valid fieldname.");

      // Every key is derived once, in insertion order, before the order word
      // is looked at; the comparisons then touch only the records.
      if (SortsAsNumber(*chosen)) {
        std::vector<NumberRecord> records(size, NumberRecord{0, 0});
        for (std::int32_t i = 1; i <= n; ++i) {
          records[static_cast<std::size_t>(i)] = {NumberKeyOf(*entries_.At(i), *chosen), i};
          table[static_cast<std::size_t>(i)] = i;
        }
        Order(records, DirectionOf(order), table);
      } else {
        std::vector<Text> keys(size);
        std::vector<TextRecord> records(size, TextRecord{TextView(), 0});
        for (std::int32_t i = 1; i <= n; ++i) {
          const auto place = static_cast<std::size_t>(i);
          keys[place] = TextKeyOf(*entries_.At(i), *chosen);
          records[place] = {keys[place], i};
          table[place] = i;
        }
        Order(records, DirectionOf(order), table);
      }
      Sorted = true;
      return true;
    } catch (...) {
      Sorted = false;
      throw;
    }
  });
}

}  // namespace tarnix
