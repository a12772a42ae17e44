// Four-character signatures as ICC profiles and ISO boxes store them: four
// bytes, read as one big-endian number so that vocabularies can list them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvane::icc {

constexpr int64_t Sig(const char (&s)[5]) {
  return static_cast<int64_t>((uint32_t{static_cast<unsigned char>(s[0])} << 24) |
                              (uint32_t{static_cast<unsigned char>(s[1])} << 16) |
                              (uint32_t{static_cast<unsigned char>(s[2])} << 8) |
                              uint32_t{static_cast<unsigned char>(s[3])});
}

// The signature as a person reads it: its characters with trailing spaces
// dropped ("RGB "  is "RGB"), or "0x" and eight hex digits when a byte is
// not printable ASCII; empty for a signature of zeros.
std::string SignatureText(uint32_t signature);

}  // namespace kelvane::icc
