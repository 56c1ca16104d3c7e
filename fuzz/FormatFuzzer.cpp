// Showing an amount: never crashes, and the shown text of a field's format reads back as the
// amount rounded to the digits shown.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "FuzzCheck.h"
#include "amount/Utf8.h"

namespace {

constexpr const char* kFormats[] = {
    "#,##0;-#,##0;0", ",0.00;(,0.00)", "0.###", "#,##0.00 'Rs'", "000.0;(0);-", "", "#", ";;"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 10) return 0;
  double value;
  std::memcpy(&value, data, sizeof value);
  const char* format = kFormats[data[8] % std::size(kFormats)];
  const amount::NumberSymbols& symbols = FuzzSymbols(data[9]);

  const std::string shown = amount::FormatAmount(value, format, symbols);
  FUZZ_CHECK(amount::utf8::IsValid(shown));
  if (!std::isfinite(value)) return 0;

  // The two field formats read back, parentheses meaning a negative amount.
  const int decimals = data[8] % std::size(kFormats);
  if (decimals > 1) return 0;
  std::string text = shown;
  bool negative = false;
  if (text.size() >= 2 && text.front() == '(' && text.back() == ')') {
    negative = true;
    text = text.substr(1, text.size() - 2);
  }
  const double magnitude = std::fabs(value);
  if (magnitude > 1.6e308) return 0;  // shown rounded up, beyond what reading takes
  FUZZ_CHECK(amount::IsNumber(text, symbols));
  double read = amount::ReadAmount(text, symbols);
  if (negative) read = -read;
  const double unit = decimals == 0 ? 1 : 0.01;
  const double allowed = magnitude >= 1e18 ? magnitude * 5.1e-15 : unit / 2 + magnitude * 4e-16;
  FUZZ_CHECK(std::fabs(read - value) <= allowed);
  return 0;
}
