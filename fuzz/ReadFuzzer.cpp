// Reading typed text: never crashes, reads 0 for what is no number, and reads a number within
// the allowed range, the same with or without its grouping characters.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "FuzzCheck.h"
#include "amount/Utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const amount::NumberSymbols& symbols = FuzzSymbols(data[0]);
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

  const bool isNumber = amount::IsNumber(text, symbols);
  const double value = amount::ReadAmount(text, symbols);
  if (!isNumber) {
    FUZZ_CHECK(value == 0 && !std::signbit(value));
    return 0;
  }
  FUZZ_CHECK(std::isfinite(value));
  FUZZ_CHECK(std::fabs(value) <= 1.7e308);
  FUZZ_CHECK(value == 0 || std::fabs(value) >= 4.9e-324);

  const std::string ungrouped = amount::utf8::Without(text, symbols.grouping);
  FUZZ_CHECK(amount::IsNumber(ungrouped, symbols));
  const double again = amount::ReadAmount(ungrouped, symbols);
  FUZZ_CHECK(std::memcmp(&again, &value, sizeof value) == 0);
  return 0;
}
