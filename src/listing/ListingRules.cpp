#include "listing/ListingRules.h"

#include "model/ModifiedText.h"
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

Text TimeText(const CalendarTime& time) { return FormatTime(time); }

}  // namespace tarnix
