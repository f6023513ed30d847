#pragma once
// Failure is the one exception type of the core. It carries what a script sees
// of an error: a number (an HRESULT-style signed 32-bit value), a source and a
// description.

#include <cstdint>
#include <exception>
#include <string>

#include "platform/Text.h"

namespace tarnix {

class Failure : public std::exception {
 public:
  Failure(std::int32_t number, Text description, Text source = kDefaultSource);

  std::int32_t Number() const { return number_; }
  const Text& Source() const { return source_; }
  const Text& Description() const { return description_; }
  const char* what() const noexcept override { return what_.c_str(); }

  static constexpr char16_t kDefaultSource[] = u"Tarnix";

 private:
  std::int32_t number_;
  Text description_;
  Text source_;
  std::string what_;
};

// The classic runtime errors scripts already test for. As failures they carry
// 0x800A0000 (FACILITY_CONTROL) plus the number, with the classic text.
enum class Classic : std::int32_t {
  InvalidProcedureCall = 5,
  Overflow = 6,
  OutOfMemory = 7,
  SubscriptOutOfRange = 9,
  TypeMismatch = 13,
  BadFileName = 52,
  FileNotFound = 53,
  FileAlreadyExists = 58,
  PermissionDenied = 70,
  PathFileAccessError = 75,
  PathNotFound = 76,
  InvalidUseOfNull = 94,
  DuplicateKey = 457,
};

constexpr std::int32_t ClassicNumber(Classic error) {
  return static_cast<std::int32_t>(0x800A0000u + static_cast<std::uint32_t>(error));
}

Failure ClassicFailure(Classic error);

// Tarnix's own failures, in the interface-specific range that starts at 0x80040000.
constexpr std::int32_t kInvalidSortField = static_cast<std::int32_t>(0x8004029Au);
constexpr std::int32_t kInvalidSortOrder = static_cast<std::int32_t>(0x8004029Bu);
constexpr std::int32_t kErrorCopyingFile = static_cast<std::int32_t>(0x8004029Cu);

}  // namespace tarnix
