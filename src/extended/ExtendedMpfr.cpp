#include <mpfr.h>

#include <string>

#include "extended/DecimalSyntax.h"
#include "extended/Extended.h"

namespace ext {

namespace {

constexpr mpfr_prec_t kPrecision = 64;
// MPFR writes x = 0.1b...b × 2^e: the x87 normal range is e in [-16381, 16384], and its smallest
// subnormal, 2^-16445, has e = -16444.
constexpr mpfr_exp_t kMinExponent = -16444;
constexpr mpfr_exp_t kMaxExponent = 16384;

static_assert(MPFR_ZERO_KIND == 2, "Extended's default kind stands for +0");
static_assert(kPrecision <= 8 * 8, "the significand is kept in 8 bytes");

void UseExtendedRange() {
  mpfr_set_emin(kMinExponent);
  mpfr_set_emax(kMaxExponent);
}

}  // namespace

// An mpfr_t that reads and writes an Extended's inline storage, allocating nothing.
struct MpfrView {
  explicit MpfrView(const Extended& e) {
    mpfr_custom_init_set(value, e.kind_, e.exponent_, kPrecision,
                         const_cast<unsigned char*>(e.significand_));
  }
  static void Store(Extended& e, mpfr_ptr x) {
    e.kind_ = mpfr_custom_get_kind(x);
    e.exponent_ = mpfr_regular_p(x) ? mpfr_custom_get_exp(x) : 0;
  }
  // Rounds an exact MPFR result `ternary` into the extended format, subnormals included.
  static Extended Finish(Extended& result, mpfr_ptr x, int ternary) {
    ternary = mpfr_check_range(x, ternary, MPFR_RNDN);
    mpfr_subnormalize(x, ternary, MPFR_RNDN);
    Store(result, x);
    return result;
  }
  static mpfr_ptr Target(Extended& e, mpfr_t x) {
    mpfr_custom_init(e.significand_, kPrecision);
    mpfr_custom_init_set(x, MPFR_ZERO_KIND, 0, kPrecision, e.significand_);
    return x;
  }
  mpfr_t value;
};

namespace {

template <class Operation>
Extended Apply(Operation operation, const Extended& a, const Extended& b) {
  UseExtendedRange();
  MpfrView x(a), y(b);
  Extended result;
  mpfr_t r;
  MpfrView::Target(result, r);
  const int ternary = operation(r, x.value, y.value, MPFR_RNDN);
  return MpfrView::Finish(result, r, ternary);
}

}  // namespace

Extended::Extended(double value) {
  UseExtendedRange();
  mpfr_t r;
  MpfrView::Target(*this, r);
  mpfr_set_d(r, value, MPFR_RNDN);  // exact: a double fits in 64 bits and the extended range
  MpfrView::Store(*this, r);
}

std::optional<Extended> Extended::FromDecimal(std::string_view text) {
  bool nonZero = false;
  if (!detail::IsPlainDecimal(text, nonZero)) return std::nullopt;
  UseExtendedRange();
  const std::string terminated(text);
  Extended result;
  mpfr_t r;
  MpfrView::Target(result, r);
  const int ternary = mpfr_strtofr(r, terminated.c_str(), nullptr, 10, MPFR_RNDN);
  MpfrView::Finish(result, r, ternary);
  // out of range: rounds to infinity, or to zero from digits that are not all 0
  if (mpfr_inf_p(r) || (mpfr_zero_p(r) && nonZero)) return std::nullopt;
  return result;
}

double Extended::ToDouble() const {
  MpfrView x(*this);
  const double rounded = mpfr_get_d(x.value, MPFR_RNDN);
  if (std::isinf(rounded) && !mpfr_inf_p(x.value) && !mpfr_nan_p(x.value))
    throw FloatingPointOverflow();
  return rounded;
}

Extended operator+(Extended a, Extended b) {
  return Apply(mpfr_add, a, b);
}
Extended operator-(Extended a, Extended b) {
  return Apply(mpfr_sub, a, b);
}
Extended operator*(Extended a, Extended b) {
  return Apply(mpfr_mul, a, b);
}
Extended operator/(Extended a, Extended b) {
  return Apply(mpfr_div, a, b);
}

bool operator==(Extended a, Extended b) {
  MpfrView x(a), y(b);
  return mpfr_equal_p(x.value, y.value);
}

std::partial_ordering operator<=>(Extended a, Extended b) {
  MpfrView x(a), y(b);
  if (mpfr_unordered_p(x.value, y.value)) return std::partial_ordering::unordered;
  const int c = mpfr_cmp(x.value, y.value);
  return c < 0   ? std::partial_ordering::less
         : c > 0 ? std::partial_ordering::greater
                 : std::partial_ordering::equivalent;
}

bool Extended::IsZero() const {
  return kind_ == MPFR_ZERO_KIND || kind_ == -MPFR_ZERO_KIND;
}

Extended Extended::Abs() const {
  Extended result = *this;
  if (result.kind_ < 0) result.kind_ = -result.kind_;
  return result;
}

}  // namespace ext
