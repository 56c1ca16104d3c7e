#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "Symbols.h"
#include "amount/Amount.h"

namespace {

struct ReadCase {
  std::string name;
  std::string text;
  amount::NumberSymbols symbols;
  bool isNumber;
  double value;  // what ReadAmount gives: 0 for what is no number
};
void PrintTo(const ReadCase& c, std::ostream* os) {
  *os << c.name;
}

class ReadTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadTest, ReadsByTheGrammarAndTheRange) {
  const ReadCase& c = GetParam();
  EXPECT_EQ(amount::IsNumber(c.text, c.symbols), c.isNumber);
  const double read = amount::ReadAmount(c.text, c.symbols);
  EXPECT_EQ(read, c.value) << std::hexfloat << read;
}

constexpr double kMaxReadable = 1.7e308;

INSTANTIATE_TEST_SUITE_P(
    Grammar, ReadTest,
    testing::Values(ReadCase{"Empty", "", kEnglish, false, 0},
                    ReadCase{"Integer", "1234", kEnglish, true, 1234},
                    ReadCase{"GroupedAnywhere", "1,2,,34.5,0", kEnglish, true, 1234.5},
                    ReadCase{"LoneDecimalReadsZero", ".", kEnglish, true, 0},
                    ReadCase{"SignedLoneDecimal", "-.", kEnglish, true, 0},
                    ReadCase{"ExponentWithoutDigits", "1e", kEnglish, true, 1},
                    ReadCase{"ExponentSignWithoutDigits", "1e-", kEnglish, true, 1},
                    ReadCase{"Exponent", "2.5E3", kEnglish, true, 2500},
                    ReadCase{"NegativeExponent", "25e-1", kEnglish, true, 2.5},
                    ReadCase{"LeadingAndTrailingSpaces", "  -12.5  ", kEnglish, true, -12.5},
                    ReadCase{"PlusSign", "+7", kEnglish, true, 7},
                    ReadCase{"LoneMinus", "-", kEnglish, false, 0},
                    ReadCase{"LonePlus", "+", kEnglish, false, 0},
                    ReadCase{"ExponentNeedsAMantissa", "e5", kEnglish, false, 0},
                    ReadCase{"SpaceInsideTheNumber", "1 2", kEnglish, false, 0},
                    ReadCase{"SpaceAfterTheSign", "- 1", kEnglish, false, 0},
                    ReadCase{"TabIsNoBlank", "\t1", kEnglish, false, 0},
                    ReadCase{"NoBreakSpaceIsNoBlank", "\u00a01", kEnglish, false, 0},
                    ReadCase{"ArabicIndicDigitsAreNoDigits", "\u0661", kEnglish, false, 0},
                    ReadCase{"Letters", "abc", kEnglish, false, 0},
                    ReadCase{"TwoDecimalCharacters", "1.2.3", kEnglish, false, 0},
                    ReadCase{"InfinityIsNoNumber", "inf", kEnglish, false, 0},
                    ReadCase{"HexIsNoNumber", "0x10", kEnglish, false, 0},
                    ReadCase{"MalformedUtf8", "1\xff", kEnglish, false, 0},
                    ReadCase{"MalformedBytesJoinedByDroppingGrouping",
                             "1\xe2"
                             "\xe2\x80\xaf"
                             "\x80\xaf"
                             "234",
                             kNarrowSpace, false, 0},
                    ReadCase{"GermanDecimal", "1.234,5", kGerman, true, 1234.5},
                    ReadCase{"PointIsNotTheGermanDecimal", "1234.5", kGerman, true, 12345},
                    ReadCase{"EnglishCommaIsGrouping", "1234,5", kEnglish, true, 12345},
                    ReadCase{"CommaIsNoDecimalWithoutGrouping", "1,5", kNoGrouping, false, 0},
                    ReadCase{"NarrowSpaceGrouping", "1\u202f234,5", kNarrowSpace, true, 1234.5},
                    ReadCase{"ExtendedThenDouble", "0.1", kEnglish, true, 0.1},
                    ReadCase{"ManyDigitsRoundOnce",
                             "1.00000000000000011102230246251565404236316680908203125", kEnglish,
                             true, 1.0}),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Range, ReadTest,
    testing::Values(
        ReadCase{"Zero", "0", kEnglish, true, 0},
        ReadCase{"ZeroWithAHugeExponent", "0e99999", kEnglish, true, 0},
        ReadCase{"UpperLimit", "1.7e308", kEnglish, true, kMaxReadable},
        ReadCase{"NegativeUpperLimit", "-1.7e308", kEnglish, true, -kMaxReadable},
        ReadCase{"AboveTheUpperLimit", "1.7000000000000001e308", kEnglish, false, 0},
        ReadCase{"LargestDoubleIsAboveTheLimit", "1.7976931348623157e308", kEnglish, false, 0},
        ReadCase{"BeyondTheDoubleRange", "1e400", kEnglish, false, 0},
        ReadCase{"BeyondTheExtendedRange", "1e5000", kEnglish, false, 0},
        ReadCase{"LowerLimit", "5e-324", kEnglish, true, std::numeric_limits<double>::denorm_min()},
        ReadCase{"BelowTheLowerLimit", "4.9e-324", kEnglish, false, 0},
        ReadCase{"FarBelowTheLowerLimit", "1e-400", kEnglish, false, 0},
        ReadCase{"SmallestNormal", "2.2250738585072014e-308", kEnglish, true,
                 std::numeric_limits<double>::min()}),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

// Text such as 1.7e308 minus a hair: beyond double precision, inside the extended one.
TEST(ReadRange, TheLimitIsTakenAtExtendedPrecision) {
  EXPECT_TRUE(amount::IsNumber("1.69999999999999999999e308", kEnglish));
  EXPECT_FALSE(amount::IsNumber("1.70000000000000000100e308", kEnglish));
}

TEST(ReadLongText, ATenThousandDigitNumberReadsAsItsValue) {
  const std::string digits = "1" + std::string(10'000, '0');
  EXPECT_FALSE(amount::IsNumber(digits, kEnglish));
  EXPECT_EQ(amount::ReadAmount(digits + "e-9990", kEnglish), 1e10);
  EXPECT_EQ(amount::ReadAmount("0." + std::string(9'999, '0') + "1e10003", kEnglish), 1e3);
}

}  // namespace
