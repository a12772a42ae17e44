// JIS X 0208 text (7-bit, ISO-2022-JP style) to Shift_JIS bytes: the
// per-character mapping, the SO/SI switched form IPTC text uses, and the
// escape-sequence switched form of Exif user comments.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvane::text {

// One two-byte JIS X 0208 character as its two Shift_JIS bytes.
std::string JisCharToSjis(uint8_t c1, uint8_t c2);

// Text switched by SO (0x0E, two-byte characters) and SI (0x0F, single
// bytes), fed one byte at a time. In single-byte mode NUL bytes are dropped.
class JisShiftDecoder {
 public:
  void Feed(uint8_t b);
  // True after the first byte of a two-byte character.
  bool MidCharacter() const { return has_first_; }
  const std::string& Text() const { return text_; }

 private:
  bool two_byte_ = false;
  bool has_first_ = false;
  uint8_t first_ = 0;
  std::string text_;
};

// A whole string switched by escape sequences: ESC '$' .. selects two-byte
// characters, ESC '(' .. single bytes; each sequence is three bytes long.
// A string that ends inside a sequence or after half a character ends there.
std::string JisEscapeToSjis(std::string_view s);

}  // namespace kelvane::text
