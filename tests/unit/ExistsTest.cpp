#include <gtest/gtest.h>

#include "TempFolder.h"
#include "TestSupport.h"
#include "model/Files.h"

namespace tarnix {
namespace {

using test::TempFolder;

TEST(Exists, AnswersWhetherTheSearchFindsAnyEntry) {
  TempFolder folder;
  folder.Write(u"report.txt", "r");
  folder.MakeFolder(u"sub");
  TempFolder empty;
  struct Case {
    Value pattern;
    bool exists;
  } cases[] = {
      {Value(folder / u"report.txt"), true},
      {Value(folder / u"REPORT.TXT"), true},
      {Value(folder / u"*.txt"), true},
      {Value(folder / u"sub"), true},
      {Value(folder / u"missing.txt"), false},
      {Value(folder / u"*.doc"), false},
      {Value(folder / u"missing\\*.*"), false},
      {Value(folder / u"sub\\"), false},
      {Value(empty / u"*.*"), true},  // "." and ".." count here
      {Value(empty / u"*.txt"), false},
      {Value(u""), false},  // empty is a pattern, not a missing argument
      {Value(folder / u"report.txt" + Text(1, u'\0') + u"x"), false},
  };
  Files files;
  files.LastError = u"earlier";
  for (const Case& c : cases) EXPECT_EQ(files.Exists(c.pattern), c.exists) << ToUtf8(c.pattern.ToText());
  EXPECT_EQ(files.LastError, u"earlier");
}

TEST(Exists, WithoutAnArgumentSearchesPathAndMask) {
  TempFolder folder;
  folder.Write(u"a.txt", "a");
  Files files;
  files.SetPath(folder.Path());
  EXPECT_TRUE(files.Exists());
  files.Mask = u"*.doc";
  EXPECT_FALSE(files.Exists());
  files.Mask = u"A.TXT";
  EXPECT_TRUE(files.Exists());
}

TEST(Exists, LeavesTheListAndSettingsAsTheyWere) {
  TempFolder folder;
  folder.Write(u"a.txt", "a");
  Files files;
  files.SetPath(folder.Path());
  files.Add(u"", u"kept");
  files.Sorted = true;
  files.Exists(Value(folder / u"*.*"));
  EXPECT_EQ(files.Count(), 1);
  EXPECT_TRUE(files.Sorted);
  EXPECT_EQ(files.GetPath(), folder.Path());
  EXPECT_EQ(files.Mask, u"");
}

TEST(Exists, SearchesANumberAsItsTextAndFailsForNull) {
  Files files;
  EXPECT_FALSE(files.Exists(Value(12345)));
  EXPECT_CLASSIC_FAILURE(files.Exists(Value::Null()), Classic::InvalidUseOfNull);
  EXPECT_EQ(files.LastError, u"Invalid use of Null");
}

}  // namespace
}  // namespace tarnix
