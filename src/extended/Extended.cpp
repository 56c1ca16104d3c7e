#include "extended/Extended.h"

#include <charconv>

namespace ext {

std::optional<Extended> Extended::FromDecimal(std::string_view text) {
  long double value = 0;
  const char* first = text.data();
  const char* last = first + text.size();
  // from_chars takes no leading '+'; the sign is applied after an exact read of the magnitude.
  bool negative = false;
  if (first != last && (*first == '+' || *first == '-')) {
    negative = *first == '-';
    ++first;
  }
  // from_chars would also take "inf" and "nan"; only digits or a point may start the mantissa.
  if (first == last || !(*first == '.' || (*first >= '0' && *first <= '9'))) return std::nullopt;
  auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
  if (error != std::errc{} || end != last) return std::nullopt;
  return Raw(negative ? -value : value);
}

}  // namespace ext
