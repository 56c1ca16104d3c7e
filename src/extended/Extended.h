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
  Extended(double value);  // NOLINT: exact, so implicit like a widening

  // Reads "[+-]digits[.digits][e[+-]digits]" (at least one digit in the mantissa), correctly
  // rounded. Empty when the text does not have that form or its value is beyond the extended
  // range (too large, or so small that it is not even a subnormal extended).
  static std::optional<Extended> FromDecimal(std::string_view text);

  // Rounds to the nearest double. Throws FloatingPointOverflow when a finite value rounds to
  // infinity, as an x87 store to double traps there.
  double ToDouble() const;

  friend Extended operator+(Extended a, Extended b);
  friend Extended operator-(Extended a, Extended b);
  friend Extended operator*(Extended a, Extended b);
  friend Extended operator/(Extended a, Extended b);
  friend bool operator==(Extended a, Extended b);
  friend std::partial_ordering operator<=>(Extended a, Extended b);

  bool IsZero() const;
  Extended Abs() const;

 private:
#if NVCALC_EXTENDED_MPFR
  // GNU MPFR at 64 bits, with the x87 exponent range and subnormals: the same figures wherever
  // long double is something else. The value is MPFR's custom form kept inline.
  friend struct MpfrView;
  alignas(8) unsigned char significand_[8] = {};
  long exponent_ = 0;
  int kind_ = 2;  // MPFR's kind (2: zero), negated for a negative value
#else
  // The native x87 extended format.
  static Extended Raw(long double value) {
    Extended e;
    e.value_ = value;
    return e;
  }
  long double value_ = 0;
#endif
};

#if !NVCALC_EXTENDED_MPFR
static_assert(std::numeric_limits<long double>::digits == 64,
              "the native backend needs long double with a 64-bit significand (x87 extended)");
static_assert(std::numeric_limits<long double>::max_exponent == 16384,
              "the native backend needs the x87 exponent range");

inline Extended::Extended(double value) : value_(value) {}
inline Extended operator+(Extended a, Extended b) {
  return Extended::Raw(a.value_ + b.value_);
}
inline Extended operator-(Extended a, Extended b) {
  return Extended::Raw(a.value_ - b.value_);
}
inline Extended operator*(Extended a, Extended b) {
  return Extended::Raw(a.value_ * b.value_);
}
inline Extended operator/(Extended a, Extended b) {
  return Extended::Raw(a.value_ / b.value_);
}
inline bool operator==(Extended a, Extended b) {
  return a.value_ == b.value_;
}
inline std::partial_ordering operator<=>(Extended a, Extended b) {
  return a.value_ <=> b.value_;
}
inline bool Extended::IsZero() const {
  return value_ == 0;
}
inline Extended Extended::Abs() const {
  return Raw(value_ < 0 ? -value_ : value_);
}

inline double Extended::ToDouble() const {
  const double rounded = static_cast<double>(value_);
  // a finite value that rounds to infinity: the one overflow the figures can meet
  if (std::isinf(rounded) && std::isfinite(value_)) throw FloatingPointOverflow();
  return rounded;
}
#endif

}  // namespace ext
