#include "automation/native/Conversions.h"

#include "automation/native/DispatchFailure.h"
#include "platform/Failure.h"

namespace tarnix::automation {
namespace {

bool HasNoValue(const Value& value) {
  return value.GetKind() == Value::Kind::Missing || value.GetKind() == Value::Kind::Null;
}

// Runs one of Value's conversions, which fail with the classic runtime errors,
// and raises the dispatch errors VariantChangeType returns instead.
template <class Convert>
auto Changing(const Value& value, Convert&& convert) {
  if (HasNoValue(value)) throw DispatchFailure(DispatchError::TypeMismatch);
  try {
    return convert();
  } catch (const Failure& failure) {
    if (failure.Number() == ClassicNumber(Classic::Overflow)) throw DispatchFailure(DispatchError::Overflow);
    if (failure.Number() == ClassicNumber(Classic::TypeMismatch) ||
        failure.Number() == ClassicNumber(Classic::InvalidUseOfNull)) {
      throw DispatchFailure(DispatchError::TypeMismatch);
    }
    throw;
  }
}

}  // namespace

Text ConvertToText(const Value& value) {
  return Changing(value, [&]() -> Text {
    if (value.GetKind() == Value::Kind::Boolean) return value.ToDouble() != 0 ? u"-1" : u"0";
    return value.ToText();
  });
}

std::int32_t ConvertToLong(const Value& value) {
  return Changing(value, [&] { return value.ToInt32(); });
}

bool ConvertToBoolean(const Value& value) {
  return Changing(value, [&] {
    if (value.IsText()) {
      const Text text = value.ToText();
      if (EqualIgnoringCase(text, u"True")) return true;
      if (EqualIgnoringCase(text, u"False")) return false;
    }
    return value.ToDouble() != 0;
  });
}

}  // namespace tarnix::automation
