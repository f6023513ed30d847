#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <vector>

#include "TestSupport.h"
#include "model/Files.h"

namespace tarnix {
namespace {

// A list of three entries a.txt, B.txt, c.txt, in that order.
class FilesCollection : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char16_t* name : {u"a.txt", u"B.txt", u"c.txt"}) files.Add(u"C:\\data\\", name);
  }
  std::vector<Text> EnumeratedNames() const {
    std::vector<Text> names;
    for (const auto& entry : files.NewEnum()) names.push_back(entry->Name);
    return names;
  }
  Files files;
};

TEST(FilesCreation, StartsEmptyWithTheFilterThatListsEverything) {
  Files files;
  EXPECT_EQ(files.Count(), 0);
  EXPECT_EQ(files.Mask, u"");
  EXPECT_EQ(files.Attributes, u"-1");
  EXPECT_FALSE(files.Sorted);
  EXPECT_EQ(files.LastError, u"");
  EXPECT_EQ(files.GetPath(), u"");
  EXPECT_TRUE(files.NewEnum().empty());
}

TEST(FilesAdd, FillsTheEntryAndLeavesOmittedArgumentsZero) {
  Files files;
  files.Sorted = true;
  auto full = files.Add(u"C:\\data\\", u"report.txt", 32, -1, u"1/7/2000 9:5:3");
  auto bare = files.Add(u"", u"bare");
  EXPECT_EQ(full->Path, u"C:\\data\\");
  EXPECT_EQ(full->Name, u"report.txt");
  EXPECT_EQ(full->Attributes, 32);
  EXPECT_EQ(full->Size, -1);
  EXPECT_EQ(full->Modified, u"1/7/2000 9:5:3");
  EXPECT_EQ(full->LastError, u"");
  EXPECT_EQ(bare->Attributes, 0);
  EXPECT_EQ(bare->Size, 0);
  EXPECT_EQ(bare->Modified, u"");
  EXPECT_FALSE(files.Sorted);
  EXPECT_EQ(files.Item(Value(1)), full);  // the same object the list holds
}

TEST_F(FilesCollection, RefusesADuplicateKeyInAnyLetterCaseAndKeepsTheList) {
  files.Sorted = true;
  const Text names[] = {u"a.txt", u"A.TXT", u"b.txt"};
  for (const Text& name : names) {
    files.LastError = u"";
    EXPECT_CLASSIC_FAILURE(files.Add(u"D:\\", name), Classic::DuplicateKey);
    EXPECT_EQ(files.LastError, ClassicFailure(Classic::DuplicateKey).Description());
    EXPECT_EQ(files.Count(), 3);
    EXPECT_TRUE(files.Sorted);  // the failure path leaves Sorted alone
  }
  files.Sorted = false;
  EXPECT_EQ(files.Item(Value(u"A.TXT"))->Path, u"C:\\data\\");
  EXPECT_EQ(EnumeratedNames(), (std::vector<Text>{u"a.txt", u"B.txt", u"c.txt"}));
}

TEST(FilesKeys, TreatAccentedCapitalsAsTheSameKey) {
  Files files;
  files.Add(u"", u"\u00C9t\u00E9.txt");
  EXPECT_CLASSIC_FAILURE(files.Add(u"", u"\u00E9T\u00C9.TXT"), Classic::DuplicateKey);
  EXPECT_EQ(files.Item(Value(u"\u00E9t\u00E9.TXT"))->Name, u"\u00C9t\u00E9.txt");
}

TEST(FilesKeys, KeepNamesApartThatWindowsKeepsApart) {
  // Two files a Windows folder can hold side by side are two keys.
  Files files;
  files.Add(u"", u"kelvin.txt");
  files.Add(u"", u"\u212Aelvin.txt");   // Kelvin sign
  files.Add(u"", u"file.txt");
  files.Add(u"", u"F\u0130LE.txt");     // dotted capital I
  files.Add(u"", u"strasse.txt");
  files.Add(u"", u"stra\u00DFe.txt");
  EXPECT_EQ(files.Count(), 6);
  EXPECT_EQ(files.Item(Value(u"\u212AELVIN.TXT"))->Name, u"\u212Aelvin.txt");
  EXPECT_EQ(files.Item(Value(u"KELVIN.TXT"))->Name, u"kelvin.txt");
  EXPECT_EQ(files.Item(Value(u"f\u0130le.TXT"))->Name, u"F\u0130LE.txt");
}

TEST(FilesKeys, KeylessEntriesCoexistAndAreReachedByPositionOnly) {
  Files files;
  files.Add(u"x", u"");
  files.Add(u"y", u"");
  files.Add(u"z", u"");
  EXPECT_EQ(files.Count(), 3);
  EXPECT_EQ(files.Item(Value(2))->Path, u"y");
  EXPECT_CLASSIC_FAILURE(files.Item(Value(u"")), Classic::InvalidProcedureCall);
}

TEST(FilesKeys, TextThatSpellsANumberIsAKeyNotAPosition) {
  Files files;
  files.Add(u"", u"2");
  files.Add(u"", u"1");
  EXPECT_EQ(files.Item(Value(u"1"))->Name, u"1");
  EXPECT_EQ(files.Item(Value(1))->Name, u"2");
  EXPECT_EQ(files.Item(Value(1.5))->Name, u"1");  // 1.5 rounds to position 2
  EXPECT_EQ(files.Item(Value(2.5))->Name, u"1");  // and 2.5 to position 2
  EXPECT_CLASSIC_FAILURE(files.Item(Value(u"3")), Classic::InvalidProcedureCall);
}

TEST_F(FilesCollection, KeepsTheKeyAnEntryWasAddedUnder) {
  files.Item(Value(u"a.txt"))->Name = u"renamed.txt";
  EXPECT_EQ(files.Item(Value(u"A.txt"))->Name, u"renamed.txt");
  EXPECT_CLASSIC_FAILURE(files.Item(Value(u"renamed.txt")), Classic::InvalidProcedureCall);
}

TEST_F(FilesCollection, FailsOutsideThePositionsInBothStatesWithoutTouchingLastError) {
  files.LastError = u"earlier";
  for (bool sorted : {false, true}) {
    if (sorted) files.Sort();
    ASSERT_EQ(files.Sorted, sorted);
    for (const Value& position : {Value(0), Value(4), Value(-1), Value::Boolean(true), Value::Empty()}) {
      EXPECT_CLASSIC_FAILURE(files.Item(position), Classic::SubscriptOutOfRange);
    }
    EXPECT_CLASSIC_FAILURE(files.Item(Value::Null()), Classic::InvalidUseOfNull);
  }
  EXPECT_CLASSIC_FAILURE(files.Remove(Value(9)), Classic::SubscriptOutOfRange);
  EXPECT_CLASSIC_FAILURE(files.Remove(Value(u"nothing")), Classic::InvalidProcedureCall);
  EXPECT_TRUE(files.Sorted);  // a failed Remove leaves the sorted state
  EXPECT_EQ(files.Count(), 3);
  EXPECT_EQ(files.LastError, u"earlier");
}

TEST_F(FilesCollection, WhileSortedMapsPositionsThroughTheSortAndRefusesKeys) {
  files.Sort(Value(u"name"), Value(u"descending"));
  EXPECT_EQ(files.Item(Value(1))->Name, u"c.txt");
  EXPECT_EQ(files.Item(Value(u"3"))->Name, u"a.txt");  // text converts to a position now
  EXPECT_CLASSIC_FAILURE(files.Item(Value(u"a.txt")), Classic::TypeMismatch);
  EXPECT_EQ(EnumeratedNames(), (std::vector<Text>{u"a.txt", u"B.txt", u"c.txt"}));

  files.Sorted = false;
  EXPECT_EQ(files.Item(Value(1))->Name, u"a.txt");
  EXPECT_EQ(files.Item(Value(u"c.TXT"))->Name, u"c.txt");
}

TEST_F(FilesCollection, RemoveWhileSortedUsesInsertionOrderAndEndsTheSortedState) {
  files.Sort(Value(u"name"), Value(u"descending"));
  files.Remove(Value(1));
  EXPECT_FALSE(files.Sorted);
  EXPECT_EQ(EnumeratedNames(), (std::vector<Text>{u"B.txt", u"c.txt"}));
  files.Remove(Value(u"C.TXT"));
  EXPECT_EQ(EnumeratedNames(), (std::vector<Text>{u"B.txt"}));
  files.Add(u"", u"c.txt");  // the removed key is free again
  EXPECT_EQ(files.Count(), 2);
}

TEST(FilesSorted, WrittenTrueBeforeAnySortMakesEveryItemFail) {
  Files files;
  files.Add(u"", u"a");
  files.Sorted = true;
  for (int position : {0, 1, 2}) {
    EXPECT_CLASSIC_FAILURE(files.Item(Value(position)), Classic::SubscriptOutOfRange);
  }
}

TEST_F(FilesCollection, WrittenTrueAfterTheListChangedMapsThroughTheOldTable) {
  files.Sort(Value(u"name"), Value(u"descending"));  // table: 3, 2, 1
  files.Remove(Value(1));                             // positions are now B, c
  files.Sorted = true;
  EXPECT_CLASSIC_FAILURE(files.Item(Value(1)), Classic::SubscriptOutOfRange);  // position 3 is gone
  EXPECT_EQ(files.Item(Value(2))->Name, u"c.txt");
  EXPECT_EQ(files.Item(Value(3))->Name, u"B.txt");
}

TEST_F(FilesCollection, ClearFileListEmptiesTheListAndEntriesLiveOn) {
  auto kept = files.Item(Value(2));
  files.Sort();
  EXPECT_TRUE(files.ClearFileList());
  EXPECT_EQ(files.Count(), 0);
  EXPECT_FALSE(files.Sorted);
  EXPECT_EQ(kept->Name, u"B.txt");
  EXPECT_EQ(kept->Path, u"C:\\data\\");
  files.Add(u"", u"b.TXT");  // the keys went with the entries
  EXPECT_TRUE(Files().ClearFileList());
}

TEST(FilesLifetime, AnEntryOutlivesItsFilesObject) {
  std::shared_ptr<File> kept;
  std::weak_ptr<File> dropped;
  {
    Files files;
    kept = files.Add(u"C:\\data\\", u"kept.txt", 1, 2, u"3");
    dropped = files.Add(u"C:\\data\\", u"dropped.txt");
  }
  EXPECT_TRUE(dropped.expired());  // the list released what nobody else held
  EXPECT_EQ(kept.use_count(), 1);
  EXPECT_EQ(kept->Name, u"kept.txt");
  kept->Size = 7;
  EXPECT_EQ(kept->Size, 7);
}

TEST(FilesLifetime, ClearingAndDestroyingALargeListTakeLinearTime) {
  // Removing position 1 n times from a shifting array would take minutes here.
  // The bound is generous (about 1 s here, a few under the sanitizers).
  constexpr int kEntries = 400000;
  auto files = std::make_unique<Files>();
  for (int i = 0; i < kEntries; ++i) files->Add(u"", Value(i).ToText());
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(files->ClearFileList());
  EXPECT_EQ(files->Count(), 0);
  for (int i = 0; i < kEntries; ++i) files->Add(u"", Value(i).ToText());
  EXPECT_EQ(files->Count(), kEntries);
  files.reset();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
}

TEST(FilesEnumerator, KeepsItsSnapshotWhenTheListChanges) {
  Files files;
  files.Add(u"", u"one");
  files.Add(u"", u"two");
  auto walk = files.NewEnum();
  files.ClearFileList();
  ASSERT_EQ(walk.size(), 2u);
  EXPECT_EQ(walk[1]->Name, u"two");
}

}  // namespace
}  // namespace tarnix
