// Text conversions: rows leave the engine as UTF-8; camera and IPTC text that
// is not UTF-8 is Shift_JIS, read as Windows code page 932.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

namespace kelvane::text {

// Whether `s` is well-formed UTF-8. The compiler uses it too: the decoders'
// name tables are checked with it when they are compiled.
constexpr bool IsValidUtf8(std::string_view s) {
  const char* p = s.data();
  const char* const end = p + s.size();
  auto byte = [](const char* at) -> unsigned { return static_cast<unsigned char>(*at); };
  while (p < end) {
    const unsigned c = byte(p);
    if (c < 0x80) {
      // A run of ASCII, eight bytes at a time.
      if (!std::is_constant_evaluated()) {
        for (uint64_t word; end - p >= 8; p += 8) {
          std::memcpy(&word, p, 8);
          if (word & 0x8080808080808080ull) break;
        }
      }
      while (p < end && byte(p) < 0x80) ++p;
      continue;
    }
    // Most characters of Japanese text: three bytes led by E1..EC or EE..EF.
    if (c >= 0xE1 && c <= 0xEF && c != 0xED) {
      if (end - p < 3) return false;
      if (((byte(p + 1) & 0xC0) ^ 0x80) | ((byte(p + 2) & 0xC0) ^ 0x80)) return false;
      p += 3;
      continue;
    }
    // The second byte's range rules out overlong forms, surrogates and
    // code points past U+10FFFF.
    unsigned length, low = 0x80, high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
      length = 2;
    } else if (c == 0xE0 || c == 0xED) {
      length = 3;
      if (c == 0xE0) low = 0xA0;
      if (c == 0xED) high = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      length = 4;
      if (c == 0xF0) low = 0x90;
      if (c == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (static_cast<size_t>(end - p) < length) return false;
    if (byte(p + 1) < low || byte(p + 1) > high) return false;
    for (unsigned k = 2; k < length; ++k)
      if ((byte(p + k) & 0xC0) != 0x80) return false;
    p += length;
  }
  return true;
}

// Appends the character `c` (at most U+10FFFF) to `out` as UTF-8.
void AppendUtf8(std::string& out, uint32_t c);

// CP932 bytes to UTF-8; a byte sequence that decodes to nothing becomes
// U+FFFD. NUL bytes are kept.
std::string Cp932ToUtf8(std::string_view s);

// UTF-8 to CP932; a character CP932 cannot hold becomes "?".
std::string Utf8ToCp932(std::string_view s);

// The normalisation every row text passes through: valid UTF-8 is kept,
// anything else is decoded as CP932.
std::string RowText(std::string_view s);
// The same normalisation, in place.
inline void MakeRowText(std::string& s) {
  if (!IsValidUtf8(s)) s = Cp932ToUtf8(s);
}

}  // namespace kelvane::text
