#pragma once
// The conversions of an argument to a typed parameter, as VariantChangeType
// makes them: a value that cannot become the type fails with
// DISP_E_TYPEMISMATCH (Null and a missing value among them), a number out of
// the type's range with DISP_E_OVERFLOW.

#include <cstdint>

#include "platform/Text.h"
#include "platform/Value.h"

namespace tarnix::automation {

// Numbers in decimal; a Boolean as "-1" or "0", as a number would be.
Text ConvertToText(const Value& value);
// Numbers and numeric text rounded to the nearest integer, halves to even;
// a Boolean as -1 or 0.
std::int32_t ConvertToLong(const Value& value);
// "True" and "False" in any letter case, or any number: True when not zero.
bool ConvertToBoolean(const Value& value);

}  // namespace tarnix::automation
