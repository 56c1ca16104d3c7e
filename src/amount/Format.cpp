#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "amount/Amount.h"
#include "amount/Utf8.h"

namespace amount {
namespace {

// A magnitude as significant digits and the place of the decimal point:
// value = 0.digits × 10^point. Zero has no digits.
struct Decimal {
  std::string digits;
  int point = 0;
  bool IsZero() const { return digits.empty(); }
};

void DropTrailingZeros(Decimal& d) {
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
}

// The magnitude to 18 significant digits, rounded to nearest with ties to even.
Decimal EighteenDigits(double magnitude) {
  char buffer[40];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 17);
  const std::string_view text(buffer, result.ptr - buffer);  // "d.ddddddddddddddddde+XX"
  Decimal d;
  d.digits.reserve(18);
  d.digits += text[0];
  d.digits.append(text.substr(2, 17));
  const std::size_t e = text.find('e');
  int exponent = 0;
  const char* expStart = text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0);
  std::from_chars(expStart, text.data() + text.size(), exponent);
  d.point = exponent + 1;
  DropTrailingZeros(d);
  if (d.digits.empty()) d.point = 0;
  return d;
}

// Keeps the first `keep` digits, rounding half away from zero on the first digit dropped.
Decimal RoundToDigits(Decimal d, int keep) {
  if (keep >= static_cast<int>(d.digits.size())) return d;
  if (keep < 0) return {};
  const bool up = d.digits[keep] >= '5';
  d.digits.resize(keep);
  if (up) {
    int i = keep - 1;
    while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
    if (i < 0) {
      d.digits.insert(d.digits.begin(), '1');
      ++d.point;
    } else {
      ++d.digits[i];
    }
  }
  DropTrailingZeros(d);
  if (d.digits.empty()) d.point = 0;
  return d;
}

struct Token {
  bool isDigit;
  bool zero;         // a "0" placeholder rather than "#"
  std::string text;  // a literal's characters
};

struct Section {
  std::vector<Token> integerPart;   // up to the decimal placeholder
  std::vector<Token> fractionPart;  // after it
  bool hasPoint = false;
  bool grouping = false;
  int minIntegerDigits = 0;
  int maxDecimals = 0;
  int minDecimals = 0;
};

Section ParseSection(std::string_view format) {
  Section s;
  for (std::size_t i = 0; i < format.size();) {
    std::vector<Token>& part = s.hasPoint ? s.fractionPart : s.integerPart;
    const char c = format[i];
    if (c == '0' || c == '#') {
      part.push_back({true, c == '0', {}});
      ++i;
    } else if (c == '.' && !s.hasPoint) {
      s.hasPoint = true;
      ++i;
    } else if (c == ',') {
      s.grouping = true;
      ++i;
    } else if (c == '"' || c == '\'') {
      const std::size_t close = format.find(c, i + 1);
      const std::size_t end = close == std::string_view::npos ? format.size() : close;
      part.push_back({false, false, std::string(format.substr(i + 1, end - i - 1))});
      i = close == std::string_view::npos ? end : end + 1;
    } else {
      const std::size_t length = utf8::CharLength(c);
      part.push_back({false, false, std::string(format.substr(i, length))});
      i += length;
    }
  }
  bool anyIntegerDigit = false;
  for (const Token& t : s.integerPart) {
    if (!t.isDigit) continue;
    anyIntegerDigit = true;
    if (t.zero || s.minIntegerDigits > 0) ++s.minIntegerDigits;
  }
  // Integer digits always have a place to go: before the point if the section names none.
  if (!anyIntegerDigit) s.integerPart.push_back({true, false, {}});
  for (const Token& t : s.fractionPart) {
    if (!t.isDigit) continue;
    ++s.maxDecimals;
    if (t.zero) s.minDecimals = s.maxDecimals;
  }
  return s;
}

std::string Render(const Section& s, const Decimal& d, const NumberSymbols& symbols) {
  std::string integer;
  for (int i = 0; i < d.point; ++i)
    integer += i < static_cast<int>(d.digits.size()) ? d.digits[i] : '0';
  if (static_cast<int>(integer.size()) < s.minIntegerDigits)
    integer.insert(0, s.minIntegerDigits - integer.size(), '0');

  std::string fraction;
  for (int j = 0; j < s.maxDecimals; ++j) {
    const int index = d.point + j;
    fraction += index >= 0 && index < static_cast<int>(d.digits.size()) ? d.digits[index] : '0';
  }
  while (static_cast<int>(fraction.size()) > s.minDecimals && fraction.back() == '0')
    fraction.pop_back();

  std::string out;
  const int length = static_cast<int>(integer.size());
  const bool group = s.grouping && !symbols.grouping.empty();
  auto emitDigit = [&](int i) {
    if (group && i > 0 && (length - i) % 3 == 0) out += symbols.grouping;
    out += integer[i];
  };
  int placeholders = 0;
  for (const Token& t : s.integerPart) placeholders += t.isDigit ? 1 : 0;
  int placeholder = 0;
  for (const Token& t : s.integerPart) {
    if (!t.isDigit) {
      out += t.text;
      continue;
    }
    // Digits fill the placeholders from the right; the leftmost takes all that are left over.
    const int index = length - placeholders + placeholder;
    if (placeholder == 0) {
      for (int i = 0; i <= index; ++i) emitDigit(i);
    } else if (index >= 0) {
      emitDigit(index);
    }
    ++placeholder;
  }
  if (!fraction.empty()) out += symbols.decimal;
  std::size_t next = 0;
  for (const Token& t : s.fractionPart) {
    if (!t.isDigit) {
      out += t.text;
    } else if (next < fraction.size()) {
      out += fraction[next++];
    }
  }
  return out;
}

std::string Scientific(double magnitude, bool negative, const NumberSymbols& symbols) {
  const Decimal d = RoundToDigits(EighteenDigits(magnitude), 15);
  std::string out = negative ? "-" : "";
  out += d.digits[0];
  if (d.digits.size() > 1) {
    out += symbols.decimal;
    out.append(d.digits, 1);
  }
  out += 'E';
  out += std::to_string(d.point - 1);
  return out;
}

// The sections of "positive;negative;zero"; a missing or empty one is shown by the first.
struct Sections {
  std::string_view text[3];
  std::size_t Pick(std::size_t wanted) const { return text[wanted].empty() ? 0 : wanted; }
};

Sections SplitSections(std::string_view format) {
  Sections sections;
  for (std::size_t k = 0; k < 2; ++k) {
    const std::size_t end = format.find(';');
    sections.text[k] = format.substr(0, end);
    if (end == std::string_view::npos) return sections;
    format.remove_prefix(end + 1);
  }
  sections.text[2] = format;
  return sections;
}

}  // namespace

std::string FormatAmount(double amount, std::string_view format, const NumberSymbols& symbols) {
  const bool negative = std::signbit(amount);
  if (std::isnan(amount)) return "NAN";
  if (std::isinf(amount)) return negative ? "-INF" : "INF";
  const double magnitude = std::fabs(amount);
  if (magnitude >= 1e18) return Scientific(magnitude, negative, symbols);

  const Sections sections = SplitSections(format);
  const std::size_t shown = sections.Pick(negative ? 1 : amount == 0 ? 2 : 0);
  const Section section = ParseSection(sections.text[shown]);
  const Decimal digits = EighteenDigits(magnitude);
  const Decimal rounded = RoundToDigits(digits, digits.point + section.maxDecimals);
  if (rounded.IsZero()) return Render(ParseSection(sections.text[sections.Pick(2)]), {}, symbols);
  // A negative amount shown by the first section has no sign of its own there.
  if (negative && shown == 0) {
    std::string out = "-";
    return out += Render(section, rounded, symbols);
  }
  return Render(section, rounded, symbols);
}

}  // namespace amount
