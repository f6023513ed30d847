#pragma once
// One directory entry as a script sees it. Every property is a plain stored
// value: nothing is validated, normalised or derived. An entry knows nothing
// of the Files object that listed it.

#include <cstdint>

#include "model/ModifiedText.h"
#include "platform/SharedText.h"
#include "platform/Text.h"

namespace tarnix {

class File {
 public:
  // Operations on the file this entry names: Name resolved against Path.
  // Copy returns false, without raising, when the copy fails.
  bool Copy(const Text& toName);
  // Removes the directory when Attributes has the directory bit, else deletes
  // the files the name designates (wildcards allowed).
  bool KillFile();
  // Moves the file; Name and Path keep their old values.
  bool Rename(const Text& toName);

  // The texts are shared, not copied: the entries of one listing hold one
  // folder text, and the list keys an entry by the text of its name.
  SharedText Name;
  std::int32_t Attributes = 0;
  std::int32_t Size = 0;
  ModifiedText Modified;
  SharedText Path;
  SharedText LastError;

 private:
  friend class EntryList;
  SharedText listedKey_;  // the name the list holds this entry under, if any
};

}  // namespace tarnix
