#pragma once
// Value is what a variant parameter carries into the core. Its conversions
// follow OLE Automation's rules and raise Failures, so that they fail inside
// the trap of the member that converts.

#include <cstdint>
#include <memory>
#include <variant>

#include "platform/Text.h"

namespace tarnix {

// A value of a type the core does not know (a date, a currency, an object with
// a default member). Only the automation front that made it can convert it.
class ForeignValue {
 public:
  virtual ~ForeignValue() = default;
  virtual Text ToText() const = 0;
  virtual double ToDouble() const = 0;
  virtual std::int32_t ToInt32() const = 0;
};

class Value {
 public:
  enum class Kind { Missing, Empty, Null, Boolean, Integer, Double, Text, Foreign };

  Value() = default;  // a missing optional argument
  Value(Text text) : data_(std::move(text)) {}
  Value(const char16_t* text) : data_(Text(text)) {}
  Value(int number) : data_(static_cast<std::int64_t>(number)) {}
  Value(std::int64_t number) : data_(number) {}
  Value(double number) : data_(number) {}
  Value(bool) = delete;  // would quietly become the integer 1: use Value::Boolean

  static Value Missing() { return Value(); }
  static Value Empty() { return Make(EmptyTag{}); }
  static Value Null() { return Make(NullTag{}); }
  static Value Boolean(bool flag) { return Make(flag); }
  static Value Foreign(std::shared_ptr<const ForeignValue> value) { return Make(std::move(value)); }

  Kind GetKind() const { return static_cast<Kind>(data_.index()); }
  bool IsMissing() const { return GetKind() == Kind::Missing; }
  bool IsText() const { return GetKind() == Kind::Text; }

  // Integers in decimal, doubles with up to 15 significant digits and "." as
  // the decimal point, Boolean as "True"/"False", empty as "". Null fails with
  // 94, a missing value with 13.
  Text ToText() const;
  // Numeric text (blanks around it, a sign, a fraction, an exponent) reads as
  // a number; other text fails with 13, a number out of range with 6.
  double ToDouble() const;
  // As ToDouble, then rounded to the nearest integer, halves to even; out of
  // range fails with 6.
  std::int32_t ToInt32() const;

 private:
  struct MissingTag {};
  struct EmptyTag {};
  struct NullTag {};
  template <class T>
  static Value Make(T content) {
    Value value;
    value.data_ = std::move(content);
    return value;
  }

  std::variant<MissingTag, EmptyTag, NullTag, bool, std::int64_t, double, Text,
               std::shared_ptr<const ForeignValue>>
      data_;
};

// The pieces of the conversions, for members that need them on their own.
Text FormatDouble(double number);
bool ParseNumber(TextView text, double& number);  // false when the text is no number
std::int32_t RoundToInt32(double number);          // halves to even; fails with 6

}  // namespace tarnix
