#include <gtest/gtest.h>

#include <string>

#include "amount/Amount.h"

namespace {

struct SymbolsCase {
  std::string name;
  std::string thousands, decimal;
  int fractionDigits;
  std::string grouping, decimalShown;
  int currencyDecimals;
};
void PrintTo(const SymbolsCase& c, std::ostream* os) {
  *os << c.name;
}

class SymbolsTest : public testing::TestWithParam<SymbolsCase> {};

TEST_P(SymbolsTest, TakesOneCharacterSettingsAndFallsBackOnEachAlone) {
  const SymbolsCase& c = GetParam();
  const amount::NumberSymbols s =
      amount::MakeNumberSymbols(c.thousands, c.decimal, c.fractionDigits);
  EXPECT_EQ(s.grouping, c.grouping);
  EXPECT_EQ(s.decimal, c.decimalShown);
  EXPECT_EQ(s.currencyDecimals, c.currencyDecimals);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, SymbolsTest,
    testing::Values(SymbolsCase{"English", ",", ".", 2, ",", ".", 2},
                    SymbolsCase{"German", ".", ",", 2, ".", ",", 2},
                    SymbolsCase{"NarrowNoBreakSpace", "\u202f", ",", 2, "\u202f", ",", 2},
                    SymbolsCase{"EmptyGroupingPrintsNone", "", ".", 2, "", ".", 2},
                    SymbolsCase{"LongGroupingFallsBack", "::", ".", 2, ",", ".", 2},
                    SymbolsCase{"LongDecimalFallsBackAlone", "'", "<>", 2, "'", ".", 2},
                    SymbolsCase{"EmptyDecimalIsPoint", ",", "", 2, ",", ".", 2},
                    SymbolsCase{"UnspecifiedDecimals", ",", ".", 127, ",", ".", 2},
                    SymbolsCase{"NegativeDecimals", ",", ".", -1, ",", ".", 2},
                    SymbolsCase{"NoCurrencyDecimals", ",", ".", 0, ",", ".", 0},
                    SymbolsCase{"ThreeCurrencyDecimals", ",", ".", 3, ",", ".", 3}),
    [](const testing::TestParamInfo<SymbolsCase>& info) { return info.param.name; });

// A grouping setting that falls back onto the locale's own decimal character would make every
// decimal character vanish on reading; that locale gets no grouping character instead.
TEST(SymbolsClash, FallbackGroupingEqualToTheDecimalIsDropped) {
  const amount::NumberSymbols s = amount::MakeNumberSymbols("\u00a0\u00a0", ",", 2);
  EXPECT_EQ(s.grouping, "");
  EXPECT_EQ(s.decimal, ",");
}

TEST(LocaleSymbols, TheCLocaleGroupsNothingAndHasTwoCurrencyDecimals) {
  const amount::NumberSymbols s = amount::LocaleNumberSymbols("C");
  EXPECT_EQ(s.grouping, "");
  EXPECT_EQ(s.decimal, ".");
  EXPECT_EQ(s.currencyDecimals, 2);
}

TEST(LocaleSymbols, AnUnknownLocaleReadsAsC) {
  const amount::NumberSymbols s = amount::LocaleNumberSymbols("xx_NOWHERE.UTF-8");
  EXPECT_EQ(s.decimal, ".");
  EXPECT_EQ(s.grouping, "");
}

}  // namespace
