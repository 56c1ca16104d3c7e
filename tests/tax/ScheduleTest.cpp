#include "tax/Schedule.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "extended/Extended.h"

namespace {

struct ScheduleCase {
  std::string name;
  double yearly;
  double monthlyTax;
};
void PrintTo(const ScheduleCase& c, std::ostream* os) {
  *os << c.name;
}

class ScheduleTest : public testing::TestWithParam<ScheduleCase> {};

// The monthly income handed in is the yearly income divided by 12 and rounded to double, as the
// salary figures hand it over.
TEST_P(ScheduleTest, GivesTheMonthlyTaxOfTheYearlyIncome) {
  const ScheduleCase& c = GetParam();
  const double monthly = (ext::Extended(c.yearly) / 12.0).ToDouble();
  EXPECT_EQ(tax::CalcMonthlyTax(monthly), c.monthlyTax) << std::hexfloat << c.monthlyTax;
}

INSTANTIATE_TEST_SUITE_P(
    BandsAndBoundaries, ScheduleTest,
    testing::Values(
        ScheduleCase{"Zero", 0, 0}, ScheduleCase{"Negative", -1'000'000, 0},
        ScheduleCase{"TaxFreeLimit", 400'000, 0},
        ScheduleCase{"JustAboveTaxFreeLimit", 400'000.5, 0x1.1111111111111p-9},
        // 6 * 5 / 100 / 12 in one extended chain is 0.025 to the double; in double it falls below
        ScheduleCase{"Yearly400006ExtendedChain", 400'006, 0x1.999999999999ap-6},
        ScheduleCase{"TopOfBand1", 750'000, 0x1.6c95555555555p+10},
        ScheduleCase{"BottomOfBand2", 750'001, 0x1.6c95ddddddddep+10},
        ScheduleCase{"Band2Middle", 1'000'000, 0x1.bab5555555555p+11},
        ScheduleCase{"TopOfBand2", 1'400'000, 0x1.adb0000000000p+12},
        ScheduleCase{"BottomOfBand3", 1'400'001, 0x1.adb02aaaaaaabp+12},
        ScheduleCase{"TopOfBand3", 1'500'000, 0x1.eecaaaaaaaaabp+12},
        ScheduleCase{"TopOfBand4", 1'800'000, 0x1.6c95555555555p+13},
        ScheduleCase{"BottomOfBand5", 1'800'001, 0x1.6c95733333333p+13},
        ScheduleCase{"TopOfBand5", 2'500'000, 21'875},
        ScheduleCase{"BottomOfBand6", 2'500'001, 0x1.55cc111111111p+14},
        ScheduleCase{"TopOfBand6", 3'000'000, 0x1.d801555555555p+14},
        ScheduleCase{"TopOfBand7", 3'500'000, 0x1.353eaaaaaaaabp+15},
        ScheduleCase{"TopOfBand8", 4'000'000, 50'000},
        ScheduleCase{"TopOfBand9", 7'000'000, 118'750},
        // shows 118,750.02 in extended; double arithmetic would show 118,750.03
        ScheduleCase{"BottomOfBand10ExtendedChain", 7'000'001, 0x1.cfde066666666p+16},
        ScheduleCase{"Band10", 10'000'000, 193'750}),
    [](const testing::TestParamInfo<ScheduleCase>& info) { return info.param.name; });

TEST(ScheduleOverflow, YearlyIncomeOfTheLargestDoubleOverflows) {
  const double largest = std::numeric_limits<double>::max();
  const double monthly = (ext::Extended(largest) / 12.0).ToDouble();
  EXPECT_THROW(tax::CalcMonthlyTax(monthly), ext::FloatingPointOverflow);
  EXPECT_THROW(tax::CalcMonthlyTax(-monthly), ext::FloatingPointOverflow);
  EXPECT_NO_THROW(tax::CalcMonthlyTax(largest / 16));
}

}  // namespace
