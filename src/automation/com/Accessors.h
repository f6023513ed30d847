#pragma once
// The getters and setters of plain properties, shared by both objects.

#include <oaidl.h>

#include <cstdint>

#include "automation/com/Variants.h"
#include "platform/Text.h"

namespace tarnix::com {

inline HRESULT GetText(const Text& property, BSTR* value) {
  if (value == nullptr) return E_POINTER;
  *value = BstrFromText(property);
  return *value != nullptr || property.empty() ? S_OK : E_OUTOFMEMORY;
}

// A property that is a Text, or one a Text converts to and from.
template <class Property>
HRESULT PutText(Property& property, BSTR value) {
  property = TextFromBstr(value);
  return S_OK;
}

template <class Number, class Out>
HRESULT GetNumber(Number property, Out* value) {
  if (value == nullptr) return E_POINTER;
  *value = static_cast<Out>(property);
  return S_OK;
}

}  // namespace tarnix::com
