#include "platform/Wildcard.h"

namespace tarnix {
namespace {

bool MatchesPlain(TextView pattern, TextView name) {
  // Greedy matching with one backtrack point: the last "*" seen.
  std::size_t p = 0, n = 0;
  std::size_t starAt = TextView::npos, resumeAt = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == u'*') {
      starAt = p++;
      resumeAt = n;
    } else if (p < pattern.size() &&
               (pattern[p] == u'?' || UpperCase(pattern[p]) == UpperCase(name[n]))) {
      ++p;
      ++n;
    } else if (starAt != TextView::npos) {
      p = starAt + 1;
      n = ++resumeAt;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == u'*') ++p;
  return p == pattern.size();
}

}  // namespace

bool HasWildcards(TextView pattern) { return pattern.find_first_of(u"*?") != TextView::npos; }

bool MatchesWildcard(TextView pattern, TextView name) {
  if (MatchesPlain(pattern, name)) return true;
  const bool endsInDotStar = pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == u".*";
  return endsInDotStar && name.find(u'.') == TextView::npos &&
         MatchesPlain(pattern.substr(0, pattern.size() - 2), name);
}

}  // namespace tarnix
