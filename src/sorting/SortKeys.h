#pragma once
// The fields a list can be sorted by, and the key each gives an entry.

#include <cstdint>
#include <optional>

#include "model/File.h"
#include "platform/Text.h"

namespace tarnix {

enum class SortField { Name, Extension, Path, Size, Modified, Attributes };

// The field a lower-cased field word names, if any.
std::optional<SortField> SortFieldNamed(TextView loweredWord);

// Size and Attributes sort as numbers; the others as texts.
bool SortsAsNumber(SortField field);

// "name": Path then Name, lower-cased; "extension": the extension, lower-cased;
// "path": Path, lower-cased; "modified": Modified as it is.
Text TextKeyOf(const File& entry, SortField field);
std::int32_t NumberKeyOf(const File& entry, SortField field);

// The text after the last "." of a name; empty without a ".". A name longer
// than 32767 characters fails with 6: the scan position is a 16-bit integer.
Text ExtensionOf(TextView name);

}  // namespace tarnix
