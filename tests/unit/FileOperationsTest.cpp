#include <gtest/gtest.h>

#include "TempFolder.h"
#include "TestSupport.h"
#include "model/Files.h"

namespace tarnix {
namespace {

using test::TempFolder;

// An entry listed from a folder holding a.txt.
class FileOperations : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.Write(u"a.txt", "a");
    Files files;
    files.GetFileList(Value(folder / u"a.txt"));
    entry = files.Item(Value(1));
  }
  TempFolder folder;
  std::shared_ptr<File> entry;
};

TEST_F(FileOperations, CopyWritesARelativeTargetIntoTheEntrysFolder) {
  TempFolder other;
  EXPECT_TRUE(entry->Copy(u"b.txt"));
  EXPECT_EQ(folder.Read(u"b.txt"), "a");
  EXPECT_TRUE(entry->Copy(other / u"c.txt"));
  EXPECT_EQ(other.Read(u"c.txt"), "a");
}

TEST_F(FileOperations, RenameLeavesTheEntryAsItWas) {
  EXPECT_TRUE(entry->Rename(u"b.txt"));
  EXPECT_EQ(folder.Read(u"b.txt"), "a");
  EXPECT_EQ(entry->Name, u"a.txt");
  EXPECT_EQ(entry->Path, folder.Path());
  EXPECT_CLASSIC_FAILURE(entry->KillFile(), Classic::FileNotFound);
  EXPECT_EQ(entry->LastError, u"File not found");
  EXPECT_CLASSIC_FAILURE(entry->Rename(u"c.txt"), Classic::FileNotFound);
}

TEST_F(FileOperations, CopyOfAVanishedFileReturnsFalseQuietly) {
  ASSERT_TRUE(entry->KillFile());
  entry->LastError = u"earlier";
  EXPECT_FALSE(entry->Copy(u"b.txt"));
  EXPECT_EQ(entry->LastError, u"earlier");
  EXPECT_FALSE(folder.Holds(u"b.txt"));
}

TEST(FileKillFile, ChoosesBetweenFolderAndFilesByTheStoredDirectoryBit) {
  TempFolder folder;
  folder.MakeFolder(u"empty");
  folder.MakeFolder(u"full");
  folder.Write(u"full\\x.txt", "x");
  folder.Write(u"one.log", "1");
  folder.Write(u"two.log", "2");
  Files files;
  files.GetFileList(Value(folder / u"*.*"));

  EXPECT_TRUE(files.Item(Value(u"empty"))->KillFile());
  EXPECT_FALSE(folder.Holds(u"empty"));
  EXPECT_CLASSIC_FAILURE(files.Item(Value(u"full"))->KillFile(), Classic::PathFileAccessError);
  EXPECT_TRUE(folder.Holds(u"full\\x.txt"));

  auto one = files.Item(Value(u"one.log"));
  one->Attributes |= 16;  // a script's own idea of the entry
  EXPECT_ANY_THROW(one->KillFile());
  EXPECT_NE(one->LastError, u"");
  EXPECT_TRUE(folder.Holds(u"one.log"));

  File pattern;
  pattern.Path = folder.Path();
  pattern.Name = u"*.log";
  EXPECT_TRUE(pattern.KillFile());
  EXPECT_FALSE(folder.Holds(u"one.log"));
  EXPECT_FALSE(folder.Holds(u"two.log"));
}

TEST(FileResolution, AnAbsoluteNameIgnoresPathButARelativeTargetUsesIt) {
  TempFolder source;
  TempFolder target;
  source.Write(u"s.txt", "s");
  File entry;
  entry.Path = target.Path();
  entry.Name = source / u"s.txt";
  EXPECT_TRUE(entry.Copy(u"t.txt"));
  EXPECT_EQ(target.Read(u"t.txt"), "s");

  File runTogether;  // a Path without its separator runs into the name
  runTogether.Path = source / u"sub";
  runTogether.Name = u"s.txt";
  EXPECT_FALSE(runTogether.Copy(u"u.txt"));
}

TEST(FileCreated, StartsEmptyAndRefusesANulName) {
  File entry;
  EXPECT_EQ(entry.Name, u"");
  EXPECT_EQ(entry.Attributes, 0);
  EXPECT_EQ(entry.Size, 0);
  entry.Name = Text(u"a") + Text(1, u'\0');
  EXPECT_CLASSIC_FAILURE(entry.KillFile(), Classic::BadFileName);
  EXPECT_EQ(entry.LastError, u"Bad file name or number");
  EXPECT_FALSE(entry.Copy(u"b"));
}

}  // namespace
}  // namespace tarnix
