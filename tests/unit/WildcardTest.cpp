#include <gtest/gtest.h>

#include "platform/Wildcard.h"

namespace tarnix {
namespace {

TEST(Wildcard, MatchesAsTheWindowsSearchDoes) {
  struct Case {
    Text pattern;
    Text name;
    bool matches;
  } cases[] = {
      {u"*.*", u"README", true},      {u"*.*", u"a.b.c", true},    {u"*", u".profile", true},
      {u"*.txt", u"a.TXT", true},     {u"*.txt", u"a.txt.bak", false}, {u"a?.txt", u"ab.txt", true},
      {u"a?.txt", u"a.txt", false},   {u"?", u"ab", false},        {u"report.*", u"report", true},
      {u"report.*", u"report.doc", true}, {u"*a*b*", u"xxaxxbxx", true}, {u"*a*b", u"xxaxxbxxc", false},
      {u"\u00C9*", u"\u00E9t\u00E9", true}, {u"abc", u"ABC", true}, {u"", u"", true},
      {u"", u"a", false},
      {u"k*", u"\u212Aelvin", false}, {u"*I*", u"\u0130", false}, {u"*I*", u"\u0131", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MatchesWildcard(c.pattern, c.name), c.matches) << ToUtf8(c.pattern) << " " << ToUtf8(c.name);
  }
  EXPECT_TRUE(HasWildcards(u"a*"));
  EXPECT_TRUE(HasWildcards(u"a?"));
  EXPECT_FALSE(HasWildcards(u"a.txt"));
}

}  // namespace
}  // namespace tarnix
