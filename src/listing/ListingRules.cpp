#include "listing/ListingRules.h"

#include "platform/Value.h"

namespace tarnix {

bool AttributeFilter::Passes(std::uint32_t attributes) {
  if (!read_) {
    Value filter(filter_);
    double number = filter.ToDouble();
    read_.emplace(number, RoundToInt32(number));
  }
  const auto& [number, bits] = *read_;
  const bool equal = number == static_cast<double>(attributes);
  const bool everything = number == -1;
  const bool sharesABit = (static_cast<std::uint32_t>(bits) & attributes) != 0;
  return equal || everything || sharesABit;
}

Text TimeText(const CalendarTime& time) {
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

}  // namespace tarnix
