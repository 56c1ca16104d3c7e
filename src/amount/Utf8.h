#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace amount::utf8 {

// Length in bytes of the character that starts with `lead` (1 for a stray continuation byte, so
// that malformed text still advances).
inline std::size_t CharLength(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF7) return 4;
  if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
  if (lead >= 0xC0) return 2;
  return 1;
}

// Whether the text is well-formed UTF-8 (no stray, missing or overlong-lead bytes).
inline bool IsValid(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char lead = text[i];
    if (lead < 0x80) {
      ++i;
      continue;
    }
    if (lead < 0xC2 || lead > 0xF4) return false;
    const std::size_t length = CharLength(lead);
    if (text.size() - i < length) return false;
    for (std::size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += length;
  }
  return true;
}

inline std::size_t CountCharacters(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); i += CharLength(text[i])) ++count;
  return count;
}

// The text without any occurrence of `piece`; the text itself where `piece` is empty.
inline std::string Without(std::string_view text, std::string_view piece) {
  if (piece.empty()) return std::string(text);
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (text.substr(i, piece.size()) == piece) {
      i += piece.size();
    } else {
      result += text[i++];
    }
  }
  return result;
}

}  // namespace amount::utf8
