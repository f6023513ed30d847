#include "platform/Text.h"

#include <cstdint>

namespace tarnix {
namespace {

#include "platform/LowerCaseTable.inc"
#include "platform/UpperCaseTable.inc"

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf16(Text& out, char32_t code) {
  if (code < 0x10000) {
    out.push_back(static_cast<char16_t>(code));
  } else {
    code -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
  }
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code >> 6)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (code >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (code >> 18)));
    out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

}  // namespace

Text FromUtf8(std::string_view utf8) {
  Text out;
  AssignFromUtf8(out, utf8);
  return out;
}

void AssignFromUtf8(Text& out, std::string_view utf8) {
  // Most names are ASCII: widen those bytes in one go, then decode the rest.
  std::size_t ascii = 0;
  while (ascii < utf8.size() && static_cast<unsigned char>(utf8[ascii]) < 0x80) ++ascii;
  out.resize(ascii);
  for (std::size_t i = 0; i < ascii; ++i) out[i] = static_cast<unsigned char>(utf8[i]);
  if (ascii == utf8.size()) return;
  out.reserve(utf8.size());
  const auto* p = reinterpret_cast<const unsigned char*>(utf8.data()) + ascii;
  const auto* end = reinterpret_cast<const unsigned char*>(utf8.data()) + utf8.size();
  while (p < end) {
    unsigned char lead = *p;
    if (lead < 0x80) {
      out.push_back(lead);
      ++p;
      continue;
    }
    int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || end - p < length) {
      out.push_back(static_cast<char16_t>(kReplacement));
      ++p;
      continue;
    }
    char32_t code = lead & (0x7F >> length);
    bool wellFormed = true;
    for (int i = 1; i < length; ++i) {
      if ((p[i] & 0xC0) != 0x80) {
        wellFormed = false;
        break;
      }
      code = (code << 6) | (p[i] & 0x3F);
    }
    static constexpr char32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (!wellFormed || code < kSmallest[length] || code > 0x10FFFF ||
        (code >= 0xD800 && code <= 0xDFFF)) {
      out.push_back(static_cast<char16_t>(kReplacement));
      ++p;
      continue;
    }
    AppendUtf16(out, code);
    p += length;
  }
}

std::string ToUtf8(TextView text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t unit = text[i];
    if (unit < 0x80) {
      out.push_back(static_cast<char>(unit));
    } else if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() &&
               text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      AppendUtf8(out, kReplacement);
    } else {
      AppendUtf8(out, unit);
    }
  }
  return out;
}

char16_t LowerCase(char16_t unit) {
  if (unit < 0x80) return (unit >= u'A' && unit <= u'Z') ? unit + 32 : unit;
  return static_cast<char16_t>(unit + kLowerCaseDelta[kLowerCasePageOf[unit >> 8]][unit & 0xFF]);
}

Text LowerCase(TextView text) {
  Text out(text.size(), u'\0');
  for (std::size_t i = 0; i < text.size(); ++i) out[i] = LowerCase(text[i]);
  return out;
}

char16_t UpperCase(char16_t unit) {
  if (unit < 0x80) return (unit >= u'a' && unit <= u'z') ? unit - 32 : unit;
  return static_cast<char16_t>(unit + kUpperCaseDelta[kUpperCasePageOf[unit >> 8]][unit & 0xFF]);
}

bool EqualIgnoringCase(TextView a, TextView b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i] && UpperCase(a[i]) != UpperCase(b[i])) return false;
  }
  return true;
}

std::size_t HashIgnoringCase(TextView text) {
  // The upper-cased code units, four to a 64-bit word, each word mixed in
  // with a multiplication: a listing hashes every name it adds.
  constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
  std::uint64_t hash = text.size() * kMultiplier;
  std::size_t i = 0;
  for (; i + 4 <= text.size(); i += 4) {
    std::uint64_t word = std::uint64_t{text[i]} | std::uint64_t{text[i + 1]} << 16 |
                         std::uint64_t{text[i + 2]} << 32 | std::uint64_t{text[i + 3]} << 48;
    if ((word & 0xFF80FF80FF80FF80ull) == 0) {
      // Four ASCII units: clear bit 5 of each lower-case letter at once.
      const std::uint64_t aboveZ = word + 0x0005000500050005ull;   // bit 7 set above 'z'
      const std::uint64_t fromA = word + 0x001F001F001F001Full;    // bit 7 set from 'a'
      word &= ~((fromA & ~aboveZ & 0x0080008000800080ull) >> 2);
    } else {
      word = UpperCase(text[i]) | std::uint64_t{UpperCase(text[i + 1])} << 16 |
             std::uint64_t{UpperCase(text[i + 2])} << 32 | std::uint64_t{UpperCase(text[i + 3])} << 48;
    }
    hash = (hash ^ word) * kMultiplier;
    hash ^= hash >> 29;
  }
  std::uint64_t rest = 0;
  for (int shift = 0; i < text.size(); ++i, shift += 16) rest |= std::uint64_t{UpperCase(text[i])} << shift;
  hash = (hash ^ rest) * kMultiplier;
  return static_cast<std::size_t>(hash ^ (hash >> 32));
}

}  // namespace tarnix
