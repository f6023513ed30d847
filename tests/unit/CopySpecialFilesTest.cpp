// A copy from or to something that is not a file on disk fails at once,
// never waiting and never pouring bytes into a device.
#include <gtest/gtest.h>

#include <string>

#include "TempFolder.h"
#include "fileops/CopyFileData.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace tarnix {
namespace {

using test::TempFolder;

// A copy that blocks would hang the suite: it fails by the alarm instead.
class CopySpecialFiles : public ::testing::Test {
 protected:
#ifndef _WIN32
  void SetUp() override { ::alarm(30); }
  void TearDown() override { ::alarm(0); }

  std::string Native(TextView name) const {
    std::string path = ToUtf8(folder / name);
    for (char& c : path) {
      if (c == '\\') c = '/';
    }
    return path;
  }
#endif
  TempFolder folder;
};

#ifndef _WIN32

TEST_F(CopySpecialFiles, RefusesFifosDevicesAndSocketsOnEitherSide) {
  folder.Write(u"a.txt", "a");
  folder.Write(u"old.txt", "old");
  ASSERT_EQ(::mkfifo(Native(u"fifo").c_str(), 0644), 0);
  const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(listener, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string socketPath = Native(u"socket");
  ASSERT_LT(socketPath.size(), sizeof address.sun_path);
  socketPath.copy(address.sun_path, socketPath.size());
  ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(::listen(listener, 1), 0);

  const Text specials[] = {folder / u"fifo", folder / u"socket", u"/dev/null", u"/dev/zero"};
  for (const Text& special : specials) {
    EXPECT_FALSE(CopyFileData(special, folder / u"old.txt")) << "from " << ToUtf8(special);
    EXPECT_FALSE(CopyFileData(special, folder / u"new.txt")) << "from " << ToUtf8(special);
    EXPECT_FALSE(CopyFileData(folder / u"a.txt", special)) << "to " << ToUtf8(special);
  }
  ::close(listener);
  EXPECT_EQ(folder.Read(u"old.txt"), "old");
  EXPECT_FALSE(folder.Holds(u"new.txt"));
  struct stat status;
  ASSERT_EQ(::stat(Native(u"fifo").c_str(), &status), 0);
  EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

#else

TEST_F(CopySpecialFiles, RefusesDevicesAndPipesOnEitherSide) {
  folder.Write(u"a.txt", "a");
  folder.Write(u"old.txt", "old");
  const wchar_t* pipeName = L"\\\\.\\pipe\\tarnix-copy-test";
  HANDLE pipe = CreateNamedPipeW(pipeName, PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE | PIPE_NOWAIT, 4, 4096, 4096, 0,
                                 nullptr);
  ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
  const Text specials[] = {u"NUL", folder / u"NUL", u"CON", reinterpret_cast<const char16_t*>(pipeName)};
  for (const Text& special : specials) {
    EXPECT_FALSE(CopyFileData(special, folder / u"old.txt")) << "from " << ToUtf8(special);
    EXPECT_FALSE(CopyFileData(folder / u"a.txt", special)) << "to " << ToUtf8(special);
  }
  CloseHandle(pipe);
  EXPECT_EQ(folder.Read(u"old.txt"), "old");
}

#endif

}  // namespace
}  // namespace tarnix
