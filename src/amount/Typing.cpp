#include <string>

#include "amount/Amount.h"
#include "amount/Utf8.h"

namespace amount {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Typing treats an empty text (once its grouping characters are gone) as a number too.
bool IsNumberOrEmpty(std::string_view text, const NumberSymbols& symbols) {
  return utf8::Without(text, symbols.grouping).empty() || IsNumber(text, symbols);
}

// Characters after the decimal character up to an exponent or the end, grouping not counted.
int DecimalsTyped(std::string_view text, const NumberSymbols& symbols) {
  const std::string plain = utf8::Without(text, symbols.grouping);
  const std::size_t point = plain.find(symbols.decimal);
  if (point == std::string::npos) return 0;
  std::string_view after = std::string_view(plain).substr(point + symbols.decimal.size());
  after = after.substr(0, after.find_first_of("eE"));
  return static_cast<int>(utf8::CountCharacters(after));
}

}  // namespace

std::optional<std::string> TypedCharacter(std::string_view text, std::size_t selectionStart,
                                          std::size_t selectionEnd, std::string_view typed,
                                          const NumberSymbols& symbols) {
  std::string character(typed);
  if ((typed == "," || typed == ".") && typed != symbols.grouping) character = symbols.decimal;

  const bool allowed =
      (character.size() == 1 && (IsDigit(character[0]) || character == "+" || character == "-" ||
                                 character == "e" || character == "E")) ||
      character == symbols.decimal || (!symbols.grouping.empty() && character == symbols.grouping);
  if (!allowed) return std::nullopt;

  const std::string_view before = text.substr(0, selectionStart);
  const std::string_view after = text.substr(selectionEnd);
  if (character == "-" && before.empty() && after.empty()) return character;
  if (!IsNumberOrEmpty(text, symbols)) return character;

  std::string result;
  result.reserve(text.size() + character.size());
  result.append(before).append(character).append(after);
  if (IsNumberOrEmpty(result, symbols) &&
      DecimalsTyped(result, symbols) <= symbols.currencyDecimals)
    return character;
  return std::nullopt;
}

EditedText Regroup(std::string_view text, std::size_t caret, const NumberSymbols& symbols) {
  const std::string_view grouping = symbols.grouping;
  if (grouping.empty()) return {std::string(text), caret};
  const std::string plain = utf8::Without(text, grouping);
  if (plain.empty() || !IsNumber(plain, symbols)) return {std::string(text), caret};

  // leading spaces | mantissa | trailing spaces | exponent, set aside from the first "e" or "E"
  const std::size_t exponentAt = std::min(text.find_first_of("eE"), text.size());
  const std::string head = utf8::Without(text.substr(0, exponentAt), grouping);
  const std::size_t first = std::min(head.find_first_not_of(' '), head.size());
  const std::size_t last = head.find_last_not_of(' ') + 1;
  const std::string_view mantissa = std::string_view(head).substr(first, last - first);

  // Walk left from the last integer digit, putting a grouping character before every third
  // digit that has a digit to its left.
  const std::size_t integerEnd = std::min(mantissa.find(symbols.decimal), mantissa.size());
  std::string reversed;
  reversed.reserve(mantissa.size() * 2);
  std::size_t i = integerEnd;
  int run = 0;
  for (; i > 0 && IsDigit(mantissa[i - 1]); --i) {
    reversed += mantissa[i - 1];
    if (++run % 3 == 0 && i >= 2 && IsDigit(mantissa[i - 2]))
      reversed.append(grouping.rbegin(), grouping.rend());
  }
  std::string regrouped;
  regrouped.reserve(text.size() + reversed.size());
  regrouped.append(head, 0, first);
  regrouped.append(mantissa.substr(0, i));
  regrouped.append(reversed.rbegin(), reversed.rend());
  regrouped.append(mantissa.substr(integerEnd));
  regrouped.append(head, last);
  regrouped.append(text.substr(exponentAt));

  // The caret goes after as many non-grouping bytes as stood before it.
  std::size_t kept = 0;
  for (std::size_t k = 0; k < caret && k < text.size();) {
    if (text.substr(k, grouping.size()) == grouping) {
      k += grouping.size();
    } else {
      ++kept;
      ++k;
    }
  }
  std::size_t newCaret = 0;
  while (kept > 0 && newCaret < regrouped.size()) {
    if (std::string_view(regrouped).substr(newCaret, grouping.size()) == grouping) {
      newCaret += grouping.size();
    } else {
      ++newCaret;
      --kept;
    }
  }
  return {std::move(regrouped), newCaret};
}

}  // namespace amount
