#include "PermissionChecks.h"

#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace tarnix::test {
namespace {

struct Capabilities {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[2]{};
};

Capabilities Current() {
  Capabilities capabilities;
  EXPECT_EQ(::syscall(SYS_capget, &capabilities.header, capabilities.data), 0);
  return capabilities;
}

void Set(Capabilities& capabilities) {
  EXPECT_EQ(::syscall(SYS_capset, &capabilities.header, capabilities.data), 0);
}

}  // namespace

PermissionChecksApply::PermissionChecksApply() {
  Capabilities capabilities = Current();
  effective_[0] = capabilities.data[0].effective;
  effective_[1] = capabilities.data[1].effective;
  for (int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
    capabilities.data[0].effective &= ~(1u << capability);
  }
  Set(capabilities);
}

PermissionChecksApply::~PermissionChecksApply() {
  Capabilities capabilities = Current();
  capabilities.data[0].effective = effective_[0];
  capabilities.data[1].effective = effective_[1];
  Set(capabilities);
}

}  // namespace tarnix::test
