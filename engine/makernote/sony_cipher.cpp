#include "engine/makernote/sony_cipher.h"

#include <array>

namespace kelvane::maker {

namespace {

constexpr uint32_t kModulus = 249;

constexpr uint8_t Power(uint32_t b, uint32_t exponent) {
  uint32_t result = 1;
  for (uint32_t i = 0; i < exponent; ++i) result = result * b % kModulus;
  return static_cast<uint8_t>(result);
}

// b -> b^e mod 249 for the bytes below 249; the others map to themselves.
constexpr std::array<uint8_t, 256> Table(uint32_t exponent) {
  std::array<uint8_t, 256> table{};
  for (uint32_t b = 0; b < 256; ++b)
    table[b] = b < kModulus ? Power(b, exponent) : static_cast<uint8_t>(b);
  return table;
}

constexpr std::array<uint8_t, 256> kEncipher = Table(3);
constexpr std::array<uint8_t, 256> kDecipher = Table(55);

// The two tables undo each other.
constexpr bool Inverse() {
  for (uint32_t b = 0; b < 256; ++b)
    if (kDecipher[kEncipher[b]] != b) return false;
  return true;
}
static_assert(Inverse());

}  // namespace

void SonyDecipher(std::span<uint8_t> block) {
  for (uint8_t& b : block) b = kDecipher[b];
}

void SonyDecipherBlock(std::span<uint8_t> block, const NoteFacts&) { SonyDecipher(block); }

void SonyEncipher(std::span<uint8_t> block) {
  for (uint8_t& b : block) b = kEncipher[b];
}

}  // namespace kelvane::maker
