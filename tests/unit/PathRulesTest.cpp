#include <gtest/gtest.h>

#include "TestSupport.h"
#include "listing/PathRules.h"
#include "model/Files.h"

namespace tarnix {
namespace {

TEST(PathSetter, TrimsBlanksAndEndsWithASeparator) {
  struct Case {
    Text assigned;
    Text stored;
  } cases[] = {
      {u"C:\\data", u"C:\\data\\"},
      {u"C:\\data\\", u"C:\\data\\"},
      {u"   C:\\data  ", u"C:\\data\\"},
      {u"/srv/www/", u"/srv/www/"},
      {u"/srv/www", u"/srv/www\\"},
      {u"", u""},
      {u"     ", u""},
      {u"C:", u"C:\\"},
      {u"relative\\dir", u"relative\\dir\\"},
      {u"\tC:\\data\t", u"\tC:\\data\t\\"},  // only code 32 is trimmed
      {u"C:\\\\data//", u"C:\\\\data//"},    // separators are neither doubled nor collapsed
  };
  Files files;
  for (const Case& c : cases) {
    files.SetPath(c.assigned);
    EXPECT_EQ(files.GetPath(), c.stored) << ToUtf8(c.assigned);
  }
}

TEST(IsAbsolutePath, TestsOnlyTheFirstTwoCharacters) {
  struct Case {
    Text name;
    bool absolute;
  } cases[] = {
      {u"C:\\data\\a.txt", true}, {u"C:a.txt", true},      {u"\\a.txt", true},
      {u"/a.txt", true},          {u"\\", true},           {u"/", true},
      {u"\\\\server\\share", true}, {u"7:x", true},        {u"a.txt", false},
      {u"a\\b.txt", false},       {u"", false},            {u"a", false},
      {u"ab:", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsAbsolutePath(c.name), c.absolute) << ToUtf8(c.name);
}

TEST(ResolveName, JoinsRelativeNamesToTheFolderAndLeavesAbsoluteOnes) {
  struct Case {
    Text folder;
    Text name;
    Text resolved;
  } cases[] = {
      {u"C:\\data\\", u"a.txt", u"C:\\data\\a.txt"},
      {u"", u"a.txt", u"a.txt"},
      {u"C:\\data\\", u"D:\\b.txt", u"D:\\b.txt"},
      {u"C:\\data\\", u"/b.txt", u"/b.txt"},
      {u"C:\\data", u"a.txt", u"C:\\dataa.txt"},  // an entry's Path is not normalised
      {u"C:\\data\\", u"", u"C:\\data\\"},
  };
  for (const Case& c : cases) EXPECT_EQ(ResolveName(c.folder, c.name), c.resolved);
}

TEST(SearchPattern, IsPathFollowedByMaskOrByTheWildcardForEverything) {
  EXPECT_EQ(DefaultSearchPattern(u"C:\\data\\", u""), u"C:\\data\\*.*");
  EXPECT_EQ(DefaultSearchPattern(u"", u""), u"*.*");
  EXPECT_EQ(DefaultSearchPattern(u"C:\\data\\", u"*.txt"), u"C:\\data\\*.txt");
  EXPECT_EQ(DefaultSearchPattern(u"C:\\data\\", u"sub\\*.txt"), u"C:\\data\\sub\\*.txt");
  EXPECT_EQ(DefaultSearchPattern(u"C:\\data\\", u" *.txt "), u"C:\\data\\ *.txt ");
}

TEST(FolderPart, EndsAtTheLastSeparatorOfEitherKind) {
  struct Case {
    Text pattern;
    Text folder;
  } cases[] = {
      {u"C:\\data\\*.txt", u"C:\\data\\"},
      {u"C:\\data\\sub", u"C:\\data\\"},
      {u"C:\\data\\sub\\", u"C:\\data\\sub\\"},
      {u"/srv/www/*.txt", u"/srv/www/"},
      {u"C:/data/sub/*.txt", u"C:/data/sub/"},
      {u"C:\\data/sub\\x/*.txt", u"C:\\data/sub\\x/"},
      {u"sub/*.txt", u"sub/"},
      {u"C:*.txt", u"C:"},  // drive-relative: the drive's current folder
      {u"C:sub\\*.txt", u"C:sub\\"},
      {u"*.txt", u""},      // the current directory
      {u"", u""},
      {u"\\x", u"\\"},
  };
  for (const Case& c : cases) EXPECT_EQ(FolderPartOf(c.pattern), c.folder) << ToUtf8(c.pattern);
}

TEST(FolderPart, AnExplicitPatternMayHoldUpTo32767Characters) {
  CheckPatternLength(Text(32767, u'a'));
  EXPECT_CLASSIC_FAILURE(CheckPatternLength(Text(32768, u'a')), Classic::Overflow);
}

}  // namespace
}  // namespace tarnix
