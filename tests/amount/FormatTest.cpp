#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "Symbols.h"
#include "amount/Amount.h"
#include "tax/SalaryFigures.h"

namespace {

using amount::FormatAmount;

struct DisplayCase {
  std::string name;
  double amount;
  std::string integerShown;  // by "#,##0;-#,##0;0"
  std::string moneyShown;    // by ",0.00;(,0.00)"
};
void PrintTo(const DisplayCase& c, std::ostream* os) {
  *os << c.name;
}

class DisplayTest : public testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayTest, ShowsTheAmountByBothFieldFormats) {
  const DisplayCase& c = GetParam();
  EXPECT_EQ(FormatAmount(c.amount, kInteger, kEnglish), c.integerShown);
  EXPECT_EQ(FormatAmount(c.amount, kMoney, kEnglish), c.moneyShown);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, DisplayTest,
    testing::Values(DisplayCase{"Zero", 0, "0", "0.00"},
                    DisplayCase{"NegativeZero", -0.0, "0", "0.00"},
                    DisplayCase{"SmallPositive", 0.4, "0", "0.40"},
                    DisplayCase{"SmallNegative", -0.4, "0", "(0.40)"},
                    DisplayCase{"NegativeRoundingToZero", -0.004, "0", "0.00"},
                    DisplayCase{"NegativeHalfCentRoundsAway", -0.005, "0", "(0.01)"},
                    DisplayCase{"NegativeHalfRoundsAway", -0.5, "-1", "(0.50)"},
                    DisplayCase{"Thousands", 1234.5, "1,235", "1,234.50"},
                    DisplayCase{"NegativeThousands", -1234.5, "-1,235", "(1,234.50)"},
                    DisplayCase{"Millions", 1234567.891, "1,234,568", "1,234,567.89"},
                    DisplayCase{"EighthRoundsUp", 0.125, "0", "0.13"},
                    // the double nearest 2.675 lies below it
                    DisplayCase{"DoubleBelowTheHalf", 2.675, "3", "2.67"},
                    DisplayCase{"CarryThroughNines", 999999.996, "1,000,000", "1,000,000.00"},
                    DisplayCase{"LargestBelowScientific", 999999999999999872.0,
                                "999,999,999,999,999,872", "999,999,999,999,999,872.00"},
                    DisplayCase{"ScientificFrom1e18", 1e18, "1E18", "1E18"},
                    DisplayCase{"NegativeScientific", -1e20, "-1E20", "-1E20"},
                    DisplayCase{"ScientificMantissa", 1.5e18, "1.5E18", "1.5E18"},
                    DisplayCase{"ScientificRoundsTo15Digits", 1.234567890123456789e19,
                                "1.23456789012346E19", "1.23456789012346E19"},
                    DisplayCase{"ScientificCarries", 9.9999999999999999e20, "1E21", "1E21"},
                    DisplayCase{"LargestDouble", std::numeric_limits<double>::max(),
                                "1.79769313486232E308", "1.79769313486232E308"},
                    DisplayCase{"Subnormal", 5e-324, "0", "0.00"}),
    [](const testing::TestParamInfo<DisplayCase>& info) { return info.param.name; });

// The 18 significant digits come first and only then the half-away rounding: the double
// nearest 1000.005 is 1000.00499999999999545..., whose 18 digits are 1000.00500000000000.
// Below 18 digits, a double just under the half stays under it.
TEST(FormatDigits, EighteenDigitsThenHalfAwayFromZero) {
  EXPECT_EQ(FormatAmount(1000.005, kMoney, kEnglish), "1,000.01");
  EXPECT_EQ(FormatAmount(-1000.005, kMoney, kEnglish), "(1,000.01)");
  EXPECT_EQ(FormatAmount(0.285, kMoney, kEnglish), "0.28");  // 0.284999999999999976 at 18
}

TEST(FormatFigures, AnnualTaxOfATotalOf2400003ShowsAsComputedNotAsExactDecimal) {
  tax::SalaryFigures f{};
  f.Gratuity = 2'400'003;
  tax::Calculate(f);
  EXPECT_EQ(FormatAmount(f.AnnualTax, kMoney, kEnglish), "245,000.52");
  EXPECT_EQ(FormatAmount(f.AnnualIncome, kMoney, kEnglish), "2,155,002.48");
}

struct FormatCase {
  std::string name;
  double amount;
  std::string format;
  amount::NumberSymbols symbols;
  std::string shown;
};
void PrintTo(const FormatCase& c, std::ostream* os) {
  *os << c.name;
}

class FormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatTest, Shows) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(FormatAmount(c.amount, c.format, c.symbols), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    FormatsAndLocales, FormatTest,
    testing::Values(
        FormatCase{"GermanMoney", 1234.5, kMoney, kGerman, "1.234,50"},
        FormatCase{"GermanScientific", 1.5e18, kMoney, kGerman, "1,5E18"},
        FormatCase{"NarrowSpaceGrouping", 1234567, kInteger, kNarrowSpace, "1\u202f234\u202f567"},
        FormatCase{"NoGroupingCharacter", 1234567.5, kMoney, kNoGrouping, "1234567.50"},
        FormatCase{"NoCommaNoGrouping", 1234567, "0", kEnglish, "1234567"},
        FormatCase{"OptionalDecimalsDropped", 12, "0.##", kEnglish, "12"},
        FormatCase{"OptionalDecimalsKept", 12.5, "0.##", kEnglish, "12.5"},
        FormatCase{"MinimumIntegerDigits", 7, "000", kEnglish, "007"},
        FormatCase{"HashShowsNothingForZero", 0, "#", kEnglish, ""},
        FormatCase{"LiteralsCopied", 5, "Rs 0.00 only", kEnglish, "Rs 5.00 only"},
        FormatCase{"QuotedLiteral", 5, "0 'Rs.'", kEnglish, "5 Rs."},
        FormatCase{"NoNegativeSectionAddsMinus", -5, "0.00", kEnglish, "-5.00"},
        FormatCase{"EmptyNegativeSectionUsesFirst", -5, "0;;zero", kEnglish, "-5"},
        FormatCase{"ZeroSection", 0, "0;-0;nil", kEnglish, "nil"},
        FormatCase{"RoundsToZeroUsesZeroSection", -0.2, "0;(0);nil", kEnglish, "nil"},
        FormatCase{"NotANumber", std::nan(""), kMoney, kEnglish, "NAN"},
        FormatCase{"Infinity", -std::numeric_limits<double>::infinity(), kMoney, kEnglish, "-INF"}),
    [](const testing::TestParamInfo<FormatCase>& info) { return info.param.name; });

}  // namespace
