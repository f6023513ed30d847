#include "automation/native/Object.h"

#include <utility>

#include "automation/native/BoundArguments.h"
#include "automation/native/DispatchFailure.h"

namespace tarnix::automation {
namespace {

bool Answers(const Member& member, InvokeFlags flags) {
  switch (member.kind) {
    case MemberKind::kMethod: return (flags & kMethod) != 0;
    case MemberKind::kGet:
      // JScript calls a property with arguments (Item) and asks for the
      // enumerator with a method call, so a getter answers one too, as the
      // COM front does.
      return (flags & (kPropertyGet | kMethod)) != 0;
    case MemberKind::kPut: return (flags & kPropertyPut) != 0;
  }
  return false;
}

}  // namespace

std::int32_t Object::GetIdOfName(TextView name) const {
  for (const Member& member : members_) {
    if (EqualIgnoringCase(member.name, name)) return member.id;
  }
  throw DispatchFailure(DispatchError::UnknownName);
}

const Member& Object::MemberAnswering(std::int32_t id, InvokeFlags flags) const {
  for (const Member& member : members_) {
    if (member.id == id && Answers(member, flags)) return member;
  }
  throw DispatchFailure(DispatchError::MemberNotFound);
}

Result Object::Invoke(std::int32_t id, InvokeFlags flags, std::vector<Argument> arguments) {
  const Member& member = MemberAnswering(id, flags);
  const BoundArguments bound = BindArguments(member.parameters, std::move(arguments));
  return member.invoke(*this, bound);
}

Result Object::Call(TextView name, InvokeFlags flags, std::vector<Argument> arguments) {
  return Invoke(GetIdOfName(name), flags, std::move(arguments));
}

}  // namespace tarnix::automation
