#include "listing/PathRules.h"

#include "model/Files.h"
#include "platform/Failure.h"

namespace tarnix {

Text NormalisePath(TextView value) {
  std::size_t first = value.find_first_not_of(u' ');
  if (first == TextView::npos) return Text();
  std::size_t last = value.find_last_not_of(u' ');
  Text path(value.substr(first, last - first + 1));
  if (path.back() != u'\\' && path.back() != u'/') path.push_back(u'\\');
  return path;
}

bool IsAbsolutePath(TextView name) {
  return (name.size() >= 2 && name[1] == u':') ||
         (!name.empty() && (name[0] == u'/' || name[0] == u'\\'));
}

Text ResolveName(TextView folder, TextView name) {
  if (IsAbsolutePath(name)) return Text(name);
  Text resolved;
  resolved.reserve(folder.size() + name.size());
  resolved.append(folder).append(name);
  return resolved;
}

Text DefaultSearchPattern(TextView path, TextView mask) {
  Text pattern(path);
  pattern.append(mask.empty() ? TextView(u"*.*") : mask);
  return pattern;
}

Text FolderPartOf(TextView pattern) {
  std::size_t separator = pattern.find_last_of(u"\\/");
  if (separator != TextView::npos) return Text(pattern.substr(0, separator + 1));
  if (pattern.size() >= 2 && pattern[1] == u':') return Text(pattern.substr(0, 2));
  return Text();
}

void CheckPatternLength(TextView pattern) {
  if (pattern.size() > 32767) throw ClassicFailure(Classic::Overflow);
}

void Files::SetPath(TextView value) { path_ = NormalisePath(value); }

}  // namespace tarnix
