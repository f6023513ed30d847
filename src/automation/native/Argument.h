#pragma once
// One argument of a call, as a script passes it: a value (Value::Missing() for
// an omitted optional argument) or an object reference.

#include <concepts>
#include <memory>
#include <type_traits>
#include <utility>
#include <variant>

#include "automation/native/ObjectRef.h"
#include "platform/Value.h"

namespace tarnix::automation {

class Argument {
 public:
  Argument(Value value) : content_(std::move(value)) {}
  // Anything a Value is made from (text, numbers), except bool: Value would
  // take a bool as the integer 1, where a script's True is Value::Boolean(true).
  template <class T>
    requires std::constructible_from<Value, T> && (!std::same_as<std::remove_cvref_t<T>, bool>) &&
             (!std::same_as<std::remove_cvref_t<T>, Value>)
  Argument(T&& value) : content_(Value(std::forward<T>(value))) {}
  template <class T>
    requires std::derived_from<T, Object>
  Argument(std::shared_ptr<T> object) : content_(ObjectRef(std::move(object))) {}

  bool IsObject() const { return std::holds_alternative<ObjectRef>(content_); }
  // Only for an argument that is a value, and one that is an object.
  const Value& AsValue() const { return std::get<Value>(content_); }
  const ObjectRef& AsObject() const { return std::get<ObjectRef>(content_); }

  // An omitted argument: Value::Missing() in its place.
  bool IsMissing() const { return !IsObject() && AsValue().IsMissing(); }

 private:
  std::variant<Value, ObjectRef> content_;
};

}  // namespace tarnix::automation
