#pragma once
// One directory entry as a script sees it. Every property is a plain stored
// value: nothing is validated, normalised or derived.

#include <cstdint>

#include "platform/Text.h"

namespace tarnix {

class File {
 public:
  Text Name;
  std::int32_t Attributes = 0;
  std::int32_t Size = 0;
  Text Modified;
  Text Path;
  Text LastError;
};

}  // namespace tarnix
