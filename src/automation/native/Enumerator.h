#pragma once
// The enumerator a Files object's NewEnum gives: it walks the entries the list
// held at that moment, in insertion order, as File objects. It offers the
// calls of IEnumVARIANT to C++ and no dispatch members.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "automation/native/Object.h"
#include "model/File.h"

namespace tarnix::automation {

class Enumerator final : public Object {
 public:
  using Entries = std::vector<std::shared_ptr<File>>;

  explicit Enumerator(Entries entries);

  // The next `count` entries, fewer at the end.
  std::vector<ObjectRef> Next(std::uint32_t count);
  // Moves on by `count` entries; false when fewer than that were left.
  bool Skip(std::uint32_t count);
  void Reset() { position_ = 0; }
  // Another enumerator over the same entries, at the same place.
  std::shared_ptr<Enumerator> Clone() const;

 private:
  Enumerator(std::shared_ptr<const Entries> entries, std::size_t position);

  std::shared_ptr<const Entries> entries_;  // shared with the clones
  std::size_t position_;
};

}  // namespace tarnix::automation
