#pragma once
// The failures the dispatch layer itself raises, with the numbers IDispatch
// returns for them (FACILITY_DISPATCH).

#include <cstdint>

#include "platform/Failure.h"

namespace tarnix::automation {

enum class DispatchError : std::uint32_t {
  MemberNotFound = 0x80020003u,      // DISP_E_MEMBERNOTFOUND
  TypeMismatch = 0x80020005u,        // DISP_E_TYPEMISMATCH
  UnknownName = 0x80020006u,         // DISP_E_UNKNOWNNAME
  Overflow = 0x8002000Au,            // DISP_E_OVERFLOW
  BadParameterCount = 0x8002000Eu,   // DISP_E_BADPARAMCOUNT
  InvalidClassString = 0x800401F3u,  // CO_E_CLASSSTRING, from CreateObject
};

constexpr std::int32_t DispatchNumber(DispatchError error) { return static_cast<std::int32_t>(error); }

Failure DispatchFailure(DispatchError error);

}  // namespace tarnix::automation
