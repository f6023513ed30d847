#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempFolder.h"
#include "TestSupport.h"
#include "fileops/CopyFileData.h"

namespace tarnix {
namespace {

using test::NobodyHoldsOpen;
using test::TempFolder;

std::string Bytes(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7919 + i / 251) & 0xFF);
  return bytes;
}

TEST(CopyFileData, CopiesEverySizeByteForByte) {
  TempFolder folder;
  for (std::size_t size : {0, 1, 15999, 16000, 48000, 48001, 100000, 3 * 1048576 + 17}) {
    const std::string bytes = Bytes(size);
    folder.Write(u"source.bin", bytes);
    EXPECT_TRUE(CopyFileData(folder / u"source.bin", folder / u"copy.bin")) << size;
    EXPECT_EQ(folder.Read(u"copy.bin"), bytes) << size;
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"copy.bin", "source.bin"})) << size;
  }
}

TEST(CopyFileData, CutsALongerDestinationAtTheSourcesLength) {
  TempFolder folder;
  folder.Write(u"short.txt", "new");
  folder.Write(u"long.txt", "old old old old");
  EXPECT_TRUE(CopyFileData(folder / u"short.txt", folder / u"long.txt"));
  EXPECT_EQ(folder.Read(u"long.txt"), "new");
}

TEST(CopyFileData, LeavesTheDestinationUntouchedWhenTheSourceIsNotAPlainFile) {
  TempFolder folder;
  folder.Write(u".hidden", "secret");
  folder.MakeHidden(u".hidden");
  folder.MakeFolder(u"folder");
  folder.Write(u"existing.txt", "keep me");
  const Text sources[] = {folder / u"missing.txt", folder / u".hidden", folder / u"folder",
                          folder / u"missing\\a.txt", folder / u"*.none"};
  for (const Text& source : sources) {
    EXPECT_FALSE(CopyFileData(source, folder / u"new.txt")) << ToUtf8(source);
    EXPECT_FALSE(folder.Holds(u"new.txt"));
    EXPECT_FALSE(CopyFileData(source, folder / u"existing.txt"));
    EXPECT_EQ(folder.Read(u"existing.txt"), "keep me");
  }
}

TEST(CopyFileData, FailsWithoutRaisingWhenTheDestinationCannotBeWritten) {
  TempFolder folder;
  folder.Write(u"a.txt", "a");
  folder.MakeFolder(u"folder");
  EXPECT_FALSE(CopyFileData(folder / u"a.txt", folder / u"missing\\b.txt"));
  EXPECT_FALSE(CopyFileData(folder / u"a.txt", folder / u"folder"));
  EXPECT_TRUE(NobodyHoldsOpen(folder / u"a.txt"));  // the source is closed on the failure path
}

TEST(CopyFileData, OpensAWildcardSourceByItsNameAndSoFails) {
  TempFolder folder;
  folder.Write(u"a.txt", "a");
  EXPECT_FALSE(CopyFileData(folder / u"*.txt", folder / u"b.txt"));
  EXPECT_FALSE(folder.Holds(u"b.txt"));
}

TEST(CopyFileData, LeavesAFileCopiedOntoItselfIntact) {
  TempFolder folder;
  folder.MakeFolder(u"sub");
  const std::string bytes = Bytes(70000);
  folder.Write(u"self.bin", bytes);
  const Text spellings[] = {
      folder / u"self.bin",
      folder / u"sub\\..\\self.bin",
#ifdef _WIN32
      folder / u"SELF.BIN",
#endif
  };
  for (const Text& spelling : spellings) {
    EXPECT_TRUE(CopyFileData(folder / u"self.bin", spelling)) << ToUtf8(spelling);
    EXPECT_EQ(folder.Read(u"self.bin"), bytes);
    EXPECT_TRUE(NobodyHoldsOpen(folder / u"self.bin"));
  }
}

TEST(CopyFileData, RefusesNamesWithANul) {
  TempFolder folder;
  folder.Write(u"a.txt", "a");
  const Text cut = folder / u"a.txt" + Text(1, u'\0') + u"tail";
  EXPECT_FALSE(CopyFileData(cut, folder / u"b.txt"));
  EXPECT_FALSE(CopyFileData(folder / u"a.txt", cut));
  EXPECT_FALSE(folder.Holds(u"b.txt"));
}

TEST(CopyFileData, CopiesFilesBeyondTheOld16BitBlockLimit) {
  // 1,100,000,000 bytes: more than 32767 blocks of 32000 bytes. Sparse, with
  // markers at the start, around the old limit and at the end.
  constexpr std::uint64_t kSize = 1100000000;
  TempFolder folder;
  folder.WriteSparse(u"big.bin", kSize, {0, 1048560000 - 4, kSize - TempFolder::kMarker.size()});
  folder.Write(u"copy.bin", "stale");
  ASSERT_TRUE(CopyFileData(folder / u"big.bin", folder / u"copy.bin"));
  EXPECT_EQ(folder.SizeOf(u"copy.bin"), kSize);
  const std::string marker(TempFolder::kMarker);
  EXPECT_EQ(folder.ReadRange(u"copy.bin", 0, 8), marker);
  EXPECT_EQ(folder.ReadRange(u"copy.bin", 1048560000 - 4, 8), marker);
  EXPECT_EQ(folder.ReadRange(u"copy.bin", kSize - 8, 8), marker);
  EXPECT_EQ(folder.ReadRange(u"copy.bin", 500000000, 8), std::string(8, '\0'));
}

}  // namespace
}  // namespace tarnix
