#include <charconv>

#include "extended/DecimalSyntax.h"
#include "extended/Extended.h"

namespace ext {

std::optional<Extended> Extended::FromDecimal(std::string_view text) {
  bool nonZero = false;
  if (!detail::IsPlainDecimal(text, nonZero)) return std::nullopt;
  // from_chars takes no leading '+'; the sign is applied after an exact read of the magnitude.
  const bool negative = text.front() == '-';
  if (text.front() == '+' || text.front() == '-') text.remove_prefix(1);
  long double value = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  // out of range: rounds to infinity, or to zero from digits that are not all 0
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return Raw(negative ? -value : value);
}

}  // namespace ext
