#include <gtest/gtest.h>

#include <pthread.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <random>
#include <vector>

#include "TestSupport.h"
#include "model/Files.h"
#include "sorting/QuickSort.h"
#include "sorting/SortKeys.h"

namespace tarnix {
namespace {

// Keyless entries whose Path records their insertion position, 1..n.
void AddBySize(Files& files, const std::vector<std::int32_t>& sizes) {
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    files.Add(Value(static_cast<int>(i + 1)).ToText(), u"", 0, sizes[i]);
  }
}

// The insertion positions in the order Item(1..Count) now yields them.
std::vector<int> ItemOrder(const Files& files) {
  std::vector<int> order;
  for (int place = 1; place <= files.Count(); ++place) {
    order.push_back(Value(files.Item(Value(place))->Path).ToInt32());
  }
  return order;
}

TEST(SortPermutation, OfEqualKeysFollowsTheMiddlePivotInBothDirections) {
  const std::vector<std::vector<int>> expected = {
      {1}, {2, 1}, {3, 2, 1}, {3, 4, 1, 2}, {4, 5, 3, 1, 2}, {4, 5, 6, 1, 2, 3},
  };
  for (const char16_t* order : {u"ascending", u"descending"}) {
    for (const auto& permutation : expected) {
      Files files;
      AddBySize(files, std::vector<std::int32_t>(permutation.size(), 7));
      ASSERT_TRUE(files.Sort(Value(u"size"), Value(order)));
      EXPECT_EQ(ItemOrder(files), permutation) << ToUtf8(order);
    }
  }
}

TEST(SortPermutation, OfMixedKeysMatchesTheKnownTables) {
  struct Case {
    std::vector<std::int32_t> keys;
    Text order;
    std::vector<int> permutation;
  } cases[] = {
      {{2, 1, 3}, u"ascending", {2, 1, 3}},
      {{2, 1, 3}, u"descending", {3, 1, 2}},
      {{5, 3, 5, 1, 3}, u"ascending", {4, 2, 5, 1, 3}},
      {{5, 3, 5, 1, 3}, u"descending", {3, 1, 5, 2, 4}},
      {{10, 9, -1}, u"ascending", {3, 2, 1}},
  };
  for (const Case& c : cases) {
    Files files;
    AddBySize(files, c.keys);
    files.Sort(Value(u"size"), Value(c.order));
    EXPECT_EQ(ItemOrder(files), c.permutation);
  }
}

TEST(SortPermutation, OfTextKeysMatchesTheKnownTable) {
  Files files;
  for (const char16_t* name : {u"b", u"a", u"c"}) files.Add(u"", name);
  files.Sort(Value(u"name"), Value(u"descending"));
  EXPECT_EQ(files.Item(Value(1))->Name, u"c");
  EXPECT_EQ(files.Item(Value(2))->Name, u"b");
  EXPECT_EQ(files.Item(Value(3))->Name, u"a");
}

// The two procedures exactly as first written: recursion into both parts,
// lower part first, no depth limit.
template <class Before>
void ReferenceQuickSort(std::vector<std::pair<int, int>>& table, int lo, int hi, Before before) {
  int i = lo, j = hi;
  int pivot = table[MiddleOf(lo, hi)].first;
  while (i <= j) {
    while (before(table[i].first, pivot) && i < hi) ++i;
    while (before(pivot, table[j].first) && j > lo) --j;
    if (i > j) break;
    std::swap(table[i], table[j]);
    ++i;
    --j;
  }
  if (lo < j) ReferenceQuickSort(table, lo, j, before);
  if (i < hi) ReferenceQuickSort(table, i, hi, before);
}

struct IntRecord {
  int key;
  int index;
};

TEST(SortPermutation, IsTheSameAsTheUnboundedRecursionForRandomKeys) {
  std::mt19937 random(12345);
  for (int round = 0; round < 2000; ++round) {
    const int n = 1 + static_cast<int>(random() % 60);
    const int spread = 1 + static_cast<int>(random() % 8);  // few distinct keys: many ties
    std::vector<std::pair<int, int>> reference(n + 1, {0, 0});
    std::vector<IntRecord> records(n + 1, {0, 0});
    for (int i = 1; i <= n; ++i) {
      int key = static_cast<int>(random() % spread);
      reference[i] = {key, i};
      records[i] = {key, i};
    }
    const bool ascending = round % 2 == 0;
    std::vector<IntRecord> bounded = records;
    if (ascending) {
      ReferenceQuickSort(reference, 1, n, std::less<>());
      QuickSortAscending(bounded, 1, n);
    } else {
      ReferenceQuickSort(reference, 1, n, std::greater<>());
      QuickSortDescending(bounded, 1, n);
    }
    for (int i = 1; i <= n; ++i) ASSERT_EQ(bounded[i].index, reference[i].second) << "round " << round;
  }
}

TEST(SortMiddle, RoundsHalvesToEven) {
  EXPECT_EQ(MiddleOf(1, 4), 2);
  EXPECT_EQ(MiddleOf(2, 5), 4);
  EXPECT_EQ(MiddleOf(1, 2), 2);
  EXPECT_EQ(MiddleOf(1, 0), 0);
  EXPECT_EQ(MiddleOf(3, 3), 3);
  EXPECT_EQ(MiddleOf(2147483646, 2147483647), 2147483646);
}

// Keys that put the largest key of every range at its middle: each partition
// then splits off one record, and recursion into the remaining part would go
// one level deeper per record.
std::vector<std::int32_t> MiddlePivotKiller(int n) {
  std::vector<int> holder(n + 1);
  std::vector<std::int32_t> keys(n + 1, 0);
  for (int p = 1; p <= n; ++p) holder[p] = p;
  for (int hi = n; hi >= 1; --hi) {
    int mid = MiddleOf(1, hi);
    keys[holder[mid]] = hi;
    std::swap(holder[mid], holder[hi]);
  }
  return std::vector<std::int32_t>(keys.begin() + 1, keys.end());
}

TEST(SortStack, StaysShallowOnTheWorstKeyOrderForTheMiddlePivot) {
  // 20,000 records in the worst order need 20,000 nested calls without the
  // bound; on a 256 KiB stack that overflows. With it the depth is below 16.
  constexpr int kEntries = 20000;
  Files files;
  AddBySize(files, MiddlePivotKiller(kEntries));
  struct Job {
    Files* files;
    bool sorted;
  } job{&files, false};
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setstacksize(&attributes, 256 * 1024);
  pthread_t thread;
  ASSERT_EQ(pthread_create(
                &thread, &attributes,
                [](void* argument) -> void* {
                  auto* job = static_cast<Job*>(argument);
                  job->sorted = job->files->Sort(Value(u"size"));
                  return nullptr;
                },
                &job),
            0);
  pthread_join(thread, nullptr);
  pthread_attr_destroy(&attributes);
  ASSERT_TRUE(job.sorted);
  for (int place = 1; place <= kEntries; ++place) {
    ASSERT_EQ(files.Item(Value(place))->Size, place);
  }
}

TEST(SortStack, OrdersAMillionRecords) {
  constexpr int kRecords = 1000000;
  std::mt19937 random(7);
  std::vector<IntRecord> records(kRecords + 1, {0, 0});
  for (int i = 1; i <= kRecords; ++i) records[i] = {static_cast<int>(random() % 5000), i};
  QuickSortDescending(records, 1, kRecords);
  for (int i = 2; i <= kRecords; ++i) ASSERT_GE(records[i - 1].key, records[i].key);
  std::vector<bool> seen(kRecords + 1, false);
  for (int i = 1; i <= kRecords; ++i) seen[records[i].index] = true;
  EXPECT_EQ(std::count(seen.begin() + 1, seen.end(), true), kRecords);
}

TEST(SortKeys, ExtensionIsTheTextAfterTheLastDot) {
  struct Case {
    Text name;
    Text extension;
  } cases[] = {
      {u"report.final.txt", u"txt"}, {u".profile", u"profile"}, {u"README", u""},
      {u"archive.", u""},            {u"", u""},                {u"a.TXT", u"TXT"},
  };
  for (const Case& c : cases) EXPECT_EQ(ExtensionOf(c.name), c.extension) << ToUtf8(c.name);
  EXPECT_EQ(ExtensionOf(Text(32767, u'x')), u"");
  EXPECT_CLASSIC_FAILURE(ExtensionOf(Text(32768, u'x')), Classic::Overflow);
}

TEST(SortKeys, OfEachFieldWord) {
  File entry;
  entry.Path = u"C:\\Data\\";
  entry.Name = u"Report.Final.TXT";
  entry.Modified = u"12/2/1999 3:4:5";
  entry.Size = -5;
  entry.Attributes = 33;
  EXPECT_EQ(TextKeyOf(entry, SortField::Name), u"c:\\data\\report.final.txt");
  EXPECT_EQ(TextKeyOf(entry, SortField::Extension), u"txt");
  EXPECT_EQ(TextKeyOf(entry, SortField::Path), u"c:\\data\\");
  EXPECT_EQ(TextKeyOf(entry, SortField::Modified), u"12/2/1999 3:4:5");
  EXPECT_EQ(NumberKeyOf(entry, SortField::Size), -5);
  EXPECT_EQ(NumberKeyOf(entry, SortField::Attributes), 33);
}

// Adds entries by (Path, Name) and returns the names in sorted Item order.
std::vector<Text> SortedNames(const std::vector<std::pair<Text, Text>>& entries, const Value& field,
                              const Value& order = Value::Missing()) {
  Files files;
  for (const auto& [path, name] : entries) files.Add(path, name);
  files.Sort(field, order);
  std::vector<Text> names;
  for (int place = 1; place <= files.Count(); ++place) names.push_back(files.Item(Value(place))->Name);
  return names;
}

TEST(SortByField, OrdersByTheKeyOfEachField) {
  // Name: the joined folder and name, lower-cased, compared by code unit.
  EXPECT_EQ(SortedNames({{u"C:\\b\\", u"x"}, {u"C:\\a\\", u"z"}, {u"C:\\a\\", u"Y"}}, Value(u"name")),
            (std::vector<Text>{u"Y", u"z", u"x"}));
  EXPECT_EQ(SortedNames({{u"", u"b"}, {u"", u"_u"}, {u"", u"1"}, {u"", u"A"}}, Value()),
            (std::vector<Text>{u"1", u"_u", u"A", u"b"}));
  // A subfolder's entries fall among the parent's at the place of its name.
  EXPECT_EQ(SortedNames({{u"C:\\d\\", u"zeta"}, {u"C:\\d\\sub\\", u"a"}, {u"C:\\d\\", u"alpha"}},
                        Value(u"NAME")),
            (std::vector<Text>{u"alpha", u"a", u"zeta"}));
  // Extension: no extension sorts first.
  EXPECT_EQ(SortedNames({{u"", u"a.txt"}, {u"", u"README"}, {u"", u"b.BAT"}, {u"", u"archive."}},
                        Value(u"Extension")),
            (std::vector<Text>{u"archive.", u"README", u"b.BAT", u"a.txt"}));
  // Path: lower-cased folder text.
  EXPECT_EQ(SortedNames({{u"C:\\Zed\\", u"1"}, {u"c:\\alpha\\", u"2"}}, Value(u"path"), Value(u"ASCENDING")),
            (std::vector<Text>{u"2", u"1"}));
}

TEST(SortByField, NumbersSortByValueAndModifiedByItsText) {
  Files files;
  files.Add(u"", u"ten", 16, 10, u"10/1/1997 0:0:0");
  files.Add(u"", u"nine", 32, 9, u"9/30/1997 0:0:0");
  files.Add(u"", u"minus", 1, -3, u"12/2/1997 0:0:0");
  files.Add(u"", u"dec10", 0, 0, u"12/10/1997 0:0:0");
  auto names = [&] {
    std::vector<Text> result;
    for (int place = 1; place <= files.Count(); ++place) result.push_back(files.Item(Value(place))->Name);
    return result;
  };
  files.Sort(Value(u"size"));
  EXPECT_EQ(names(), (std::vector<Text>{u"minus", u"dec10", u"nine", u"ten"}));
  files.Sort(Value(u"attributes"), Value(u"descending"));
  EXPECT_EQ(names(), (std::vector<Text>{u"nine", u"ten", u"minus", u"dec10"}));
  files.Sort(Value(u"modified"));
  EXPECT_EQ(names(), (std::vector<Text>{u"ten", u"dec10", u"minus", u"nine"}));
  files.Sort(Value(u"modified"));  // every Sort starts again from insertion order
  EXPECT_EQ(names(), (std::vector<Text>{u"ten", u"dec10", u"minus", u"nine"}));
}

TEST(SortEmpty, SucceedsWithOnlyThePositionZeroInTheTable) {
  Files files;
  EXPECT_TRUE(files.Sort());
  EXPECT_TRUE(files.Sorted);
  EXPECT_CLASSIC_FAILURE(files.Item(Value(0)), Classic::SubscriptOutOfRange);
  EXPECT_CLASSIC_FAILURE(files.Item(Value(1)), Classic::SubscriptOutOfRange);
}

TEST(SortWords, RejectsUnknownFieldsAndOrdersWithTheirOwnNumbersAndTexts) {
  struct Case {
    Value field;
    Value order;
    std::int32_t number;
    Text description;
  } cases[] = {
      {Value(u"Colour"), Value(), kInvalidSortField, u"Colour is not a valid fieldname."},
      {Value(u""), Value(), kInvalidSortField, u" is not a valid fieldname."},
      {Value(u" name"), Value(), kInvalidSortField, u" name is not a valid fieldname."},
      {Value(5), Value(), kInvalidSortField, u"5 is not a valid fieldname."},
      {Value(u"x"), Value(u"y"), kInvalidSortField, u"x is not a valid fieldname."},
      {Value(u"name"), Value(u"Sideways"), kInvalidSortOrder, u"Sideways is not a valid sortorder."},
      {Value(u"size"), Value(u""), kInvalidSortOrder, u" is not a valid sortorder."},
      {Value(u"size"), Value(u"ascending "), kInvalidSortOrder, u"ascending  is not a valid sortorder."},
      {Value(u"name"), Value::Null(), ClassicNumber(Classic::InvalidUseOfNull), u"Invalid use of Null"},
  };
  for (const Case& c : cases) {
    Files files;
    files.Add(u"", u"a");
    files.Sorted = true;
    Failure failure = test::FailureOf([&] { files.Sort(c.field, c.order); });
    EXPECT_EQ(failure.Number(), c.number);
    EXPECT_EQ(failure.Description(), c.description);
    EXPECT_EQ(files.LastError, c.description);
    EXPECT_FALSE(files.Sorted);
  }
  EXPECT_EQ(kInvalidSortField, -2147220838);
  EXPECT_EQ(kInvalidSortOrder, -2147220837);
}

TEST(SortWords, ReadEveryKeyBeforeTheOrderWordIsChecked) {
  Files files;
  files.Add(u"", Text(40000, u'x'));
  EXPECT_CLASSIC_FAILURE(files.Sort(Value(u"extension"), Value(u"sideways")), Classic::Overflow);
  EXPECT_EQ(files.LastError, u"Overflow");
}

TEST(SortWords, ASuccessfulSortLeavesLastErrorAlone) {
  Files files;
  files.LastError = u"earlier";
  EXPECT_TRUE(files.Sort(Value(u"Size"), Value(u"DESCENDING")));
  EXPECT_EQ(files.LastError, u"earlier");
}

TEST(SortState, EndsWhenTheListChanges) {
  Files files;
  files.Add(u"", u"b");
  files.Add(u"", u"a");
  files.Sort();
  EXPECT_EQ(files.Item(Value(1))->Name, u"a");
  files.Add(u"", u"c");
  EXPECT_FALSE(files.Sorted);
  EXPECT_EQ(files.Item(Value(1))->Name, u"b");
}

}  // namespace
}  // namespace tarnix
