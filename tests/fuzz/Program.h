#pragma once
// How the fuzzer reads its input: a short program of member calls on a Files
// object and the entries it hands out, read front to back, one byte at a time
// (zero past the end), so that seeds can be written by hand (make_seeds.py).
//
//   step     := target member flags count argument*
//   target   := byte            which held object: 0 the Files object, else a held entry
//   member   := byte            index into the target's member table (slot order)
//   flags    := byte            < 6: the member's own invoke kind; 6: method|get; 7: the next byte's low 3 bits
//   count    := byte            < 16: count % 5 arguments; else as many as the member has parameters
//   argument := kind payload    see ArgumentKind

#include <cstddef>
#include <cstdint>
#include <vector>

#include "automation/native/Argument.h"
#include "automation/native/Object.h"
#include "platform/Text.h"

namespace tarnix::fuzz {

enum class ArgumentKind : std::uint8_t {
  kMissing,     // an omitted argument
  kNull,
  kEmpty,
  kNothing,     // a null object
  kBoolean,     // byte: low bit
  kInteger,     // byte: index into the integers at their limits
  kDouble,      // byte: index into the doubles (NaN, infinities, halves...)
  kText,        // byte n: n % 6 + 1 fragments, each a byte indexing the fragments (0: the sandbox)
  kLongText,    // byte: one fragment; byte: 32767, 32768 or 70000 characters of it
  kObject,      // byte: a held object (the Files object or an entry)
  kRawText,     // byte n: n % 16 UTF-16 units of two bytes each
  kRawInteger,  // four bytes, little-endian, as a signed 32-bit number
  kCount
};

class ProgramReader {
 public:
  ProgramReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool AtEnd() const { return position_ >= size_; }
  std::uint8_t Byte() { return position_ < size_ ? data_[position_++] : 0; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t position_ = 0;
};

// One call as read: which object, which member of its table, how, with what.
struct Call {
  std::size_t target = 0;
  std::size_t member = 0;
  automation::InvokeFlags flags = 0;
  std::vector<automation::Argument> arguments;
};

// Reads one step. `objects` are the held objects; the sandbox's root, the
// text an argument fragment "<root>" stands for, lets a program name the
// sandbox by an absolute path.
Call ReadCall(ProgramReader& reader, const std::vector<automation::ObjectRef>& objects, const Text& root);

// The invoke kind a member is called with by a script: method, get or put.
automation::InvokeFlags NaturalFlags(const automation::Member& member);

}  // namespace tarnix::fuzz
