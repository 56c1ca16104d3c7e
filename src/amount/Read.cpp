#include <optional>
#include <string>

#include "amount/Amount.h"
#include "amount/Utf8.h"
#include "extended/Extended.h"

namespace amount {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The range a read value must lie in, taken at extended precision from its decimal text.
const ext::Extended& Smallest() {
  static const ext::Extended value = *ext::Extended::FromDecimal("5e-324");
  return value;
}
const ext::Extended& Largest() {
  static const ext::Extended value = *ext::Extended::FromDecimal("1.7e308");
  return value;
}

// Parses text from which the grouping characters are already gone, building the plain ASCII
// form "[-]digits.digits[e[-]digits]" that the extended reader takes.
std::optional<double> ParseUngrouped(std::string_view text, std::string_view decimal) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  auto digitsFrom = [&](std::string& out) {
    const std::size_t start = i;
    while (i < n && IsDigit(text[i])) out += text[i++];
    return i - start;
  };

  while (i < n && text[i] == ' ') ++i;
  std::string plain;
  if (i < n && (text[i] == '+' || text[i] == '-')) plain += text[i++];
  std::size_t mantissaDigits = digitsFrom(plain);
  bool hasDecimal = false;
  if (!decimal.empty() && text.substr(i, decimal.size()) == decimal) {
    hasDecimal = true;
    i += decimal.size();
    plain += '.';
    mantissaDigits += digitsFrom(plain);
  }
  if (mantissaDigits == 0 && !hasDecimal) return std::nullopt;
  if (mantissaDigits == 0) return 0.0;  // a lone decimal character, perhaps signed

  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    std::string exponent = "e";
    if (i < n && (text[i] == '+' || text[i] == '-')) exponent += text[i++];
    if (digitsFrom(exponent) > 0) plain += exponent;  // "1e" and "1e-" read as 1
  }
  while (i < n && text[i] == ' ') ++i;
  if (i != n) return std::nullopt;

  const std::optional<ext::Extended> value = ext::Extended::FromDecimal(plain);
  if (!value) return std::nullopt;  // beyond even the extended range
  if (value->IsZero()) return value->ToDouble();
  const ext::Extended magnitude = value->Abs();
  if (magnitude < Smallest() || magnitude > Largest()) return std::nullopt;
  return value->ToDouble();
}

std::optional<double> Parse(std::string_view text, const NumberSymbols& symbols) {
  // Malformed bytes are no characters of a number; dropping grouping characters around them
  // could even join them into new ones.
  if (!utf8::IsValid(text)) return std::nullopt;
  if (symbols.grouping.empty() || text.find(symbols.grouping) == std::string_view::npos)
    return ParseUngrouped(text, symbols.decimal);
  return ParseUngrouped(utf8::Without(text, symbols.grouping), symbols.decimal);
}

}  // namespace

double ReadAmount(std::string_view text, const NumberSymbols& symbols) {
  return Parse(text, symbols).value_or(0.0);
}

bool IsNumber(std::string_view text, const NumberSymbols& symbols) {
  return Parse(text, symbols).has_value();
}

}  // namespace amount
