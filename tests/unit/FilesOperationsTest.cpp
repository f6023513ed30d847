#include <gtest/gtest.h>

#include "TempFolder.h"
#include "TestSupport.h"
#include "model/Files.h"

namespace tarnix {
namespace {

using test::TempFolder;

class FilesOperations : public ::testing::Test {
 protected:
  void SetUp() override { files.SetPath(folder.Path()); }

  // The call must fail with `error`, write its text to LastError and leave
  // the folder as the check says.
  template <class Call>
  void ExpectFailure(Call&& call, Classic error) {
    files.LastError = u"";
    EXPECT_CLASSIC_FAILURE(call(), error);
    EXPECT_EQ(files.LastError, ClassicFailure(error).Description());
  }

  TempFolder folder;
  Files files;
};

TEST_F(FilesOperations, MakeDirCreatesOneLevelInsidePath) {
  EXPECT_TRUE(files.MakeDir(u"new"));
  EXPECT_TRUE(folder.Holds(u"new"));
  ExpectFailure([&] { return files.MakeDir(u"new"); }, Classic::FileAlreadyExists);
  ExpectFailure([&] { return files.MakeDir(u"a\\b\\c"); }, Classic::PathNotFound);
  EXPECT_FALSE(folder.Holds(u"a"));
}

TEST_F(FilesOperations, RemoveDirRemovesOnlyAnEmptyFolder) {
  folder.MakeFolder(u"empty");
  folder.MakeFolder(u"full");
  folder.Write(u"full\\file.txt", "x");
  EXPECT_TRUE(files.RemoveDir(u"empty"));
  EXPECT_FALSE(folder.Holds(u"empty"));
  ExpectFailure([&] { return files.RemoveDir(u"full"); }, Classic::PathFileAccessError);
  EXPECT_TRUE(folder.Holds(u"full\\file.txt"));
  files.LastError = u"";
  EXPECT_ANY_THROW(files.RemoveDir(u"missing"));
  EXPECT_NE(files.LastError, u"");
}

TEST_F(FilesOperations, KillFileDeletesEveryMatchingFileButNoFolder) {
  for (const char16_t* name : {u"a.tmp", u"b.TMP", u"keep.txt"}) folder.Write(name, "x");
  folder.MakeFolder(u"dir.tmp");
  EXPECT_TRUE(files.KillFile(u"*.tmp"));
  EXPECT_FALSE(folder.Holds(u"a.tmp"));
  EXPECT_FALSE(folder.Holds(u"b.TMP"));
  EXPECT_TRUE(folder.Holds(u"keep.txt"));
  EXPECT_TRUE(folder.Holds(u"dir.tmp"));
  ExpectFailure([&] { return files.KillFile(u"*.tmp"); }, Classic::FileNotFound);
  ExpectFailure([&] { return files.KillFile(u"missing.txt"); }, Classic::FileNotFound);
  ExpectFailure([&] { return files.KillFile(u"dir.tmp"); }, Classic::PathFileAccessError);
  EXPECT_TRUE(files.KillFile(folder / u"keep.txt"));
  EXPECT_FALSE(folder.Holds(u"keep.txt"));
}

TEST_F(FilesOperations, RenameMovesButNeverReplaces) {
  folder.Write(u"a.txt", "a");
  folder.Write(u"taken.txt", "taken");
  folder.MakeFolder(u"sub");
  ExpectFailure([&] { return files.Rename(u"a.txt", u"taken.txt"); }, Classic::FileAlreadyExists);
  EXPECT_EQ(folder.Read(u"a.txt"), "a");
  EXPECT_EQ(folder.Read(u"taken.txt"), "taken");
  EXPECT_TRUE(files.Rename(u"a.txt", u"sub\\moved.txt"));
  EXPECT_EQ(folder.Read(u"sub\\moved.txt"), "a");
  EXPECT_FALSE(folder.Holds(u"a.txt"));
  ExpectFailure([&] { return files.Rename(u"a.txt", u"b.txt"); }, Classic::FileNotFound);
}

TEST_F(FilesOperations, RenameTakesARelativeTargetFromPathNotFromTheSource) {
  TempFolder other;
  other.Write(u"far.txt", "far");
  EXPECT_TRUE(files.Rename(other / u"far.txt", u"near.txt"));
  EXPECT_EQ(folder.Read(u"near.txt"), "far");
}

TEST_F(FilesOperations, CopyReportsEveryFailureAsErrorCopyingFile) {
  folder.Write(u"a.txt", "a");
  folder.Write(u".hidden", "h");
  folder.MakeHidden(u".hidden");
  for (const char16_t* source : {u"missing.txt", u".hidden"}) {
    files.LastError = u"";
    Failure failure = test::FailureOf([&] { files.Copy(source, u"b.txt"); });
    EXPECT_EQ(failure.Number(), kErrorCopyingFile);
    EXPECT_EQ(failure.Number(), -2147220836);
    EXPECT_EQ(failure.Description(), u"Error copying file");
    EXPECT_EQ(files.LastError, u"Error copying file");
    EXPECT_FALSE(folder.Holds(u"b.txt"));
  }
  EXPECT_TRUE(files.Copy(u"a.txt", u"b.txt"));
  EXPECT_EQ(folder.Read(u"b.txt"), "a");
  EXPECT_EQ(files.LastError, u"Error copying file");  // success does not clear it
}

TEST_F(FilesOperations, RefuseNamesWithANulThroughTheTrap) {
  const Text cut = Text(u"a") + Text(1, u'\0') + u"b";
  folder.Write(u"a", "a");
  ExpectFailure([&] { return files.MakeDir(cut); }, Classic::BadFileName);
  ExpectFailure([&] { return files.RemoveDir(cut); }, Classic::BadFileName);
  ExpectFailure([&] { return files.KillFile(cut); }, Classic::BadFileName);
  ExpectFailure([&] { return files.Rename(u"a", cut); }, Classic::BadFileName);
  EXPECT_TRUE(folder.Holds(u"a"));
  EXPECT_EQ(test::FailureOf([&] { files.Copy(u"a", cut); }).Number(), kErrorCopyingFile);
}

TEST(FilesOperationsPath, AbsoluteNamesIgnorePath) {
  TempFolder folder;
  Files files;
  files.SetPath(u"Q:\\nowhere\\");
  EXPECT_TRUE(files.MakeDir(folder / u"made"));
  EXPECT_TRUE(folder.Holds(u"made"));
}

}  // namespace
}  // namespace tarnix
