#pragma once
// The bindings of plain properties: a getter reads the field of the core
// object, a setter stores its one, already converted, argument. `CoreOf`
// finds the core object behind a dispatch object.

#include "automation/native/BoundArguments.h"
#include "automation/native/Result.h"

namespace tarnix::automation {

template <auto CoreOf, auto Field>
Result GetText(Object& self, const BoundArguments&) {
  return TextResult(CoreOf(self).*Field);
}

template <auto CoreOf, auto Field>
Result PutText(Object& self, const BoundArguments& arguments) {
  CoreOf(self).*Field = arguments.TextAt(0);
  return Result();
}

template <auto CoreOf, auto Field>
Result GetLong(Object& self, const BoundArguments&) {
  return LongResult(CoreOf(self).*Field);
}

template <auto CoreOf, auto Field>
Result PutLong(Object& self, const BoundArguments& arguments) {
  CoreOf(self).*Field = arguments.LongAt(0);
  return Result();
}

template <auto CoreOf, auto Field>
Result GetBoolean(Object& self, const BoundArguments&) {
  return BooleanResult(CoreOf(self).*Field);
}

template <auto CoreOf, auto Field>
Result PutBoolean(Object& self, const BoundArguments& arguments) {
  CoreOf(self).*Field = arguments.BooleanAt(0);
  return Result();
}

}  // namespace tarnix::automation
