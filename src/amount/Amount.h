#pragma once

// The text of amounts: how an amount is shown, how typed text is read, and what typing into an
// amount field may do. All text is UTF-8; every position is a byte offset into it.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace amount {

struct NumberSymbols {
  std::string grouping;  // one character, or empty where the locale prints no grouping character
  std::string decimal;   // one character
  int currencyDecimals;  // how many decimals may be typed
};

// Symbols from raw locale settings: a setting of exactly one character is used as it stands,
// a longer one falls back to "," (grouping) or "." (decimal) on its own; an empty grouping setting
// means no grouping character, an empty decimal setting means "."; a negative or unspecified
// (CHAR_MAX) number of currency decimals means 2.
//   MakeNumberSymbols("\u202f", ",", 2) == {"\u202f", ",", 2}
//   MakeNumberSymbols("", ".", 127)      == {"", ".", 2}
NumberSymbols MakeNumberSymbols(std::string_view thousands, std::string_view decimal,
                                int currencyDecimals);

// The symbols of a locale by name, "" being the one the environment selects (LC_ALL,
// LC_NUMERIC/LC_MONETARY, LANG), read without touching the process's global locale, so that it
// can be read again after a change. A locale that cannot be loaded gives those of "C".
NumberSymbols LocaleNumberSymbols(const char* localeName = "");

// Shows an amount by a format of up to three sections, "positive;negative;zero". Digits are
// first taken to 18 significant digits (ties to even), then rounded half away from zero at the
// last decimal shown; what rounds to nothing but zeros is shown by the zero section. "0" is a
// digit always shown, "#" one shown only when significant, "." the decimal character, and a ","
// anywhere groups the integer digits in threes; other characters are copied. From 1e18 on the
// amount is shown with 15 significant digits in scientific form.
//   FormatAmount(1234.5, ",0.00;(,0.00)", {",", ".", 2})   == "1,234.50"
//   FormatAmount(-1234.5, "#,##0;-#,##0;0", {",", ".", 2}) == "-1,235"
//   FormatAmount(-0.004, ",0.00;(,0.00)", {",", ".", 2})   == "0.00"
//   FormatAmount(-1e20, ",0.00;(,0.00)", {",", ".", 2})    == "-1E20"
std::string FormatAmount(double amount, std::string_view format, const NumberSymbols& symbols);

// Reads typed text: grouping characters are dropped wherever they stand, then the text must be
// spaces, an optional sign, digits with an optional decimal character and digits (at least one
// digit or the decimal character), an optional exponent ("e" or "E", optional sign, digits that
// may be missing) and spaces. The value, taken at extended precision, must be 0 or lie between
// 5e-324 and 1.7e308 in magnitude; it is then rounded to double. Anything else, malformed UTF-8
// included, reads 0.
//   ReadAmount("1,234.5", {",", ".", 2}) == 1234.5     ReadAmount("1e", ...) == 1
//   ReadAmount(".", ...) == 0     ReadAmount("1e400", ...) == 0     ReadAmount("abc", ...) == 0
double ReadAmount(std::string_view text, const NumberSymbols& symbols);

// Whether ReadAmount reads the text as a number rather than falling back to 0; "" is not one.
bool IsNumber(std::string_view text, const NumberSymbols& symbols);

// What typing `typed` (one character) over the selection [selectionStart, selectionEnd) of
// `text` inserts: a typed "," or "." becomes the decimal character unless it is the grouping
// character. Empty where the character is refused: anything but a digit, "+", "-", "e", "E", the
// decimal or the grouping character; and, while the text is a number (an empty text counting as
// one), whatever would make it no number or give it more decimals than the locale's currency
// decimals. A "-" into a text that is empty outside the selection is always taken.
//   TypedCharacter("1.23", 4, 4, "4", {",", ".", 2}) == nullopt   (a third decimal)
//   TypedCharacter("12", 2, 2, ",", {".", ",", 2})   == "."       (the grouping character)
std::optional<std::string> TypedCharacter(std::string_view text, std::size_t selectionStart,
                                          std::size_t selectionEnd, std::string_view typed,
                                          const NumberSymbols& symbols);

struct EditedText {
  std::string text;
  std::size_t caret;
  bool operator==(const EditedText&) const = default;
};

// Puts the grouping characters of the integer digits back in threes after an edit; the caret
// stays after as many non-grouping characters as before. Leading and trailing spaces and
// everything from the first "e" or "E" on stay as they are; every other grouping character is
// dropped first. A text that is no number once its grouping characters are gone comes back
// unchanged.
//   Regroup("1234", 4, {",", ".", 2})  == {"1,234", 5}
//   Regroup("1,2345", 1, {",", ".", 2}) == {"12,345", 1}
EditedText Regroup(std::string_view text, std::size_t caret, const NumberSymbols& symbols);

}  // namespace amount
