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

// The simple Unicode lower-case mapping of one UTF-16 code unit. The same table
// on every platform (never the C library's locale), so "É" and "é" are one key
// everywhere, as they are to the Windows file system.
char16_t LowerCase(char16_t unit);
Text LowerCase(TextView text);

// True when both texts are equal after lower-casing every code unit.
bool EqualIgnoringCase(TextView a, TextView b);

// A hash that agrees with EqualIgnoringCase.
std::size_t HashIgnoringCase(TextView text);

}  // namespace tarnix
