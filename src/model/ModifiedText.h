#pragma once
// The Modified property of an entry. A listing stores the last-write time as
// its calendar fields and the text is written out only when it is read; a
// script's text, or the one Add was given, is kept as it came.

#include <cstdint>

#include "platform/DirectorySearch.h"
#include "platform/SharedText.h"
#include "platform/Text.h"

namespace tarnix {

// month/day/year hour:minute:second, in decimal without leading zeros.
Text FormatTime(const CalendarTime& time);

class ModifiedText {
 public:
  ModifiedText() = default;  // the empty text
  explicit ModifiedText(const CalendarTime& time);
  ModifiedText(SharedText text) : text_(std::move(text)) {}
  ModifiedText(const Text& text) : text_(text) {}
  ModifiedText(const char16_t* text) : text_(text) {}

  Text ToText() const;
  operator Text() const { return ToText(); }

  friend bool operator==(const ModifiedText& a, TextView b) { return TextView(a.ToText()) == b; }
  friend bool operator==(const ModifiedText& a, const Text& b) { return a.ToText() == b; }
  friend bool operator==(const ModifiedText& a, const char16_t* b) { return TextView(a.ToText()) == TextView(b); }

 private:
  SharedText text_;
  // The calendar fields (year in bits 0-15, then month, day, hour, minute and
  // second in 8 bits each) with bit 63 set, or 0 when text_ holds the value.
  std::uint64_t time_ = 0;
};

}  // namespace tarnix
