#pragma once
// Windows wildcard matching of one name, for platforms whose own directory
// search does not do it: "*" any run of characters, "?" exactly one, letter
// case ignored, and a pattern ending in ".*" also matches a name with no "."
// at all (so "*.*" matches every name).

#include "platform/Text.h"

namespace tarnix {

bool HasWildcards(TextView pattern);
bool MatchesWildcard(TextView pattern, TextView name);

}  // namespace tarnix
