#include <gtest/gtest.h>

#include "platform/Text.h"

namespace tarnix {
namespace {

TEST(LowerCase, MapsLettersOfEveryScriptTheSameWayOnEveryPlatform) {
  struct Case {
    char16_t upper;
    char16_t lower;
  } cases[] = {
      {u'A', u'a'},        {u'Z', u'z'},          {u'a', u'a'},          {u'1', u'1'},
      {u'_', u'_'},        {u'\u00C9', u'\u00E9'},  // É
      {u'\u00DE', u'\u00FE'},                      // Þ
      {u'\u0130', u'i'},                           // İ: its simple mapping, one unit
      {u'\u03A3', u'\u03C3'},                      // Σ
      {u'\u0414', u'\u0434'},                      // Д
      {u'\u2126', u'\u03C9'},                      // Ohm sign
      {u'\u212A', u'k'},                           // Kelvin sign
      {u'\uFF21', u'\uFF41'},                      // fullwidth A
      {u'\uA7AA', u'\u0266'},                      // a mapping whose distance needs 16 bits
      {u'\u00DF', u'\u00DF'},                      // ß has no single-unit upper/lower pair
      {char16_t(0xD801), char16_t(0xD801)},            // surrogates stay as they are
      {u'\uFFFF', u'\uFFFF'},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(static_cast<int>(LowerCase(c.upper)), static_cast<int>(c.lower))
        << "U+" << std::hex << static_cast<int>(c.upper);
  }
}

TEST(UpperCase, MapsEachUnitByItsSimpleUpperCaseMapping) {
  struct Case {
    char16_t lower;
    char16_t upper;
  } cases[] = {
      {u'a', u'A'},        {u'z', u'Z'},          {u'A', u'A'},          {u'1', u'1'},
      {u'\u00E9', u'\u00C9'},                      // é
      {u'\u00FF', u'\u0178'},                      // ÿ, whose capital lies in another block
      {u'i', u'I'},        {u'\u0131', u'I'},     // dotless ı
      {u'\u0130', u'\u0130'},                      // İ stays: it is no "I"
      {u'\u212A', u'\u212A'},                      // the Kelvin sign stays: it is no "K"
      {u'k', u'K'},
      {u'\u00DF', u'\u00DF'},                      // ß has no simple capital
      {u'\u1F80', u'\u1F88'},                      // ᾀ: to its title-case form
      {u'\u03C2', u'\u03A3'},                      // final ς
      {u'\u0266', u'\uA7AA'},                      // a distance that needs 16 bits
      {char16_t(0xDC01), char16_t(0xDC01)},        // surrogates stay as they are
      {u'\uFFFF', u'\uFFFF'},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(static_cast<int>(UpperCase(c.lower)), static_cast<int>(c.upper))
        << "U+" << std::hex << static_cast<int>(c.lower);
  }
}

TEST(IgnoringCase, ComparesAndHashesAsWindowsComparesNames) {
  struct Case {
    Text a;
    Text b;
    bool equal;
  } cases[] = {
      {u"\u00C9T\u00C9.TXT", u"\u00E9t\u00E9.txt", true},
      {u"ReadMe.TXT", u"readme.txt", true},
      {u"\u03A3\u039F\u03A3", u"\u03C3\u03BF\u03C2", true},  // Σ, σ and final ς
      {u"file.txt", u"F\u0130LE.txt", false},                   // dotted capital I
      {u"file.txt", u"f\u0131le.txt", true},                    // dotless ı upper-cases to I
      {u"kelvin", u"\u212Aelvin", false},                       // the Kelvin sign
      {u"STRASSE", u"stra\u00DFe", false},
      {u"a.txt", u"a.txt ", false},
      {u"a.txt", u"b.txt", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EqualIgnoringCase(c.a, c.b), c.equal) << ToUtf8(c.a) << " / " << ToUtf8(c.b);
    if (c.equal) {
      EXPECT_EQ(HashIgnoringCase(c.a), HashIgnoringCase(c.b)) << ToUtf8(c.a);
    }
  }
  EXPECT_EQ(LowerCase(TextView(u"ReadMe.TXT")), u"readme.txt");
}

TEST(Utf8, RoundTripsEveryPlaneAndReplacesIllFormedInput) {
  const Text text = u"a\u00E9\u20AC\U0001F600z";
  EXPECT_EQ(ToUtf8(text), "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80z");
  EXPECT_EQ(FromUtf8(ToUtf8(text)), text);

  struct Case {
    const char* utf8;
    Text utf16;
  } illFormed[] = {
      {"\xFF", u"\uFFFD"},                 // never a lead byte
      {"a\x80z", u"a\uFFFDz"},             // lone continuation byte
      {"\xC3", u"\uFFFD"},                 // cut short
      {"\xC0\xAF", u"\uFFFD\uFFFD"},       // overlong "/": never a separator
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},  // an encoded surrogate
  };
  for (const Case& c : illFormed) EXPECT_EQ(FromUtf8(c.utf8), c.utf16) << c.utf8;
  EXPECT_EQ(ToUtf8(Text(1, char16_t(0xD800))), "\xEF\xBF\xBD");  // lone surrogate
}

}  // namespace
}  // namespace tarnix
