#pragma once

#include <string_view>

namespace ext::detail {

// Whether the text is "[+-]digits[.digits][e[+-]digits]" with at least one mantissa digit and
// at least one exponent digit after an "e"; sets `nonZero` when a mantissa digit is not 0.
inline bool IsPlainDecimal(std::string_view text, bool& nonZero) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  auto digits = [&] {
    const std::size_t start = i;
    for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i) nonZero |= text[i] != '0';
    return i - start;
  };
  nonZero = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t mantissa = digits();
  if (i < n && text[i] == '.') {
    ++i;
    mantissa += digits();
  }
  if (mantissa == 0) return false;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    const bool mantissaNonZero = nonZero;
    if (digits() == 0) return false;
    nonZero = mantissaNonZero;
  }
  return i == n;
}

}  // namespace ext::detail
