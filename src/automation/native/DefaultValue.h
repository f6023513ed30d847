#pragma once
// An object used where a value is wanted stands for the value of its default
// member (id 0), read as a property get without arguments.

#include <optional>

#include "automation/native/ObjectRef.h"
#include "platform/Value.h"

namespace tarnix::automation {

// Nothing when the object has no default member that gives a value without
// arguments (a Files object, whose default member needs its index).
std::optional<Value> DefaultValueOf(Object& object);

// The object as a Variant argument for the core: a value the core converts
// when it needs to, reading the default member then; an object without a
// default value fails there with the classic type mismatch (13).
Value ObjectAsValue(ObjectRef object);

}  // namespace tarnix::automation
