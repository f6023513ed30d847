#include "platform/Value.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

#include "platform/Failure.h"

namespace tarnix {
namespace {

template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

Text AsciiToText(const char* begin, const char* end) { return Text(begin, end); }

}  // namespace

Text FormatDouble(double number) {
  if (number == 0) return u"0";  // also for -0
  char buffer[32];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, number,
                              std::chars_format::general, 15);
  for (char* p = buffer; p != result.ptr; ++p) {
    if (*p == 'e') *p = 'E';
  }
  return AsciiToText(buffer, result.ptr);
}

bool ParseNumber(TextView text, double& number) {
  std::size_t i = 0, n = text.size();
  while (i < n && IsBlank(text[i])) ++i;
  while (n > i && IsBlank(text[n - 1])) --n;
  bool negative = false;
  if (i < n && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';

  // Copy the number part as ASCII, checking its form on the way: digits, at
  // most one ".", at least one digit, then an optional exponent.
  std::string ascii;
  std::size_t digits = 0;
  bool point = false;
  // The decimal magnitude of the first significant digit, to tell an
  // overflow from an underflow when the value is out of range.
  long magnitude = 0;
  bool significant = false;
  for (; i < n; ++i) {
    char16_t c = text[i];
    if (IsDigit(c)) {
      ++digits;
      if (c != u'0') significant = true;
      if (!point && significant) ++magnitude;
      if (point && !significant) --magnitude;
    } else if (c == u'.' && !point) {
      point = true;
    } else {
      break;
    }
    ascii.push_back(static_cast<char>(c));
  }
  if (digits == 0) return false;
  if (i < n && (text[i] == u'e' || text[i] == u'E')) {
    ascii.push_back('e');
    ++i;
    bool negativeExponent = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
      negativeExponent = text[i] == u'-';
      ascii.push_back(static_cast<char>(text[i++]));
    }
    long exponent = 0;
    std::size_t exponentDigits = 0;
    for (; i < n && IsDigit(text[i]); ++i, ++exponentDigits) {
      ascii.push_back(static_cast<char>(text[i]));
      if (exponent < 100000) exponent = exponent * 10 + (text[i] - u'0');
    }
    if (exponentDigits == 0) return false;
    magnitude += negativeExponent ? -exponent : exponent;
  }
  if (i != n) return false;

  double parsed = 0;
  auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), parsed);
  if (result.ec == std::errc::result_out_of_range) {
    // Too small reads as zero; too large is an overflow, as in OLE Automation.
    if (magnitude > 0) throw ClassicFailure(Classic::Overflow);
    parsed = 0;
  } else if (result.ec != std::errc() || result.ptr != ascii.data() + ascii.size()) {
    return false;
  }
  number = negative ? -parsed : parsed;
  return true;
}

std::int32_t RoundToInt32(double number) {
  if (std::isnan(number)) throw ClassicFailure(Classic::Overflow);
  double whole = std::floor(number);
  double fraction = number - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0)) whole += 1;
  if (whole < -2147483648.0 || whole > 2147483647.0) throw ClassicFailure(Classic::Overflow);
  return static_cast<std::int32_t>(whole);
}

Text Value::ToText() const {
  return std::visit(
      Overloaded{
          [](MissingTag) -> Text { throw ClassicFailure(Classic::TypeMismatch); },
          [](EmptyTag) -> Text { return Text(); },
          [](NullTag) -> Text { throw ClassicFailure(Classic::InvalidUseOfNull); },
          [](bool flag) -> Text { return flag ? u"True" : u"False"; },
          [](std::int64_t number) -> Text {
            std::string digits = std::to_string(number);
            return AsciiToText(digits.data(), digits.data() + digits.size());
          },
          [](double number) -> Text { return FormatDouble(number); },
          [](const Text& text) -> Text { return text; },
          [](const std::shared_ptr<const ForeignValue>& foreign) -> Text { return foreign->ToText(); },
      },
      data_);
}

double Value::ToDouble() const {
  return std::visit(
      Overloaded{
          [](MissingTag) -> double { throw ClassicFailure(Classic::TypeMismatch); },
          [](EmptyTag) -> double { return 0; },
          [](NullTag) -> double { throw ClassicFailure(Classic::InvalidUseOfNull); },
          [](bool flag) -> double { return flag ? -1 : 0; },
          [](std::int64_t number) -> double { return static_cast<double>(number); },
          [](double number) -> double { return number; },
          [](const Text& text) -> double {
            double number = 0;
            if (!ParseNumber(text, number)) throw ClassicFailure(Classic::TypeMismatch);
            return number;
          },
          [](const std::shared_ptr<const ForeignValue>& foreign) -> double { return foreign->ToDouble(); },
      },
      data_);
}

std::int32_t Value::ToInt32() const {
  switch (GetKind()) {
    case Kind::Integer: {
      std::int64_t number = std::get<std::int64_t>(data_);
      if (number < std::numeric_limits<std::int32_t>::min() ||
          number > std::numeric_limits<std::int32_t>::max()) {
        throw ClassicFailure(Classic::Overflow);
      }
      return static_cast<std::int32_t>(number);
    }
    case Kind::Foreign:
      return std::get<std::shared_ptr<const ForeignValue>>(data_)->ToInt32();
    default:
      return RoundToInt32(ToDouble());
  }
}

}  // namespace tarnix
