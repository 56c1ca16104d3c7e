#include <langinfo.h>
#include <locale.h>

#include <climits>

#include "amount/Amount.h"
#include "amount/Utf8.h"

namespace amount {

NumberSymbols MakeNumberSymbols(std::string_view thousands, std::string_view decimal,
                                int currencyDecimals) {
  NumberSymbols symbols;
  symbols.decimal = decimal.empty() ? "." : utf8::CountCharacters(decimal) == 1 ? decimal : ".";
  symbols.grouping = thousands.empty()                       ? ""
                     : utf8::CountCharacters(thousands) == 1 ? thousands
                                                             : ",";
  // One character cannot both group and mark decimals; reading would then lose the decimals.
  if (symbols.grouping == symbols.decimal) symbols.grouping.clear();
  symbols.currencyDecimals =
      currencyDecimals < 0 || currencyDecimals == CHAR_MAX ? 2 : currencyDecimals;
  return symbols;
}

NumberSymbols LocaleNumberSymbols(const char* localeName) {
  locale_t locale = newlocale(LC_NUMERIC_MASK | LC_MONETARY_MASK, localeName, locale_t{});
  if (locale == locale_t{}) locale = newlocale(LC_NUMERIC_MASK | LC_MONETARY_MASK, "C", locale_t{});
  const char* thousands = nl_langinfo_l(THOUSEP, locale);
  const char* decimal = nl_langinfo_l(RADIXCHAR, locale);
  // glibc gives the number of currency decimals as the first byte of the answer
  const int fractionDigits = static_cast<signed char>(*nl_langinfo_l(FRAC_DIGITS, locale));
  NumberSymbols symbols = MakeNumberSymbols(thousands, decimal, fractionDigits);
  freelocale(locale);
  return symbols;
}

}  // namespace amount
