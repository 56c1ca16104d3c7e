#include "tax/SalaryFigures.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "extended/Extended.h"

namespace {

using tax::Figure;
using tax::SalaryFigures;

struct FiguresCase {
  std::string name;
  SalaryFigures inputs;  // outputs left zero
  double totalTaxable, monthlyTax, annualTax, annualIncome, netMonthlySalary;
};
void PrintTo(const FiguresCase& c, std::ostream* os) {
  *os << c.name;
}

class SalaryFiguresTest : public testing::TestWithParam<FiguresCase> {};

TEST_P(SalaryFiguresTest, ComputesEveryOutputToTheBit) {
  const FiguresCase& c = GetParam();
  SalaryFigures f = c.inputs;
  tax::Calculate(f);
  EXPECT_EQ(f.TotalTaxable, c.totalTaxable);
  EXPECT_EQ(f.MonthlyTax, c.monthlyTax) << std::hexfloat << f.MonthlyTax;
  EXPECT_EQ(f.AnnualTax, c.annualTax) << std::hexfloat << f.AnnualTax;
  EXPECT_EQ(f.AnnualIncome, c.annualIncome) << std::hexfloat << f.AnnualIncome;
  EXPECT_EQ(f.NetMonthlySalary, c.netMonthlySalary) << std::hexfloat << f.NetMonthlySalary;
}

SalaryFigures Inputs(double monthly, double eid = 0, double performance = 0, double leave = 0,
                     double overTime = 0, double other = 0, double gratuity = 0) {
  return SalaryFigures{monthly, eid, performance, leave, overTime, other, gratuity, 0, 0, 0, 0, 0};
}

INSTANTIATE_TEST_SUITE_P(
    Table, SalaryFiguresTest,
    testing::Values(
        FiguresCase{"AllZero", Inputs(0), 0, 0, 0, 0, 0},
        FiguresCase{"Salary30000BelowTaxFree", Inputs(30'000), 360'000, 0, 0, 360'000, 30'000},
        FiguresCase{"Salary50000WithEid", Inputs(50'000, 50'000), 650'000, 0x1.046aaaaaaaaabp+10,
                    12'500, 637'500, 53'125},
        FiguresCase{"AllExtrasButGratuity",
                    Inputs(150'000, 100'000, 200'000, 30'000, 20'000, 10'000), 2'160'000,
                    0x1.0852aaaaaaaabp+14, 203'000, 1'957'000, 0x1.3e85aaaaaaaabp+17},
        FiguresCase{"NegativeSalary", Inputs(-1'000), -12'000, 0, 0, -12'000, -1'000},
        // 82,500.125 is exact; the next two annual taxes fall just below x.xx5
        FiguresCase{"Gratuity1400001", Inputs(0, 0, 0, 0, 0, 0, 1'400'001), 1'400'001,
                    0x1.adb02aaaaaaabp+12, 82'500.125, 1'317'500.875, 0x1.acdfbd5555555p+16},
        FiguresCase{"Gratuity1800001", Inputs(0, 0, 0, 0, 0, 0, 1'800'001), 1'800'001,
                    0x1.6c95733333333p+13, 0x1.1170166666666p+17, 0x1.95460d3333333p+20,
                    0x1.0e2eb37777777p+17},
        FiguresCase{"Gratuity2400003", Inputs(0, 0, 0, 0, 0, 0, 2'400'003), 2'400'003,
                    0x1.3f02d77777777p+14, 0x1.de84433333332p+17, 0x1.070fd3ccccccdp+21,
                    0x1.5ebfc51111111p+17}),
    [](const testing::TestParamInfo<FiguresCase>& info) { return info.param.name; });

// Records every read and write, and answers reads from what was written.
class RecordingSet final : public tax::FigureSet {
 public:
  explicit RecordingSet(SalaryFigures start) : figures_(start) {}
  double Read(Figure f) override {
    log.push_back("read " + std::to_string(static_cast<int>(f)));
    return Get(f);
  }
  void Write(Figure f, double amount) override {
    log.push_back("write " + std::to_string(static_cast<int>(f)));
    Get(f) = amount;
  }
  double& Get(Figure f) { return (&figures_.MonthlySalary)[static_cast<int>(f)]; }
  std::vector<std::string> log;

 private:
  SalaryFigures figures_;
};

std::string Op(const char* verb, Figure f) {
  return std::string(verb) + " " + std::to_string(static_cast<int>(f));
}

TEST(CalculateOrder, ReadsInputsInTableOrderAndReadsOutputsBackAfterWritingThem) {
  RecordingSet set(Inputs(50'000, 50'000));
  tax::Calculate(set);
  using enum Figure;
  const std::vector<std::string> expected{
      Op("read", MonthlySalary), Op("read", Eid),           Op("read", Performance),
      Op("read", Leave),         Op("read", OverTime),      Op("read", Other),
      Op("read", Gratuity),      Op("write", TotalTaxable), Op("read", TotalTaxable),
      Op("write", MonthlyTax),   Op("read", MonthlyTax),    Op("write", AnnualTax),
      Op("read", TotalTaxable),  Op("read", AnnualTax),     Op("write", AnnualIncome),
      Op("read", TotalTaxable),  Op("read", MonthlyTax),    Op("write", NetMonthlySalary),
  };
  EXPECT_EQ(set.log, expected);
}

// A set that hands back something other than what was written shows that the outputs come from
// reading the set again, not from values kept aside.
TEST(CalculateOrder, LaterStepsUseTheAmountsReadBack) {
  class Doubling final : public tax::FigureSet {
   public:
    SalaryFigures f = Inputs(0, 0, 0, 0, 0, 0, 1'000'000);
    double Read(Figure x) override { return (&f.MonthlySalary)[static_cast<int>(x)]; }
    void Write(Figure x, double v) override {
      (&f.MonthlySalary)[static_cast<int>(x)] = x == Figure::TotalTaxable ? 2 * v : v;
    }
  } set;
  tax::Calculate(set);
  // taxed as 2,000,000 (band 5: 140,000 + 17.5 % of 200,000), not as the 1,000,000 computed
  EXPECT_EQ(set.f.TotalTaxable, 2'000'000);
  EXPECT_NEAR(set.f.AnnualTax, 175'000, 1e-6);
  EXPECT_NEAR(set.f.AnnualIncome, 1'825'000, 1e-6);
  EXPECT_NEAR(set.f.NetMonthlySalary, 1'825'000.0 / 12, 1e-6);
}

struct OverflowCase {
  std::string name;
  SalaryFigures inputs;
  bool totalWritten;
};
void PrintTo(const OverflowCase& c, std::ostream* os) {
  *os << c.name;
}

class OverflowTest : public testing::TestWithParam<OverflowCase> {};

TEST_P(OverflowTest, ThrowsFloatingPointOverflowAndWritesNothingFurther) {
  const OverflowCase& c = GetParam();
  constexpr double kUnwritten = -7;
  SalaryFigures f = c.inputs;
  f.TotalTaxable = f.AnnualTax = f.MonthlyTax = f.AnnualIncome = f.NetMonthlySalary = kUnwritten;
  try {
    tax::Calculate(f);
    FAIL() << "no exception";
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "Floating point overflow");
  }
  EXPECT_EQ(f.TotalTaxable != kUnwritten, c.totalWritten);
  for (double output : {f.MonthlyTax, f.AnnualTax, f.AnnualIncome, f.NetMonthlySalary})
    EXPECT_EQ(output, kUnwritten);
}

constexpr double kMax = std::numeric_limits<double>::max();

INSTANTIATE_TEST_SUITE_P(
    Totals, OverflowTest,
    testing::Values(OverflowCase{"SalaryTimes12", Inputs(kMax / 6), false},
                    OverflowCase{"SumOfExtras", Inputs(0, kMax, kMax / 2), false},
                    OverflowCase{"NegativeSum", Inputs(-kMax / 2, -kMax), false},
                    OverflowCase{"TotalOfTheLargestDouble", Inputs(0, kMax), true},
                    OverflowCase{"TotalOfMinusTheLargestDouble", Inputs(0, -kMax), true}),
    [](const testing::TestParamInfo<OverflowCase>& info) { return info.param.name; });

TEST(CalculateRange, ASumThatOnlyPassesTheDoubleRangeInExtendedStillCompletes) {
  SalaryFigures f = Inputs(0, kMax, kMax, -kMax, -kMax / 2);
  tax::Calculate(f);
  EXPECT_EQ(f.TotalTaxable, kMax / 2);
}

}  // namespace
