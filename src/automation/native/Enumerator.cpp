#include "automation/native/Enumerator.h"

#include <algorithm>
#include <utility>

#include "automation/native/FileObject.h"

namespace tarnix::automation {

Enumerator::Enumerator(Entries entries)
    : Enumerator(std::make_shared<const Entries>(std::move(entries)), 0) {}

Enumerator::Enumerator(std::shared_ptr<const Entries> entries, std::size_t position)
    : Object({}), entries_(std::move(entries)), position_(position) {}

std::vector<ObjectRef> Enumerator::Next(std::uint32_t count) {
  const std::size_t taken = std::min<std::size_t>(count, entries_->size() - position_);
  std::vector<ObjectRef> next;
  next.reserve(taken);
  for (std::size_t i = 0; i < taken; ++i) {
    next.push_back(std::make_shared<FileObject>((*entries_)[position_ + i]));
  }
  position_ += taken;
  return next;
}

bool Enumerator::Skip(std::uint32_t count) {
  const std::size_t left = entries_->size() - position_;
  position_ += std::min<std::size_t>(count, left);
  return count <= left;
}

std::shared_ptr<Enumerator> Enumerator::Clone() const {
  return std::shared_ptr<Enumerator>(new Enumerator(entries_, position_));
}

}  // namespace tarnix::automation
