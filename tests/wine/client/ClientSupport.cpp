#include "ClientSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tarnix::client {

std::wstring DllPath() {
  const char* configured = std::getenv("TARNIX_DLL");
  std::string path = configured != nullptr ? configured : "Tarnix.dll";
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  std::wstring wide(path.begin(), path.end());
  for (wchar_t& c : wide) {
    if (c == L'/') c = L'\\';
  }
  return wide;
}

std::wstring Widen(const char16_t* text) { return std::wstring(reinterpret_cast<const wchar_t*>(text)); }

GUID GuidOf(const char* text) {
  std::wstring wide(text, text + std::char_traits<char>::length(text));
  GUID guid{};
  EXPECT_EQ(CLSIDFromString(wide.c_str(), &guid), S_OK) << text;
  return guid;
}

namespace {

// COM for the whole test process, in a single-threaded apartment as script hosts use it.
class ComEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK); }
  void TearDown() override { CoUninitialize(); }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new ComEnvironment);

}  // namespace
}  // namespace tarnix::client
