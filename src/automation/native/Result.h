#pragma once
// What an invoked member delivers: nothing (a property put, a Sub), a value
// or an object reference.

#include <cstdint>
#include <utility>
#include <variant>

#include "automation/native/ObjectRef.h"
#include "platform/Text.h"
#include "platform/Value.h"

namespace tarnix::automation {

class Result {
 public:
  Result() = default;
  Result(Value value) : content_(std::move(value)) {}
  Result(ObjectRef object) : content_(std::move(object)) {}

  bool IsNothing() const { return std::holds_alternative<std::monostate>(content_); }
  bool IsValue() const { return std::holds_alternative<Value>(content_); }
  bool IsObject() const { return std::holds_alternative<ObjectRef>(content_); }
  // Only for a result that is a value, and one that is an object.
  const Value& AsValue() const { return std::get<Value>(content_); }
  const ObjectRef& AsObject() const { return std::get<ObjectRef>(content_); }

 private:
  std::variant<std::monostate, Value, ObjectRef> content_;
};

// The results of the automation types Boolean, Long and String.
inline Result BooleanResult(bool flag) { return Value::Boolean(flag); }
inline Result LongResult(std::int32_t number) { return Value(static_cast<std::int64_t>(number)); }
inline Result TextResult(Text text) { return Value(std::move(text)); }

}  // namespace tarnix::automation
