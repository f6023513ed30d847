#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "TestSupport.h"
#include "platform/Value.h"

namespace tarnix {
namespace {

TEST(ValueToText, WritesNumbersAndBooleansAsOleAutomationDoes) {
  struct Case {
    Value value;
    Text text;
  } cases[] = {
      {Value(42), u"42"},
      {Value(-7), u"-7"},
      {Value(std::int64_t{-9000000000}), u"-9000000000"},
      {Value(1.5), u"1.5"},
      {Value(-2.5), u"-2.5"},
      {Value(0.1), u"0.1"},
      {Value(-0.0), u"0"},
      {Value(100.0), u"100"},
      {Value(1.0 / 3), u"0.333333333333333"},
      {Value(123456789012345.0), u"123456789012345"},
      {Value(1234567890123456.0), u"1.23456789012346E+15"},
      {Value(1e15), u"1E+15"},
      {Value(0.0001), u"0.0001"},
      {Value(0.00001), u"1E-05"},
      {Value(1e-300), u"1E-300"},
      {Value::Boolean(true), u"True"},
      {Value::Boolean(false), u"False"},
      {Value::Empty(), u""},
      {Value(u"  as is "), u"  as is "},
  };
  for (const Case& c : cases) EXPECT_EQ(c.value.ToText(), c.text);
}

TEST(ValueToText, FailsForNullAndForAMissingArgument) {
  EXPECT_CLASSIC_FAILURE(Value::Null().ToText(), Classic::InvalidUseOfNull);
  EXPECT_CLASSIC_FAILURE(Value::Missing().ToText(), Classic::TypeMismatch);
}

TEST(ValueToInt32, ReadsNumericTextAndRoundsHalvesToEven) {
  struct Case {
    Value value;
    std::int32_t number;
  } cases[] = {
      {Value(u"5"), 5},
      {Value(u"  -12  "), -12},
      {Value(u"+3"), 3},
      {Value(u"\t7\t"), 7},
      {Value(u"2.5"), 2},
      {Value(u"3.5"), 4},
      {Value(u"-2.5"), -2},
      {Value(u"2.5000001"), 3},
      {Value(u".5"), 0},
      {Value(u"1.5"), 2},
      {Value(u"4."), 4},
      {Value(u"1e3"), 1000},
      {Value(u"-2147483648"), std::numeric_limits<std::int32_t>::min()},
      {Value(u"2147483647.4"), std::numeric_limits<std::int32_t>::max()},
      {Value(-2147483648.5), std::numeric_limits<std::int32_t>::min()},
      {Value(0.5), 0},
      {Value(-0.5), 0},
      {Value(-1.5), -2},
      {Value::Boolean(true), -1},
      {Value::Boolean(false), 0},
      {Value::Empty(), 0},
      {Value(16), 16},
  };
  for (const Case& c : cases) EXPECT_EQ(c.value.ToInt32(), c.number) << ToUtf8(c.value.ToText());
}

TEST(ValueToInt32, FailsForTextThatIsNoNumberAndForNumbersOutOfRange) {
  const Text notNumbers[] = {u"", u"   ", u"abc", u"1 2", u"--1", u".", u"1e", u"0x10", u"12abc", u"1,5"};
  for (const Text& text : notNumbers) {
    EXPECT_CLASSIC_FAILURE(Value(text).ToInt32(), Classic::TypeMismatch);
    EXPECT_CLASSIC_FAILURE(Value(text).ToDouble(), Classic::TypeMismatch);
  }
  const Value outOfRange[] = {Value(u"2147483648"), Value(2147483647.5), Value(-2147483649.0),
                              Value(std::int64_t{1} << 40), Value(u"1e400")};
  for (const Value& value : outOfRange) EXPECT_CLASSIC_FAILURE(value.ToInt32(), Classic::Overflow);
  EXPECT_CLASSIC_FAILURE(Value::Null().ToInt32(), Classic::InvalidUseOfNull);
  EXPECT_CLASSIC_FAILURE(Value::Missing().ToInt32(), Classic::TypeMismatch);
}

TEST(ValueToDouble, ReadsTextAsANumberWithoutRounding) {
  EXPECT_DOUBLE_EQ(Value(u" -1.25 ").ToDouble(), -1.25);
  EXPECT_DOUBLE_EQ(Value(u"1e-400").ToDouble(), 0.0);
  EXPECT_DOUBLE_EQ(Value::Boolean(true).ToDouble(), -1.0);
}

class Date : public ForeignValue {
 public:
  Text ToText() const override { return u"1/7/2000"; }
  double ToDouble() const override { return 36532; }
  std::int32_t ToInt32() const override { return 36532; }
};

TEST(ValueForeign, LeavesTheConversionToTheFrontThatMadeIt) {
  Value date = Value::Foreign(std::make_shared<Date>());
  EXPECT_EQ(date.GetKind(), Value::Kind::Foreign);
  EXPECT_EQ(date.ToText(), u"1/7/2000");
  EXPECT_EQ(date.ToInt32(), 36532);
}

TEST(Failure, CarriesClassicNumbersAndTexts) {
  Failure overflow = ClassicFailure(Classic::Overflow);
  EXPECT_EQ(overflow.Number(), static_cast<std::int32_t>(0x800A0006u));
  EXPECT_EQ(overflow.Description(), u"Overflow");
  EXPECT_EQ(ClassicFailure(Classic::DuplicateKey).Number(), static_cast<std::int32_t>(0x800A01C9u));
  EXPECT_EQ(ClassicFailure(Classic::BadFileName).Description(), u"Bad file name or number");
  EXPECT_EQ(overflow.Source(), u"Tarnix");
}

}  // namespace
}  // namespace tarnix
