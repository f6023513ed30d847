// Run after regsvr32 /u: nothing of Tarnix may resolve any more.
#include <gtest/gtest.h>

#include "ClientSupport.h"
#include "contract/ExpectedContract.h"

namespace tarnix::client {
namespace {

TEST(Unregistered, NeitherProgIdNorClassResolves) {
  for (const contract::Interface* expected : {&contract::kFilesInterface, &contract::kFileInterface}) {
    CLSID clsid{};
    EXPECT_NE(CLSIDFromProgID(Widen(expected->progId).c_str(), &clsid), S_OK) << expected->clsid;
    IUnknown* object = nullptr;
    EXPECT_EQ(CoCreateInstance(GuidOf(expected->clsid), nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                               reinterpret_cast<void**>(&object)),
              REGDB_E_CLASSNOTREG);
  }
  ITypeLib* library = nullptr;
  EXPECT_NE(LoadRegTypeLib(GuidOf(contract::kTypeLibraryId), 1, 0, 0, &library), S_OK);
}

}  // namespace
}  // namespace tarnix::client
