#pragma once
// Text is the string type of the whole core: UTF-16, as every string that
// crosses the automation boundary is.

#include <string>
#include <string_view>

namespace tarnix {

using Text = std::u16string;
using TextView = std::u16string_view;

// UTF-8 <-> UTF-16. Ill-formed input never fails: an invalid UTF-8 byte or a
// lone surrogate becomes U+FFFD, so a name always converts to something.
Text FromUtf8(std::string_view utf8);
// The same, into `out`, reusing its storage.
void AssignFromUtf8(Text& out, std::string_view utf8);
std::string ToUtf8(TextView text);

// The simple Unicode lower-case mapping of one UTF-16 code unit, which makes
// sort keys. The same table on every platform, never the C library's locale.
char16_t LowerCase(char16_t unit);
Text LowerCase(TextView text);

// The simple Unicode upper-case mapping of one UTF-16 code unit: how Windows
// compares names without regard to case (the file system's upcase table,
// CompareStringOrdinal ignoring case). So "É" and "é" are one name, while the
// Kelvin sign and "k", or "İ" and "i", are not.
char16_t UpperCase(char16_t unit);

// True when both texts are equal after upper-casing every code unit: names,
// keys, ProgIDs and wildcard matches compare this way.
bool EqualIgnoringCase(TextView a, TextView b);

// A hash that agrees with EqualIgnoringCase.
std::size_t HashIgnoringCase(TextView text);

}  // namespace tarnix
