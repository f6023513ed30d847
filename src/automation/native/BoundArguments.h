#pragma once
// The arguments of one call, checked against the member's parameters and
// converted to their types, one item per parameter.

#include <cstddef>
#include <cstdint>
#include <span>
#include <variant>
#include <vector>

#include "automation/native/Argument.h"
#include "automation/native/Member.h"
#include "platform/Text.h"
#include "platform/Value.h"

namespace tarnix::automation {

class BoundArguments {
 public:
  using Item = std::variant<Value, Text, std::int32_t, bool>;

  explicit BoundArguments(std::vector<Item> items) : items_(std::move(items)) {}

  // Parameter `index`, which must have the type asked for.
  const Value& VariantAt(std::size_t index) const { return std::get<Value>(items_.at(index)); }
  const Text& TextAt(std::size_t index) const { return std::get<Text>(items_.at(index)); }
  std::int32_t LongAt(std::size_t index) const { return std::get<std::int32_t>(items_.at(index)); }
  bool BooleanAt(std::size_t index) const { return std::get<bool>(items_.at(index)); }

 private:
  std::vector<Item> items_;
};

// Fails with DISP_E_BADPARAMCOUNT for more arguments than parameters or fewer
// than the required ones, and with the conversion's failure for an argument a
// typed parameter cannot take. Optional parameters come last; one left out
// (omitted, or passed as Value::Missing()) is Value::Missing() when it is a
// Variant, and 0, "" or False when it is typed.
BoundArguments BindArguments(std::span<const Parameter> parameters, std::vector<Argument> arguments);

}  // namespace tarnix::automation
