#include "tax/Schedule.h"

#include <array>
#include <limits>

#include "extended/Extended.h"

namespace tax {
namespace {

struct Band {
  double above;        // yearly income above which the band applies
  double upTo;         // yearly income up to which it applies, inclusive
  double ratePercent;  // charged on the part above `above`
  double fixed;        // yearly tax on the income up to `above`
};

constexpr double kNoLimit = std::numeric_limits<double>::infinity();
constexpr double kTaxFree = 400'000;

constexpr std::array<Band, 10> kBands{{
    {400'000, 750'000, 5, 0},
    {750'000, 1'400'000, 10, 17'500},
    {1'400'000, 1'500'000, 12.5, 82'500},
    {1'500'000, 1'800'000, 15, 95'000},
    {1'800'000, 2'500'000, 17.5, 140'000},
    {2'500'000, 3'000'000, 20, 262'500},
    {3'000'000, 3'500'000, 22.5, 362'500},
    {3'500'000, 4'000'000, 25, 475'000},
    {4'000'000, 7'000'000, 27.5, 600'000},
    {7'000'000, kNoLimit, 30, 1'425'000},
}};

// Each band's fixed amount is the tax of the full band below, so the tax has no step anywhere.
constexpr bool BandsAreContinuous() {
  for (std::size_t i = 1; i < kBands.size(); ++i) {
    const Band& below = kBands[i - 1];
    if (kBands[i].above != below.upTo) return false;
    if (kBands[i].fixed != below.fixed + (below.upTo - below.above) * below.ratePercent / 100)
      return false;
  }
  return kBands.front().above == kTaxFree && kBands.front().fixed == 0;
}
static_assert(BandsAreContinuous());

}  // namespace

double CalcMonthlyTax(double monthlyIncome) {
  using ext::Extended;
  const double yearly = (Extended(monthlyIncome) * 12.0).ToDouble();
  if (yearly <= kTaxFree) return 0;

  for (std::size_t i = 0; i < kBands.size(); ++i) {
    const Band& band = kBands[i];
    if (!(yearly > band.above && yearly <= band.upTo)) continue;
    const double over = (Extended(yearly) - band.above).ToDouble();
    // The first band goes in one extended chain; the others round the percentage to double first.
    if (i == 0) return (Extended(over) * band.ratePercent / 100.0 / 12.0).ToDouble();
    const double percentage = (Extended(over) * band.ratePercent / 100.0).ToDouble();
    return ((Extended(percentage) + band.fixed) / 12.0).ToDouble();
  }
  return 0;  // not reached: the bands cover every yearly income above the tax-free amount
}

}  // namespace tax
