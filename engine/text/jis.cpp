#include "engine/text/jis.h"

namespace kelvane::text {

namespace {
constexpr uint8_t kEsc = 0x1B;
constexpr uint8_t kShiftOut = 0x0E;  // two-byte characters follow
constexpr uint8_t kShiftIn = 0x0F;   // single bytes follow
}  // namespace

std::string JisCharToSjis(uint8_t c1, uint8_t c2) {
  // Every step is 8-bit arithmetic, as the mapping is defined.
  if (c1 & 1)
    c2 = static_cast<uint8_t>(c2 + (c2 <= 0x5F ? 0x1F : 0x20));
  else
    c2 = static_cast<uint8_t>(c2 + 0x7E);
  const uint8_t half = static_cast<uint8_t>(static_cast<uint8_t>(c1 + 1) >> 1);
  c1 = static_cast<uint8_t>(half + (c1 < 0x5F ? 0x70 : 0xB0));
  return std::string{static_cast<char>(c1), static_cast<char>(c2)};
}

void JisShiftDecoder::Feed(uint8_t b) {
  if (has_first_) {
    text_ += JisCharToSjis(first_, b);
    has_first_ = false;
    return;
  }
  if (b == kShiftOut) {
    two_byte_ = true;
  } else if (b == kShiftIn) {
    two_byte_ = false;
  } else if (two_byte_) {
    first_ = b;
    has_first_ = true;
  } else if (b != 0) {
    text_.push_back(static_cast<char>(b));
  }
}

std::string JisEscapeToSjis(std::string_view s) {
  std::string out;
  bool two_byte = false;
  size_t i = 0;
  while (i < s.size()) {
    if (static_cast<uint8_t>(s[i]) == kEsc) {
      if (i + 1 < s.size()) {
        if (s[i + 1] == '$') two_byte = true;
        if (s[i + 1] == '(') two_byte = false;
      }
      i += 3;
      // The byte after the sequence is taken as text without a new ESC test.
      if (i >= s.size()) break;
    }
    if (two_byte) {
      if (i + 1 >= s.size()) break;
      out += JisCharToSjis(static_cast<uint8_t>(s[i]), static_cast<uint8_t>(s[i + 1]));
      i += 2;
    } else {
      out.push_back(s[i]);
      i += 1;
    }
  }
  return out;
}

}  // namespace kelvane::text
