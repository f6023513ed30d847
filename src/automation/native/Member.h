#pragma once
// A row of a member table: what a script can know of one member (its name,
// identifier, invoke kind, parameters and result, as the type library states
// them) and the binding that carries a call on to the core.

#include <cstdint>
#include <vector>

#include "automation/native/Result.h"

namespace tarnix::automation {

class Object;
class BoundArguments;

enum class MemberKind { kMethod, kGet, kPut };

// kUnknown: an object that offers no dispatch members (the enumerator).
enum class Type { kNone, kText, kBoolean, kLong, kVariant, kFile, kUnknown };

struct Parameter {
  const char16_t* name;  // empty for the value of a property put
  Type type;
  bool optional = false;
};

constexpr std::int32_t MemberId(std::uint32_t id) { return static_cast<std::int32_t>(id); }
inline constexpr std::int32_t kDefaultMemberId = 0;  // DISPID_VALUE
inline constexpr std::int32_t kNewEnumId = -4;       // DISPID_NEWENUM

struct Member {
  const char16_t* name;
  MemberKind kind;
  std::int32_t id;
  Type result;
  std::vector<Parameter> parameters;
  // Called with the object the table belongs to and the arguments already
  // converted to the parameters' types.
  Result (*invoke)(Object& self, const BoundArguments& arguments);
  bool hidden = false;
};

}  // namespace tarnix::automation
