// POSIX only: how a copy takes a destination's place, and what a failure
// midway leaves behind (nothing: the destination as it was, no other file).
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "PermissionChecks.h"
#include "TempFolder.h"
#include "fileops/CopyFileData.h"
#include "platform/Failure.h"
#include "platform/FileSystem.h"
#include "platform/ReplacementFile.h"

namespace tarnix {
namespace {

using test::PermissionChecksApply;
using test::TempFolder;
using Names = std::vector<std::string>;

constexpr std::size_t kMiB = 1024 * 1024;

std::string Pattern(std::size_t size, char seed) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(seed + i * 31 + i / 4093);
  return bytes;
}

std::string Native(const TempFolder& folder, TextView name) {
  std::string path = ToUtf8(folder / name);
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

mode_t ModeOf(const std::string& path) {
  struct stat status;
  EXPECT_EQ(::lstat(path.c_str(), &status), 0) << path;
  return status.st_mode;
}

// While it lives, writes past `limit` bytes fail with EFBIG, as on a full volume.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t limit) {
    previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
    EXPECT_EQ(::getrlimit(RLIMIT_FSIZE, &previous_), 0);
    struct rlimit lowered = previous_;
    lowered.rlim_cur = limit;
    EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &lowered), 0);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &previous_);
    ::signal(SIGXFSZ, previousHandler_);
  }

 private:
  struct rlimit previous_ {};
  sighandler_t previousHandler_;
};

TEST(CopyReplacement, AWriteThatFailsMidwayLeavesTheDestinationAsItWasAndNothingElse) {
  const std::string source = Pattern(5 * kMiB, 'n');
  const std::string old = Pattern(1 * kMiB, 'o');
  for (const char16_t* destination : {u"old.bin", u"new.bin"}) {
    TempFolder folder;
    folder.Write(u"source.bin", source);
    folder.Write(u"old.bin", old);
    {
      FileSizeLimit limit(2 * kMiB);
      EXPECT_FALSE(CopyFileData(folder / u"source.bin", folder / destination)) << ToUtf8(destination);
    }
    EXPECT_EQ(folder.Read(u"old.bin"), old) << ToUtf8(destination);
    EXPECT_EQ(folder.Names(), (Names{"old.bin", "source.bin"})) << ToUtf8(destination);
  }
}

TEST(CopyReplacement, AFolderThatLosesWritePermissionBeforeTheRenameKeepsTheOldFileAndNothingElse) {
  TempFolder folder;
  folder.Write(u"source.bin", Pattern(300000, 's'));
  folder.Write(u"old.bin", "old content");
  const std::string path = Native(folder, u"");
  {
    PermissionChecksApply checks;
    OpenedFile source = OpenedFile::ForReading(folder / u"source.bin");
    ReplacementFile replacement = ReplacementFile::Beside(folder / u"old.bin");
    source.CopyTo(replacement.Contents());
    ASSERT_EQ(::chmod(path.c_str(), 0555), 0);
    EXPECT_THROW(replacement.Commit(), Failure);
  }
  ASSERT_EQ(::chmod(path.c_str(), 0755), 0);
  EXPECT_EQ(folder.Read(u"old.bin"), "old content");
  EXPECT_EQ(folder.Names(), (Names{"old.bin", "source.bin"}));
}

TEST(CopyReplacement, RefusesWhatCouldNotBeWrittenInPlace) {
  // A read-only destination is refused though its folder would allow a
  // rename over it; a folder that takes no new file refuses the copy too.
  struct Case {
    const char* label;
    mode_t fileMode;
    mode_t folderMode;
    bool takesNewFiles;
  };
  for (const Case& c : {Case{"read-only file", 0444, 0755, true}, Case{"read-only folder", 0644, 0555, false}}) {
    TempFolder folder;
    folder.Write(u"source.txt", "new");
    folder.Write(u"old.txt", "old");
    ASSERT_EQ(::chmod(Native(folder, u"old.txt").c_str(), c.fileMode), 0);
    ASSERT_EQ(::chmod(Native(folder, u"").c_str(), c.folderMode), 0);
    {
      PermissionChecksApply checks;
      EXPECT_FALSE(CopyFileData(folder / u"source.txt", folder / u"old.txt")) << c.label;
      EXPECT_EQ(CopyFileData(folder / u"source.txt", folder / u"new.txt"), c.takesNewFiles) << c.label;
    }
    ASSERT_EQ(::chmod(Native(folder, u"").c_str(), 0755), 0);
    EXPECT_EQ(folder.Read(u"old.txt"), "old") << c.label;
    EXPECT_EQ(folder.Names(), c.takesNewFiles ? (Names{"new.txt", "old.txt", "source.txt"})
                                              : (Names{"old.txt", "source.txt"}))
        << c.label;
  }
}

TEST(CopyReplacement, TheNewFileTakesTheDestinationsPermissionBits) {
  TempFolder folder;
  folder.Write(u"source.txt", "new");
  folder.Write(u"private.txt", "old");
  folder.Write(u"script.sh", "old");
  ASSERT_EQ(::chmod(Native(folder, u"source.txt").c_str(), 0644), 0);
  ASSERT_EQ(::chmod(Native(folder, u"private.txt").c_str(), 0600), 0);
  ASSERT_EQ(::chmod(Native(folder, u"script.sh").c_str(), 0750), 0);
  for (const char16_t* destination : {u"private.txt", u"script.sh"}) {
    const mode_t before = ModeOf(Native(folder, destination));
    ASSERT_TRUE(CopyFileData(folder / u"source.txt", folder / destination));
    EXPECT_EQ(ModeOf(Native(folder, destination)), before) << ToUtf8(destination);
    EXPECT_EQ(folder.Read(destination), "new");
  }
  // A new destination gets what creating it would give.
  const mode_t mask = ::umask(022);
  ::umask(mask);
  ASSERT_TRUE(CopyFileData(folder / u"source.txt", folder / u"fresh.txt"));
  EXPECT_EQ(ModeOf(Native(folder, u"fresh.txt")) & 07777, 0666 & ~mask);
}

TEST(CopyReplacement, ADestinationWithSeveralLinksBecomesAFileOfItsOwn) {
  TempFolder folder;
  folder.Write(u"source.txt", "new");
  folder.Write(u"shared.txt", "old");
  ASSERT_EQ(::link(Native(folder, u"shared.txt").c_str(), Native(folder, u"other-name.txt").c_str()), 0);
  ASSERT_TRUE(CopyFileData(folder / u"source.txt", folder / u"shared.txt"));
  EXPECT_EQ(folder.Read(u"shared.txt"), "new");
  EXPECT_EQ(folder.Read(u"other-name.txt"), "old");
  struct stat status;
  ASSERT_EQ(::stat(Native(folder, u"other-name.txt").c_str(), &status), 0);
  EXPECT_EQ(status.st_nlink, 1u);
}

TEST(CopyReplacement, ASymbolicLinkAsDestinationStaysAndItsTargetIsReplaced) {
  TempFolder folder;
  folder.MakeFolder(u"real");
  folder.Write(u"source.txt", "new");
  folder.Write(u"real\\target.txt", "old");
  ASSERT_EQ(::symlink("real/target.txt", Native(folder, u"link.txt").c_str()), 0);
  ASSERT_TRUE(CopyFileData(folder / u"source.txt", folder / u"link.txt"));
  EXPECT_TRUE(S_ISLNK(ModeOf(Native(folder, u"link.txt"))));
  EXPECT_EQ(folder.Read(u"real\\target.txt"), "new");
  EXPECT_EQ(folder.Names(), (Names{"link.txt", "real", "source.txt"}));
}

}  // namespace
}  // namespace tarnix
