#pragma once
// The text rules that turn a Files object's Path, Mask and a script's names
// into the paths the file system is asked about. None of them touches the
// file system.

#include "platform/Text.h"

namespace tarnix {

// What the Path setter stores: blanks (code 32 only) trimmed from both ends,
// then "\" appended unless the result is empty or already ends in "\" or "/".
Text NormalisePath(TextView value);

// True when the second character is ":" or the first is "/" or "\".
bool IsAbsolutePath(TextView name);

// An absolute name unchanged; any other name straight after `folder`.
Text ResolveName(TextView folder, TextView name);

// The pattern a listing uses without an explicit one: Path followed by Mask,
// or by "*.*" when Mask is empty.
Text DefaultSearchPattern(TextView path, TextView mask);

// The folder part of an explicit search pattern: everything up to and
// including its last "\", or `path` when it holds none. Only "\" counts here.
// A pattern longer than 32767 characters fails with 6, as the position the
// scan counts with is a 16-bit integer.
Text FolderPartOf(TextView pattern, TextView path);

}  // namespace tarnix
