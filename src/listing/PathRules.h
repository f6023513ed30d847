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

// The folder a listing's entries are given, so that folder and name make the
// file the search found: the pattern up to and including its last "\" or
// "/", else up to the colon of a drive-relative pattern ("C:*.txt" gives
// "C:"), else empty (the search ran in the current directory).
Text FolderPartOf(TextView pattern);

// An explicit search pattern longer than 32767 characters fails with 6.
void CheckPatternLength(TextView pattern);

}  // namespace tarnix
