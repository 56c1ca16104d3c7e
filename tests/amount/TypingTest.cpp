#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "Symbols.h"
#include "amount/Amount.h"

namespace amount {
void PrintTo(const EditedText& e, std::ostream* os) {
  *os << '"' << e.text << "\" caret " << e.caret;
}
}  // namespace amount

namespace {

using amount::EditedText;
using amount::Regroup;
using amount::TypedCharacter;

struct TypingCase {
  std::string name;
  std::string text;
  std::size_t selectionStart, selectionEnd;
  std::string typed;
  amount::NumberSymbols symbols;
  std::optional<std::string> inserted;  // nullopt: refused
};
void PrintTo(const TypingCase& c, std::ostream* os) {
  *os << c.name;
}

class TypingTest : public testing::TestWithParam<TypingCase> {};

TEST_P(TypingTest, AcceptsMapsOrRefuses) {
  const TypingCase& c = GetParam();
  EXPECT_EQ(TypedCharacter(c.text, c.selectionStart, c.selectionEnd, c.typed, c.symbols),
            c.inserted);
}

const std::nullopt_t kRefused = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Rules, TypingTest,
    testing::Values(
        TypingCase{"DigitIntoEmpty", "", 0, 0, "5", kEnglish, "5"},
        TypingCase{"Letter", "12", 2, 2, "a", kEnglish, kRefused},
        TypingCase{"SpaceIsRefused", "12", 2, 2, " ", kEnglish, kRefused},
        TypingCase{"PointIsTheDecimal", "12", 2, 2, ".", kEnglish, "."},
        TypingCase{"CommaIsTheEnglishGrouping", "12", 2, 2, ",", kEnglish, ","},
        TypingCase{"CommaBecomesTheGermanDecimal", "12", 2, 2, ",", kGerman, ","},
        TypingCase{"PointIsTheGermanGrouping", "12", 2, 2, ".", kGerman, "."},
        TypingCase{"CommaBecomesTheDecimalWithoutGrouping", "12", 2, 2, ",", kNoGrouping, "."},
        TypingCase{"PointBecomesTheNarrowSpaceLocaleDecimal", "12", 2, 2, ".", kNarrowSpace, ","},
        TypingCase{"NarrowSpaceGroupingTyped", "12", 2, 2, "\u202f", kNarrowSpace, "\u202f"},
        TypingCase{"SecondDecimalRefused", "1.5", 3, 3, ".", kEnglish, kRefused},
        TypingCase{"SecondDecimalAllowed", "1.5", 3, 3, "5", kEnglish, "5"},
        TypingCase{"ThirdDecimalRefused", "1.55", 4, 4, "5", kEnglish, kRefused},
        TypingCase{"ThirdDecimalOverSelection", "1.55", 3, 4, "9", kEnglish, "9"},
        TypingCase{"DecimalsLimitFollowsTheLocale", "1.5", 3, 3, "5", {",", ".", 1}, kRefused},
        TypingCase{"NoDecimalsInTheLocale", "1.", 2, 2, "5", {",", ".", 0}, kRefused},
        TypingCase{"ExponentDigitsAreNoDecimals", "1.55e", 5, 5, "3", kEnglish, "3"},
        TypingCase{"GroupingIsNotADecimal", "1.5", 3, 3, ",", kEnglish, ","},
        TypingCase{"LoneMinus", "", 0, 0, "-", kEnglish, "-"},
        TypingCase{"MinusOverTheWholeText", "123", 0, 3, "-", kEnglish, "-"},
        TypingCase{"LonePlusRefused", "", 0, 0, "+", kEnglish, kRefused},
        TypingCase{"PlusBeforeDigits", "12", 0, 0, "+", kEnglish, "+"},
        TypingCase{"MinusAfterDigitsRefused", "12", 2, 2, "-", kEnglish, kRefused},
        TypingCase{"AnythingAllowedGoesIntoNoNumber", "-", 1, 1, "+", kEnglish, "+"},
        TypingCase{"DigitAfterLoneMinus", "-", 1, 1, "7", kEnglish, "7"},
        TypingCase{"PastedLettersTakeAnyAllowedCharacter", "abc", 3, 3, "e", kEnglish, "e"},
        TypingCase{"PastedLettersStillRefuseLetters", "abc", 3, 3, "x", kEnglish, kRefused},
        TypingCase{"ExponentMark", "12", 2, 2, "e", kEnglish, "e"},
        TypingCase{"ExponentOutOfRangeRefused", "1e30", 4, 4, "9", kEnglish, kRefused},
        TypingCase{"ExponentInRange", "1e30", 4, 4, "0", kEnglish, "0"},
        TypingCase{"GroupingCharacterAnywhere", "1234", 1, 1, ",", kEnglish, ","}),
    [](const testing::TestParamInfo<TypingCase>& info) { return info.param.name; });

// Types characters one at a time at the caret, regrouping after each, as the field does.
EditedText TypeInto(EditedText field, const std::string& keys, const amount::NumberSymbols& s,
                    std::vector<std::string>* shown = nullptr) {
  for (char key : keys) {
    const auto inserted = TypedCharacter(field.text, field.caret, field.caret, {&key, 1}, s);
    if (!inserted) continue;
    field.text.insert(field.caret, *inserted);
    field = Regroup(field.text, field.caret + inserted->size(), s);
    if (shown) shown->push_back(field.text);
  }
  return field;
}

TEST(Regrouping, Typing1234ShowsEachStep) {
  std::vector<std::string> shown;
  const EditedText end = TypeInto({"", 0}, "1234", kEnglish, &shown);
  EXPECT_EQ(shown, (std::vector<std::string>{"1", "12", "123", "1,234"}));
  EXPECT_EQ(end.caret, end.text.size());
}

TEST(Regrouping, TypingAMillionWithDecimalsInEachLocale) {
  EXPECT_EQ(TypeInto({"", 0}, "-1234567.891", kEnglish).text, "-1,234,567.89");
  EXPECT_EQ(TypeInto({"", 0}, "1234567,5", kGerman).text, "1.234.567,5");
  EXPECT_EQ(TypeInto({"", 0}, "1234567.5", kNarrowSpace).text, "1\u202f234\u202f567,5");
}

struct RegroupCase {
  std::string name;
  std::string text;
  std::size_t caret;
  amount::NumberSymbols symbols;
  std::string regrouped;
  std::size_t caretAfter;
};
void PrintTo(const RegroupCase& c, std::ostream* os) {
  *os << c.name;
}

class RegroupTest : public testing::TestWithParam<RegroupCase> {};

TEST_P(RegroupTest, RegroupsAndKeepsTheCaret) {
  const RegroupCase& c = GetParam();
  EXPECT_EQ(Regroup(c.text, c.caret, c.symbols), (EditedText{c.regrouped, c.caretAfter}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegroupTest,
    testing::Values(
        RegroupCase{"AddsAGroup", "1234", 4, kEnglish, "1,234", 5},
        RegroupCase{"CaretBeforeAFollowingGroupingCharacter", "1234", 1, kEnglish, "1,234", 1},
        RegroupCase{"MovesGroupsAfterAnInsertion", "1,2345", 3, kEnglish, "12,345", 2},
        RegroupCase{"DropsAGroupAfterADeletion", "1,34", 1, kEnglish, "134", 1},
        RegroupCase{"StrayGroupingRemoved", "12,,3", 4, kEnglish, "123", 2},
        RegroupCase{"DecimalsNotGrouped", "1234.5678", 9, kEnglish, "1,234.5678", 10},
        RegroupCase{"SignKept", "-1234", 5, kEnglish, "-1,234", 6},
        RegroupCase{"BlanksStayInPlace", "  1234 ", 6, kEnglish, "  1,234 ", 7},
        RegroupCase{"ExponentSetAside", "1234e1,2", 8, kEnglish, "1,234e1,2", 9},
        RegroupCase{"GroupingAmongTrailingBlanksDropped", "1234 .", 6, kGerman, "1.234 ", 6},
        RegroupCase{"NoNumberUnchanged", "12a34", 5, kEnglish, "12a34", 5},
        RegroupCase{"LoneMinusUnchanged", "-", 1, kEnglish, "-", 1},
        RegroupCase{"OnlyGroupingUnchanged", ",", 1, kEnglish, ",", 1},
        RegroupCase{"OutOfRangeUnchanged", "1234e400", 8, kEnglish, "1234e400", 8},
        RegroupCase{"NoGroupingCharacter", "1234", 4, kNoGrouping, "1234", 4},
        RegroupCase{"MultiByteGrouping", "1234567", 7, kNarrowSpace, "1\u202f234\u202f567", 13},
        RegroupCase{"MultiByteCaretInTheMiddle", "1\u202f2345", 5, kNarrowSpace, "12\u202f345", 2}),
    [](const testing::TestParamInfo<RegroupCase>& info) { return info.param.name; });

}  // namespace
