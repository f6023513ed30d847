#pragma once
// POSIX only. While an object lives, file permissions bind this thread even
// when it runs as root: the capabilities that override them (DAC override,
// DAC read-search, file owner) leave its effective set, and come back when
// the object goes. A thread without them has nothing to drop.

namespace tarnix::test {

class PermissionChecksApply {
 public:
  PermissionChecksApply();
  ~PermissionChecksApply();
  PermissionChecksApply(const PermissionChecksApply&) = delete;
  PermissionChecksApply& operator=(const PermissionChecksApply&) = delete;

 private:
  unsigned effective_[2] = {0, 0};
};

}  // namespace tarnix::test
