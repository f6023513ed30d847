#include "automation/native/DefaultValue.h"

#include <memory>
#include <utility>

#include "automation/native/DispatchFailure.h"
#include "automation/native/Object.h"
#include "platform/Failure.h"

namespace tarnix::automation {
namespace {

class ObjectValue final : public ForeignValue {
 public:
  explicit ObjectValue(ObjectRef object) : object_(std::move(object)) {}

  Text ToText() const override { return Read().ToText(); }
  double ToDouble() const override { return Read().ToDouble(); }
  std::int32_t ToInt32() const override { return Read().ToInt32(); }

 private:
  Value Read() const {
    if (!object_) throw ClassicFailure(Classic::TypeMismatch);  // Nothing
    std::optional<Value> value = DefaultValueOf(*object_);
    if (!value) throw ClassicFailure(Classic::TypeMismatch);
    return *std::move(value);
  }

  ObjectRef object_;
};

}  // namespace

std::optional<Value> DefaultValueOf(Object& object) {
  Result result;
  try {
    result = object.Invoke(kDefaultMemberId, kPropertyGet);
  } catch (const Failure& failure) {
    if (failure.Number() == DispatchNumber(DispatchError::MemberNotFound) ||
        failure.Number() == DispatchNumber(DispatchError::BadParameterCount)) {
      return std::nullopt;
    }
    throw;
  }
  if (!result.IsValue()) return std::nullopt;
  return result.AsValue();
}

Value ObjectAsValue(ObjectRef object) {
  return Value::Foreign(std::make_shared<ObjectValue>(std::move(object)));
}

}  // namespace tarnix::automation
