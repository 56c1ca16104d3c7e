#include "extended/Extended.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using ext::Extended;

const double kTwoTo63 = std::ldexp(1.0, -63);

// What 1 + x keeps beyond 1, seen through a subtraction that is exact.
double KeptAboveOne(double x) {
  return ((Extended(1.0) + x) - 1.0).ToDouble();
}

TEST(ExtendedRounding, KeepsSixtyFourBitsAndRoundsTiesToEven) {
  EXPECT_EQ(KeptAboveOne(kTwoTo63), kTwoTo63);                      // the last bit kept
  EXPECT_EQ(KeptAboveOne(std::ldexp(1.0, -64)), 0);                 // a tie goes to even
  EXPECT_EQ(KeptAboveOne(3 * std::ldexp(1.0, -65)), kTwoTo63);      // above the tie: up
  EXPECT_EQ(KeptAboveOne(3 * std::ldexp(1.0, -64)), 2 * kTwoTo63);  // tie from odd: up to even
}

TEST(ExtendedRounding, DoubleRoundingHappensOnlyWhereAsked) {
  // 1 + 2^-53 + 2^-64 rounds to 1 + 2^-53 in extended, a tie that then goes to even: 1.
  const Extended sum = (Extended(1.0) + std::ldexp(1.0, -53)) + std::ldexp(1.0, -64);
  EXPECT_EQ(sum.ToDouble(), 1.0);
  EXPECT_EQ((Extended(1.0) / 3.0).ToDouble(), 1.0 / 3.0);
}

TEST(ExtendedRange, GoesBeyondTheDoubleRangeAndTrapsOnlyWhenRoundingToDouble) {
  const double max = std::numeric_limits<double>::max();
  const Extended big = Extended(max) * 16.0;
  EXPECT_THROW(big.ToDouble(), ext::FloatingPointOverflow);
  EXPECT_EQ((big / 32.0).ToDouble(), max / 2);
  EXPECT_THROW((Extended(-max) - max).ToDouble(), ext::FloatingPointOverflow);
  const Extended tiny = Extended(std::ldexp(1.0, -1000)) * std::ldexp(1.0, -1000);
  EXPECT_FALSE(tiny.IsZero());
  EXPECT_EQ(tiny.ToDouble(), 0);
  EXPECT_EQ((tiny * std::ldexp(1.0, 1000)).ToDouble(), std::ldexp(1.0, -1000));
}

// Multiplies by 2^exponent in steps that each stay exact within the double range.
Extended Scaled(Extended x, int exponent) {
  for (; exponent > 1000; exponent -= 1000) x = x * std::ldexp(1.0, 1000);
  for (; exponent < -1000; exponent += 1000) x = x * std::ldexp(1.0, -1000);
  return x * std::ldexp(1.0, exponent);
}

TEST(ExtendedRange, SubnormalsKeepFewerBitsAsOnTheX87) {
  const Extended subnormal = Scaled(1.0, -16440);  // five bits above the smallest, 2^-16445
  EXPECT_FALSE(subnormal.IsZero());
  EXPECT_EQ(Scaled(subnormal, 16440).ToDouble(), 1.0);
  EXPECT_TRUE(Scaled(subnormal, -6).IsZero()) << "below 2^-16445 nothing is left";
  // 2^-16440 + 2^-16446 is a tie between two subnormals: it goes to the even one
  EXPECT_EQ(Scaled(subnormal + Scaled(1.0, -16446), 16440).ToDouble(), 1.0);
  EXPECT_EQ(Scaled(subnormal + Scaled(3.0, -16446), 16440).ToDouble(), 1.0 + 1.0 / 16);
}

TEST(ExtendedDecimal, ReadsPlainDecimalsCorrectlyRounded) {
  EXPECT_EQ(Extended::FromDecimal("0.1")->ToDouble(), 0.1);
  EXPECT_EQ(Extended::FromDecimal("+5")->ToDouble(), 5);
  EXPECT_EQ(Extended::FromDecimal("-2.5e3")->ToDouble(), -2500);
  EXPECT_EQ(Extended::FromDecimal("5.")->ToDouble(), 5);
  EXPECT_EQ(Extended::FromDecimal(".5")->ToDouble(), 0.5);
  EXPECT_TRUE(Extended::FromDecimal("-0")->IsZero());
  EXPECT_TRUE(Extended::FromDecimal("0e999999")->IsZero());
  // 1 + 2^-63 exactly: kept by the extended reader, lost by a double one
  const auto exact =
      Extended::FromDecimal("1.000000000000000000108420217248550443400745280086994171142578125");
  EXPECT_EQ((*exact - 1.0).ToDouble(), kTwoTo63);
  EXPECT_EQ(Extended::FromDecimal("1.7e308"), Extended::FromDecimal("17e307"));
  EXPECT_LT(*Extended::FromDecimal("1.7e308"), *Extended::FromDecimal("1.7000000000000000001e308"));
  EXPECT_FALSE(Extended::FromDecimal("1e-4940")->IsZero()) << "a subnormal extended";
}

TEST(ExtendedDecimal, RefusesWhatIsNoPlainDecimalOrOutOfRange) {
  for (const char* text : {"", "+", "-", ".", "e5", "1e", "1e+", "inf", "nan", "0x10", " 1", "1 ",
                           "1,5", "1e5000", "-1e5000", "1e-5000"})
    EXPECT_FALSE(Extended::FromDecimal(text).has_value()) << '"' << text << '"';
}

TEST(ExtendedCompare, OrdersAndTakesMagnitudes) {
  EXPECT_LT(Extended(-3.0), Extended(2.0));
  EXPECT_EQ(Extended(-3.0).Abs(), Extended(3.0));
  EXPECT_EQ(Extended(0.0), Extended(-0.0));
  EXPECT_TRUE(Extended(-0.0).IsZero());
  EXPECT_GT(Extended(1.0) + std::ldexp(1.0, -63), Extended(1.0));
}

}  // namespace
