// Typing and regrouping over random edit sequences, as the field applies them: regrouping keeps
// every non-grouping character and the number it reads, keeps the caret inside the text after
// as many non-grouping characters, and is idempotent; a character the rules accept into a number
// leaves a number.
#include <cstdint>
#include <cstring>
#include <string>

#include "FuzzCheck.h"
#include "amount/Utf8.h"

namespace {

std::size_t NonGroupingBefore(const std::string& text, std::size_t caret,
                              const std::string& grouping) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < caret && i < text.size();) {
    if (!grouping.empty() && text.compare(i, grouping.size(), grouping) == 0) {
      i += grouping.size();
    } else {
      ++count;
      ++i;
    }
  }
  return count;
}

bool NumberOrEmpty(const std::string& text, const amount::NumberSymbols& symbols) {
  return amount::utf8::Without(text, symbols.grouping).empty() || amount::IsNumber(text, symbols);
}

std::size_t Boundary(const std::string& text, std::size_t at) {
  at = std::min(at, text.size());
  while (at > 0 && at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) --at;
  return at;
}

void CheckRegroup(const std::string& text, std::size_t caret, const amount::NumberSymbols& symbols,
                  amount::EditedText& out) {
  out = amount::Regroup(text, caret, symbols);
  FUZZ_CHECK(out.caret <= out.text.size());
  FUZZ_CHECK(amount::utf8::Without(out.text, symbols.grouping) ==
             amount::utf8::Without(text, symbols.grouping));
  FUZZ_CHECK(NonGroupingBefore(out.text, out.caret, symbols.grouping) ==
             NonGroupingBefore(text, caret, symbols.grouping));
  if (out.text != text) {
    FUZZ_CHECK(amount::IsNumber(out.text, symbols));
    const double before = amount::ReadAmount(text, symbols);
    const double after = amount::ReadAmount(out.text, symbols);
    FUZZ_CHECK(std::memcmp(&before, &after, sizeof before) == 0);
  }
  const amount::EditedText again = amount::Regroup(out.text, out.caret, symbols);
  if (!(again == out))
    std::fprintf(stderr, "[%s] %zu regroups to [%s] %zu, and that to [%s] %zu\n", text.c_str(),
                 caret, out.text.c_str(), out.caret, again.text.c_str(), again.caret);
  FUZZ_CHECK(again == out);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const amount::NumberSymbols& symbols = FuzzSymbols(data[0]);
  const std::string keys[] = {"0",
                              "1",
                              "2",
                              "5",
                              "9",
                              "+",
                              "-",
                              "e",
                              "E",
                              ".",
                              ",",
                              " ",
                              "a",
                              symbols.grouping,
                              symbols.decimal,
                              "\u200f",
                              "\t",
                              "\xff"};
  std::string text;
  std::size_t caret = 0;
  for (std::size_t i = 1; i + 1 < size; i += 2) {
    const std::uint8_t op = data[i], arg = data[i + 1];
    std::size_t start = caret, end = caret;
    switch (op % 6) {
      case 0:
      case 1:
      case 2: {  // type a key over a selection ending at the caret
        if (op % 3 == 2) start = Boundary(text, arg % (caret + 1));
        const std::string& key = keys[arg % std::size(keys)];
        const bool wasNumber = NumberOrEmpty(text, symbols);
        const auto inserted = amount::TypedCharacter(text, start, end, key, symbols);
        if (!inserted) continue;
        std::string next = text;
        next.replace(start, end - start, *inserted);
        const bool loneMinus = *inserted == "-" && next == "-";
        if (wasNumber && !loneMinus) FUZZ_CHECK(NumberOrEmpty(next, symbols));
        text = std::move(next);
        caret = start + inserted->size();
        break;
      }
      case 3:  // move the caret
        caret = Boundary(text, arg % (text.size() + 1));
        continue;
      case 4: {  // backspace
        if (caret == 0) continue;
        const std::size_t previous = Boundary(text, caret - 1);
        text.erase(previous, caret - previous);
        caret = previous;
        break;
      }
      case 5: {  // paste whatever the next bytes hold
        const std::size_t length = std::min<std::size_t>(arg % 16, size - i - 2);
        text.insert(caret, reinterpret_cast<const char*>(data) + i + 2, length);
        caret += length;
        i += length;
        break;
      }
    }
    amount::EditedText regrouped;
    CheckRegroup(text, caret, symbols, regrouped);
    text = std::move(regrouped.text);
    caret = regrouped.caret;
  }
  return 0;
}
