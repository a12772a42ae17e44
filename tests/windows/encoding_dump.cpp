// Prints what the CP932 conversions make of every single byte, every byte
// pair and every character of the BMP. Built for Linux (glibc iconv) and
// for Windows (the system's code page 932); the two prints must be equal.
// (Utf8ToCp932 is given valid UTF-8 only: rows are normalised on entry.)
#include <cstdio>
#include <string>

#include "engine/text/encoding.h"

namespace {

void Hex(const std::string& s) {
  for (char c : s) std::printf("%02X", static_cast<unsigned>(static_cast<unsigned char>(c)));
  std::printf("\n");
}

std::string Utf8(unsigned cp) {
  std::string s;
  if (cp < 0x80) {
    s += static_cast<char>(cp);
  } else if (cp < 0x800) {
    s += static_cast<char>(0xC0 | (cp >> 6));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    s += static_cast<char>(0xE0 | (cp >> 12));
    s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (cp >> 18));
    s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return s;
}

}  // namespace

int main() {
  using kelvane::text::Cp932ToUtf8;
  using kelvane::text::Utf8ToCp932;
  for (unsigned b = 0; b < 0x100; ++b) {
    std::printf("%02X ", b);
    Hex(Cp932ToUtf8(std::string(1, static_cast<char>(b)) + "A"));
  }
  for (unsigned lead = 0x80; lead < 0x100; ++lead) {
    for (unsigned trail = 0; trail < 0x100; ++trail) {
      std::printf("%02X%02X ", lead, trail);
      Hex(Cp932ToUtf8(std::string{static_cast<char>(lead), static_cast<char>(trail), 'A'}));
    }
  }
  for (unsigned cp = 1; cp < 0x10000; ++cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    std::printf("U+%04X ", cp);
    Hex(Utf8ToCp932(Utf8(cp) + "A"));
  }
  for (unsigned cp : {0x10000u, 0x1F600u, 0x10FFFFu}) {
    std::printf("U+%X ", cp);
    Hex(Utf8ToCp932("a" + Utf8(cp) + "b"));
  }
  return 0;
}
