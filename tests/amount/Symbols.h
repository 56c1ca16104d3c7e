#pragma once

#include "amount/Amount.h"

// Fixed symbols, so that no test depends on the locales the machine happens to have.
inline const amount::NumberSymbols kEnglish{",", ".", 2};
inline const amount::NumberSymbols kGerman{".", ",", 2};
inline const amount::NumberSymbols kNarrowSpace{"\u202f", ",", 2};  // multi-byte grouping
inline const amount::NumberSymbols kNoGrouping{"", ".", 2};

constexpr const char* kInteger = "#,##0;-#,##0;0";
constexpr const char* kMoney = ",0.00;(,0.00)";
