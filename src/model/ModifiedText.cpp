#include "model/ModifiedText.h"

namespace tarnix {
namespace {

constexpr std::uint64_t kHoldsTime = std::uint64_t{1} << 63;

std::uint64_t Pack(const CalendarTime& time) {
  auto field = [](std::uint16_t value, int shift) { return static_cast<std::uint64_t>(value & 0xFF) << shift; };
  return kHoldsTime | time.year | field(time.month, 16) | field(time.day, 24) | field(time.hour, 32) |
         field(time.minute, 40) | field(time.second, 48);
}

CalendarTime Unpack(std::uint64_t packed) {
  auto field = [packed](int shift) { return static_cast<std::uint16_t>((packed >> shift) & 0xFF); };
  CalendarTime time;
  time.year = static_cast<std::uint16_t>(packed & 0xFFFF);
  time.month = field(16);
  time.day = field(24);
  time.hour = field(32);
  time.minute = field(40);
  time.second = field(48);
  return time;
}

}  // namespace

Text FormatTime(const CalendarTime& time) {
  Text text;
  text.reserve(20);
  auto append = [&text](unsigned number, char16_t separator) {
    char16_t digits[5];
    int count = 0;
    do {
      digits[count++] = static_cast<char16_t>(u'0' + number % 10);
      number /= 10;
    } while (number != 0);
    while (count > 0) text.push_back(digits[--count]);
    if (separator != 0) text.push_back(separator);
  };
  append(time.month, u'/');
  append(time.day, u'/');
  append(time.year, u' ');
  append(time.hour, u':');
  append(time.minute, u':');
  append(time.second, 0);
  return text;
}

ModifiedText::ModifiedText(const CalendarTime& time) : time_(Pack(time)) {}

Text ModifiedText::ToText() const { return time_ != 0 ? FormatTime(Unpack(time_)) : Text(text_); }

}  // namespace tarnix
