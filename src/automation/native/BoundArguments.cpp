#include "automation/native/BoundArguments.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "automation/native/Conversions.h"
#include "automation/native/DefaultValue.h"
#include "automation/native/DispatchFailure.h"

namespace tarnix::automation {
namespace {

// What a typed parameter converts: the value, or an object's default value.
// Nothing (a null object) has none, as an object without a default member.
Value ValueToConvert(const Argument& argument) {
  if (!argument.IsObject()) return argument.AsValue();
  if (!argument.AsObject()) throw DispatchFailure(DispatchError::TypeMismatch);
  std::optional<Value> value = DefaultValueOf(*argument.AsObject());
  if (!value) throw DispatchFailure(DispatchError::TypeMismatch);
  return *std::move(value);
}

BoundArguments::Item Convert(Argument argument, Type type) {
  switch (type) {
    case Type::kVariant:
      // Passed on unchanged: the core converts it inside its own trap.
      return argument.IsObject() ? ObjectAsValue(argument.AsObject()) : argument.AsValue();
    case Type::kText: return ConvertToText(ValueToConvert(argument));
    case Type::kLong: return ConvertToLong(ValueToConvert(argument));
    case Type::kBoolean: return ConvertToBoolean(ValueToConvert(argument));
    default: throw DispatchFailure(DispatchError::TypeMismatch);
  }
}

BoundArguments::Item Omitted(Type type) {
  switch (type) {
    case Type::kText: return Text();
    case Type::kLong: return std::int32_t{0};
    case Type::kBoolean: return false;
    default: return Value::Missing();
  }
}

}  // namespace

BoundArguments BindArguments(std::span<const Parameter> parameters, std::vector<Argument> arguments) {
  const auto required = static_cast<std::size_t>(
      std::count_if(parameters.begin(), parameters.end(), [](const Parameter& p) { return !p.optional; }));
  if (arguments.size() > parameters.size() || arguments.size() < required) {
    throw DispatchFailure(DispatchError::BadParameterCount);
  }
  std::vector<BoundArguments::Item> items;
  items.reserve(parameters.size());
  for (std::size_t i = 0; i < parameters.size(); ++i) {
    const Parameter& parameter = parameters[i];
    const bool omitted = i >= arguments.size() || (parameter.optional && arguments[i].IsMissing());
    items.push_back(omitted ? Omitted(parameter.type) : Convert(std::move(arguments[i]), parameter.type));
  }
  return BoundArguments(std::move(items));
}

}  // namespace tarnix::automation
