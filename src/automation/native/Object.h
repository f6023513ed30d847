#pragma once
// A dispatchable object: what a script holds on Linux, where there is no COM.
// It finds its members by name and invokes them by identifier through its
// member table, with IDispatch's rules for invoke kinds, argument counts and
// argument conversions, and raises a Failure where IDispatch returns an error.

#include <cstdint>
#include <span>
#include <vector>

#include "automation/native/Argument.h"
#include "automation/native/Member.h"
#include "automation/native/ObjectRef.h"
#include "automation/native/Result.h"
#include "platform/Text.h"

namespace tarnix::automation {

// What a caller asks of a member, combined as IDispatch's DISPATCH_* flags are:
// a script reading a property may ask for kMethod | kPropertyGet.
using InvokeFlags = std::uint16_t;
inline constexpr InvokeFlags kMethod = 1;
inline constexpr InvokeFlags kPropertyGet = 2;
inline constexpr InvokeFlags kPropertyPut = 4;

class Object {
 public:
  virtual ~Object() = default;
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;

  // The identifier of the member `name`, found in any letter case; an unknown
  // name fails with DISP_E_UNKNOWNNAME.
  std::int32_t GetIdOfName(TextView name) const;

  // Invokes member `id` as `flags` asks, with `arguments` in call order; a
  // property put takes the new value as its last argument. An identifier
  // without a member of a kind the flags ask for fails with
  // DISP_E_MEMBERNOTFOUND; failures of the core member pass through unchanged.
  Result Invoke(std::int32_t id, InvokeFlags flags, std::vector<Argument> arguments = {});

  // GetIdOfName, then Invoke.
  Result Call(TextView name, InvokeFlags flags, std::vector<Argument> arguments = {});

  // The member table, in the interface's slot order.
  std::span<const Member> Members() const { return members_; }

 protected:
  explicit Object(std::span<const Member> members) : members_(members) {}

 private:
  const Member& MemberAnswering(std::int32_t id, InvokeFlags flags) const;

  std::span<const Member> members_;
};

}  // namespace tarnix::automation
