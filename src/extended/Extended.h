#pragma once

#include <cmath>
#include <compare>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace ext {

// Raised when a finite intermediate rounds to an infinite double.
class FloatingPointOverflow : public std::overflow_error {
 public:
  FloatingPointOverflow() : std::overflow_error("Floating point overflow") {}
};

// A binary floating-point number with a 64-bit significand and the x87 exponent range, every
// operation rounded to nearest with ties to even. All extended-precision steps of the program go
// through this type, so the figures do not depend on what the compiler calls `long double`.
class Extended {
 public:
  Extended() = default;
  Extended(double value) : value_(value) {}  // NOLINT: exact, so implicit like a widening

  // Reads "[+-]digits[.digits][e[+-]digits]" (at least one digit in the mantissa), correctly
  // rounded. Empty when the text does not have that form or its value is beyond the extended
  // range (too large, or so small that it is not even a subnormal extended).
  static std::optional<Extended> FromDecimal(std::string_view text);

  // Rounds to the nearest double. Throws FloatingPointOverflow when a finite value rounds to
  // infinity, as an x87 store to double traps there.
  double ToDouble() const;

  friend Extended operator+(Extended a, Extended b) { return Raw(a.value_ + b.value_); }
  friend Extended operator-(Extended a, Extended b) { return Raw(a.value_ - b.value_); }
  friend Extended operator*(Extended a, Extended b) { return Raw(a.value_ * b.value_); }
  friend Extended operator/(Extended a, Extended b) { return Raw(a.value_ / b.value_); }
  friend bool operator==(Extended a, Extended b) { return a.value_ == b.value_; }
  friend std::partial_ordering operator<=>(Extended a, Extended b) { return a.value_ <=> b.value_; }

  bool IsZero() const { return value_ == 0; }
  Extended Abs() const { return Raw(value_ < 0 ? -value_ : value_); }

 private:
  static Extended Raw(long double value) {
    Extended e;
    e.value_ = value;
    return e;
  }
  long double value_ = 0;
};

static_assert(std::numeric_limits<long double>::digits == 64,
              "the native backend needs long double with a 64-bit significand (x87 extended)");
static_assert(std::numeric_limits<long double>::max_exponent == 16384,
              "the native backend needs the x87 exponent range");

inline double Extended::ToDouble() const {
  const double rounded = static_cast<double>(value_);
  // a finite value that rounds to infinity: the one overflow the figures can meet
  if (std::isinf(rounded) && std::isfinite(value_)) throw FloatingPointOverflow();
  return rounded;
}

}  // namespace ext
