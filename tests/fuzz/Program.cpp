#include "Program.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <utility>

namespace tarnix::fuzz {
namespace {

using automation::Argument;
using automation::InvokeFlags;
using automation::Member;
using automation::ObjectRef;

const Text kRootFragment = u"<root>";

// Names of the fixture, separators, wildcards, dot folders, a NUL, unpaired
// surrogates, letters whose case Windows treats apart, drive letters, and
// the words of Sort and of the Attributes filter.
const Text kFragments[] = {
    kRootFragment,  // first, so that seeds can name it by index 0
    u"a.txt", u"B.TXT", u"c.bat", u"sub", u"deeper", u"empty", u"inner.txt", u"x.log", u".hidden", u"fifo",
    u"readonly.txt", u"with space.txt", u"\u00C9t\u00E9.txt", u"\u212Aelvin.txt", u"new", u"x", u"\\", u"/",
    u"*", u"?", u"*.*", u"*.txt", u".", u"..", u"..\\", u"../", Text(1, u'\0'), Text(1, char16_t(0xD800)),
    Text(1, char16_t(0xDC00)), u"\u00E9", u"\u00C9", u"\u212A", u"k", u"K", u"\u0130", u"i", u"\u00DF", u" ",
    u"C:", u"C:\\", u"name", u"extension", u"path", u"size", u"modified", u"attributes", u"ascending",
    u"DESCENDING", u"-1", u"16", u"32", u"0", u"4294967296", u"1e400", u"&H10", u"True", u".txt", u"sub\\a.txt",
    u"sub/deeper/",
};
constexpr std::size_t kFragmentCount = sizeof kFragments / sizeof kFragments[0];

const std::int64_t kIntegers[] = {
    0, 1, -1, 2, 16, 32, 48, 255, 32767, -32768, 32768, -32769, 65535, 65536,
    std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min(),
    std::int64_t{2147483648}, std::int64_t{-2147483649}, std::int64_t{4294967295}, std::int64_t{4294967296},
    std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::min(),
};

const double kDoubles[] = {
    0.0, -0.0, 0.5, 1.5, 2.5, -0.5, -1.5, -2.5, 16.4, 3.0, 2147483647.4, 2147483647.5, -2147483648.5,
    -2147483648.6, 1e300, -1e300, 5e-324, std::numeric_limits<double>::quiet_NaN(),
    std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
};

template <class T, std::size_t N>
const T& Pick(const T (&table)[N], std::uint8_t byte) {
  return table[byte % N];
}

Text Fragment(std::uint8_t byte, const Text& root) {
  const Text& fragment = kFragments[byte % kFragmentCount];
  return fragment == kRootFragment ? root : fragment;
}

// 32767, 32768 or 70000 characters of `fragment` repeated, made once each.
const Text& LongText(const Text& fragment, int length) {
  static constexpr std::size_t kLengths[] = {32767, 32768, 70000};
  static std::map<std::pair<Text, int>, Text> made;
  Text& text = made[{fragment, length}];
  if (text.empty()) {
    text.reserve(kLengths[length] + fragment.size());
    while (text.size() < kLengths[length]) text += fragment.empty() ? u"x" : fragment;
    text.resize(kLengths[length]);
  }
  return text;
}

Argument ReadArgument(ProgramReader& reader, const std::vector<ObjectRef>& objects, const Text& root) {
  switch (static_cast<ArgumentKind>(reader.Byte() % static_cast<std::uint8_t>(ArgumentKind::kCount))) {
    case ArgumentKind::kMissing: return Value::Missing();
    case ArgumentKind::kNull: return Value::Null();
    case ArgumentKind::kEmpty: return Value::Empty();
    case ArgumentKind::kNothing: return ObjectRef();
    case ArgumentKind::kBoolean: return Value::Boolean((reader.Byte() & 1) != 0);
    case ArgumentKind::kInteger: return Value(Pick(kIntegers, reader.Byte()));
    case ArgumentKind::kDouble: return Value(Pick(kDoubles, reader.Byte()));
    case ArgumentKind::kText: {
      const int count = reader.Byte() % 6 + 1;
      Text text;
      for (int i = 0; i < count; ++i) text += Fragment(reader.Byte(), root);
      return Value(std::move(text));
    }
    case ArgumentKind::kLongText: {
      const std::uint8_t fragment = reader.Byte();
      return Value(LongText(Fragment(fragment, root), reader.Byte() % 3));
    }
    case ArgumentKind::kObject: return Argument(objects[reader.Byte() % objects.size()]);
    case ArgumentKind::kRawText: {
      const int count = reader.Byte() % 16;
      Text text;
      for (int i = 0; i < count; ++i) {
        const std::uint8_t low = reader.Byte();
        text.push_back(static_cast<char16_t>(low | (reader.Byte() << 8)));
      }
      return Value(std::move(text));
    }
    case ArgumentKind::kRawInteger: {
      std::uint32_t bits = 0;
      for (int i = 0; i < 4; ++i) bits |= static_cast<std::uint32_t>(reader.Byte()) << (8 * i);
      return Value(static_cast<std::int64_t>(static_cast<std::int32_t>(bits)));
    }
    case ArgumentKind::kCount: break;
  }
  return Value::Missing();
}

}  // namespace

InvokeFlags NaturalFlags(const Member& member) {
  switch (member.kind) {
    case automation::MemberKind::kMethod: return automation::kMethod;
    case automation::MemberKind::kGet: return automation::kPropertyGet;
    case automation::MemberKind::kPut: return automation::kPropertyPut;
  }
  return automation::kMethod;
}

Call ReadCall(ProgramReader& reader, const std::vector<ObjectRef>& objects, const Text& root) {
  Call call;
  call.target = reader.Byte() % objects.size();
  const auto members = objects[call.target]->Members();
  call.member = reader.Byte() % members.size();
  const Member& member = members[call.member];
  const std::uint8_t flags = reader.Byte() % 8;
  call.flags = flags < 6    ? NaturalFlags(member)
               : flags == 6 ? InvokeFlags(automation::kMethod | automation::kPropertyGet)
                            : InvokeFlags(reader.Byte() & 7);
  const std::uint8_t count = reader.Byte();
  const std::size_t arguments = count < 16 ? count % 5 : member.parameters.size();
  for (std::size_t i = 0; i < arguments; ++i) call.arguments.push_back(ReadArgument(reader, objects, root));
  return call;
}

}  // namespace tarnix::fuzz
