#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "TempFolder.h"
#include "TestSupport.h"
#include "listing/ListingRules.h"
#include "model/Files.h"

namespace tarnix {
namespace {

using test::TempFolder;

std::set<Text> ListedNames(const Files& files) {
  std::set<Text> names;
  for (const auto& entry : files.NewEnum()) names.insert(entry->Name);
  return names;
}

// A folder with two text files, a batch file and a subfolder with one file.
class Listing : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.Write(u"a.txt", "aaa");
    folder.Write(u"b.txt", "bb");
    folder.Write(u"run.bat", "echo");
    folder.MakeFolder(u"sub");
    folder.Write(u"sub\\inner.txt", "inner");
  }
  TempFolder folder;
  Files files;
};

TEST_F(Listing, ListsEveryEntryOfPathButTheDotEntries) {
  files.SetPath(folder.Path());
  files.Sorted = true;
  EXPECT_TRUE(files.GetFileList());
  EXPECT_EQ(ListedNames(files), (std::set<Text>{u"a.txt", u"b.txt", u"run.bat", u"sub"}));
  EXPECT_FALSE(files.Sorted);
  for (const auto& entry : files.NewEnum()) EXPECT_EQ(entry->Path, folder.Path());
  const auto a = files.Item(Value(u"a.txt"));
  EXPECT_EQ(a->Size, 3);
  EXPECT_EQ(a->Attributes & 16, 0);
  EXPECT_NE(a->Attributes & 32, 0);
  EXPECT_NE(files.Item(Value(u"sub"))->Attributes & 16, 0);
}

TEST_F(Listing, TakesTheFolderPartOfAnExplicitPatternUpToItsLastBackslash) {
  files.SetPath(u"C:\\elsewhere");
  struct Case {
    Text pattern;
    std::set<Text> names;
    Text fpath;
  } cases[] = {
      {folder / u"*.txt", {u"a.txt", u"b.txt"}, folder.Path()},
      {folder / u"sub\\*.*", {u"inner.txt"}, folder / u"sub\\"},
      {folder / u"sub", {u"sub"}, folder.Path()},  // the folder's own entry
      {folder / u"sub\\", {}, u""},                // a folder with a trailing separator finds nothing
      {folder / u"*.TXT", {u"a.txt", u"b.txt"}, folder.Path()},
      {folder / u"?.txt", {u"a.txt", u"b.txt"}, folder.Path()},
      {folder / u"nothing*", {}, u""},
      {folder / u"missing\\*.*", {}, u""},
      {u"", {}, u""},
  };
  for (const Case& c : cases) {
    files.ClearFileList();
    EXPECT_TRUE(files.GetFileList(Value(c.pattern))) << ToUtf8(c.pattern);
    EXPECT_EQ(ListedNames(files), c.names) << ToUtf8(c.pattern);
    for (const auto& entry : files.NewEnum()) EXPECT_EQ(entry->Path, c.fpath);
  }
  EXPECT_EQ(files.GetPath(), u"C:\\elsewhere\\");
  EXPECT_EQ(files.LastError, u"");
}

TEST_F(Listing, GivesEachEntryTheFolderItWasFoundInWhateverTheSeparator) {
  // Path & Name must name the file listed, or an operation on the entry acts
  // on another file.
  Text forward = folder / u"sub\\*.txt";
  for (char16_t& c : forward) {
    if (c == u'\\') c = u'/';
  }
  const Text forwardFolder = forward.substr(0, forward.size() - 5);
  files.SetPath(folder.Path());
  struct Case {
    const char* label;
    Text mask;
    Value pattern;
    Text fpath;
  } cases[] = {
      {"pattern with /", u"", Value(forward), forwardFolder},
      {"Mask with \\", u"sub\\*.txt", Value::Missing(), folder / u"sub\\"},
      {"Mask with /", u"sub/*.txt", Value::Missing(), folder / u"sub/"},
  };
  for (const Case& c : cases) {
    files.ClearFileList();
    files.Mask = c.mask;
    EXPECT_TRUE(files.GetFileList(c.pattern)) << c.label;
    ASSERT_EQ(ListedNames(files), (std::set<Text>{u"inner.txt"})) << c.label;
    EXPECT_EQ(files.Item(Value(1))->Path, c.fpath) << c.label;
  }
  EXPECT_EQ(files.GetPath(), folder.Path());
}

TEST_F(Listing, AnEntryOfAPatternWrittenWithSlashesActsOnTheFileListed) {
  folder.Write(u"victim.txt", "keep");
  folder.Write(u"sub\\victim.txt", "listed");
  Text forward = folder / u"sub\\victim.*";
  for (char16_t& c : forward) {
    if (c == u'\\') c = u'/';
  }
  files.SetPath(folder.Path());
  files.GetFileList(Value(forward));
  ASSERT_EQ(files.Count(), 1);
  EXPECT_TRUE(files.Item(Value(1))->KillFile());
  EXPECT_FALSE(folder.Holds(u"sub\\victim.txt"));
  EXPECT_EQ(folder.Read(u"victim.txt"), "keep");
}

TEST_F(Listing, APatternWithoutAFolderGivesEntriesAnEmptyPath) {
  // The search runs in the current directory, so that is where the names are.
  Text native = folder.Path();
  for (char16_t& c : native) {
    if (c == u'\\') c = static_cast<char16_t>(std::filesystem::path::preferred_separator);
  }
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(std::filesystem::path(native));
  files.SetPath(u"P:\\elsewhere\\");
  files.GetFileList(Value(u"*.bat"));
  std::filesystem::current_path(before);
  ASSERT_EQ(ListedNames(files), (std::set<Text>{u"run.bat"}));
  EXPECT_EQ(files.Item(Value(1))->Path, u"");
}

TEST_F(Listing, AMaskWithoutAFolderKeepsPathAsTheFolder) {
  files.SetPath(folder.Path());
  files.Mask = u"*.bat";
  files.GetFileList();
  ASSERT_EQ(ListedNames(files), (std::set<Text>{u"run.bat"}));
  EXPECT_EQ(files.Item(Value(1))->Path, folder.Path());
}

TEST_F(Listing, FiltersByTheAttributesText) {
  struct Case {
    Text filter;
    std::set<Text> names;
  } cases[] = {
      {u"-1", {u"a.txt", u"b.txt", u"run.bat", u"sub"}},
      {u"16", {u"sub"}},
      {u" 16 ", {u"sub"}},
      {u"16.4", {u"sub"}},  // rounds to 16 for the bit test
      {u"32", {u"a.txt", u"b.txt", u"run.bat"}},
      {u"48", {u"a.txt", u"b.txt", u"run.bat", u"sub"}},
      {u"0", {}},  // every regular file carries the archive bit
  };
  files.SetPath(folder.Path());
  for (const Case& c : cases) {
    files.ClearFileList();
    files.Attributes = c.filter;
    EXPECT_TRUE(files.GetFileList());
    EXPECT_EQ(ListedNames(files), c.names) << ToUtf8(c.filter);
  }
}

TEST_F(Listing, FailsAtTheFirstEntryForAFilterThatIsNoNumberOrTooLarge) {
  struct Case {
    Text filter;
    Classic error;
  } cases[] = {{u"directories", Classic::TypeMismatch}, {u"4294967296", Classic::Overflow},
               {u"-2147483649", Classic::Overflow}};
  TempFolder empty;
  for (const Case& c : cases) {
    files.ClearFileList();
    files.Attributes = c.filter;
    files.LastError = u"";
    EXPECT_CLASSIC_FAILURE(files.GetFileList(Value(folder / u"*.*")), c.error);
    EXPECT_EQ(files.LastError, ClassicFailure(c.error).Description());
    EXPECT_EQ(files.Count(), 0);
    EXPECT_TRUE(files.GetFileList(Value(empty / u"*.*")));  // no entry reaches the filter
  }
}

TEST_F(Listing, AddsToTheListAndFailsOnANameAlreadyListed) {
  TempFolder other;
  other.Write(u"c.txt", "c");
  files.GetFileList(Value(folder / u"*.txt"));
  files.GetFileList(Value(other / u"*.txt"));
  EXPECT_EQ(ListedNames(files), (std::set<Text>{u"a.txt", u"b.txt", u"c.txt"}));
  EXPECT_EQ(files.Item(Value(u"c.txt"))->Path, other.Path());

  EXPECT_CLASSIC_FAILURE(files.GetFileList(Value(folder / u"*.txt")), Classic::DuplicateKey);
  EXPECT_EQ(files.LastError, ClassicFailure(Classic::DuplicateKey).Description());
  EXPECT_EQ(files.Count(), 3);

  files.ClearFileList();
  EXPECT_TRUE(files.GetFileList(Value(folder / u"*.txt")));
  EXPECT_EQ(files.Count(), 2);
}

TEST_F(Listing, FailsThroughItsTrapForAPatternItCannotRead) {
  EXPECT_CLASSIC_FAILURE(files.GetFileList(Value::Null()), Classic::InvalidUseOfNull);
  EXPECT_EQ(files.LastError, u"Invalid use of Null");
  EXPECT_CLASSIC_FAILURE(files.GetFileList(Value(Text(32768, u'x'))), Classic::Overflow);
}

TEST_F(Listing, NeverCutsAPatternShortAtANul) {
  Text pattern = folder / u"a.txt";
  pattern += Text(1, u'\0') + u"ignored";
  files.Sorted = true;
  EXPECT_TRUE(files.GetFileList(Value(pattern)));
  EXPECT_EQ(files.Count(), 0);
  EXPECT_FALSE(files.Sorted);
}

TEST(ListingSizes, KeepTheLow32BitsAsASignedNumber) {
  TempFolder folder;
  folder.WriteSparse(u"three.bin", std::uint64_t{3} << 30);
  folder.WriteSparse(u"five.bin", std::uint64_t{5} << 30);
  Files files;
  files.GetFileList(Value(folder / u"*.bin"));
  EXPECT_EQ(files.Item(Value(u"three.bin"))->Size, -1073741824);
  EXPECT_EQ(files.Item(Value(u"five.bin"))->Size, 1073741824);
}

TEST(ListingTimes, WriteTheLastWriteTimeInUtcWithoutLeadingZeros) {
  TempFolder folder;
  folder.Write(u"y2k.txt", "");
  folder.SetWriteTime(u"y2k.txt", 2000, 1, 7, 9, 5, 3);
  folder.Write(u"old.txt", "");
  folder.SetWriteTime(u"old.txt", 1998, 3, 5, 14, 7, 9);
  folder.Write(u"late.txt", "");
  folder.SetWriteTime(u"late.txt", 2031, 12, 31, 23, 59, 58);
  Files files;
  files.GetFileList(Value(folder / u"*.txt"));
  EXPECT_EQ(files.Item(Value(u"y2k.txt"))->Modified, u"1/7/2000 9:5:3");
  EXPECT_EQ(files.Item(Value(u"old.txt"))->Modified, u"3/5/1998 14:7:9");
  EXPECT_EQ(files.Item(Value(u"late.txt"))->Modified, u"12/31/2031 23:59:58");
}

TEST(ListingTimes, FollowTheCalendarAcrossLeapDaysCenturiesAndTheEpoch) {
  struct Case {
    int year, month, day, hour, minute, second;
    const char16_t* text;
  } cases[] = {
      {2024, 2, 29, 12, 0, 0, u"2/29/2024 12:0:0"},   {2023, 3, 1, 0, 0, 0, u"3/1/2023 0:0:0"},
      {2000, 2, 29, 23, 59, 59, u"2/29/2000 23:59:59"}, {2100, 3, 1, 1, 2, 3, u"3/1/2100 1:2:3"},
      {1970, 1, 1, 0, 0, 0, u"1/1/1970 0:0:0"},        {1969, 12, 31, 23, 59, 59, u"12/31/1969 23:59:59"},
      {1950, 1, 1, 0, 0, 1, u"1/1/1950 0:0:1"},
  };
  TempFolder folder;
  int number = 0;
  for (const Case& c : cases) {
    const Text name = u"t" + Value(number++).ToText() + u".txt";
    folder.Write(name, "");
    folder.SetWriteTime(name, c.year, c.month, c.day, c.hour, c.minute, c.second);
  }
  Files files;
  files.GetFileList(Value(folder / u"*.txt"));
  number = 0;
  for (const Case& c : cases) {
    EXPECT_EQ(files.Item(Value(u"t" + Value(number++).ToText() + u".txt"))->Modified, c.text) << ToUtf8(c.text);
  }
}

TEST(ListingTimes, OfAnUnconvertedRecordReadAllZero) {
  EXPECT_EQ(TimeText(CalendarTime{}), u"0/0/0 0:0:0");
}

TEST(ListingNames, CrossAsUnicodeAndNameTheFileOnDisk) {
  TempFolder folder;
  // Outside any ANSI code page; the fullwidth solidus must never become a separator.
  const Text names[] = {u"\u00DCn\u00EFc\u00F8d\u00E9 \u2603 \u65E5\u672C.txt", u"a\uFF0Fb.txt",
                        u"\u0416\u0443\u0440\u043D\u0430\u043B.log", u"emoji \U0001F600.txt"};
  for (const Text& name : names) folder.Write(name, "x");
  Files files;
  files.SetPath(folder.Path());
  files.GetFileList();
  EXPECT_EQ(ListedNames(files), std::set<Text>(std::begin(names), std::end(names)));
  for (const Text& name : names) {
    auto entry = files.Item(Value(name));
    EXPECT_TRUE(entry->Copy(name + u".copy")) << ToUtf8(name);
    EXPECT_EQ(folder.Read(name + u".copy"), "x");
    EXPECT_TRUE(entry->KillFile());
    EXPECT_FALSE(folder.Holds(name));
  }
}

TEST(ListingHidden, ShowsDotNamesWithTheHiddenBit) {
  TempFolder folder;
  folder.Write(u".profile", "p");
  folder.MakeHidden(u".profile");
  Files files;
  files.Attributes = u"2";
  files.GetFileList(Value(folder / u"*.*"));
  ASSERT_EQ(ListedNames(files), (std::set<Text>{u".profile"}));
}

TEST(AttributeFilter, MakesAllThreeTestsForEveryEntry) {
  struct Case {
    Text filter;
    std::uint32_t attributes;
    bool passes;
  } cases[] = {
      {u"-1", 0, true},  {u"0", 0, true},   {u"0", 32, false}, {u"32", 32, true},
      {u"33", 1, true},  {u"33", 16, false}, {u"1e1", 8, true}, {u"2.5", 2, true},
      {u"-2", 2, true},  // -2 shares every bit but the lowest
  };
  for (const Case& c : cases) {
    AttributeFilter filter(c.filter);
    EXPECT_EQ(filter.Passes(c.attributes), c.passes) << ToUtf8(c.filter) << " " << c.attributes;
  }
}

}  // namespace
}  // namespace tarnix
