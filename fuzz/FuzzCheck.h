#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "amount/Amount.h"

// Stops the run with a message when an invariant fails, so that the fuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                            \
  do {                                                                                   \
    if (!(condition)) {                                                                  \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                      \
    }                                                                                    \
  } while (false)

// Number symbols of the kinds glibc's locales have, picked by one byte of the input.
inline const amount::NumberSymbols& FuzzSymbols(unsigned char pick) {
  static const amount::NumberSymbols kSymbols[] = {
      {",", ".", 2},            // English
      {".", ",", 2},            // German
      {"\u202f", ",", 2},       // French: narrow no-break space
      {"", ".", 2},             // C: no grouping
      {"\u2019", ".", 2},       // Swiss: right single quotation mark
      {"'", ".", 0},            // no currency decimals
      {"\u066c", "\u066b", 3},  // Arabic separators, three decimals
      {" ", ",", 2},            // a plain space groups
  };
  return kSymbols[pick % std::size(kSymbols)];
}
