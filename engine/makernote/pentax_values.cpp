#include "engine/makernote/pentax_values.h"

#include <cstdio>

#include "engine/makernote/lenses_pentax.h"

namespace kelvane::maker {

std::string PentaxHex(std::span<const uint8_t> bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (uint8_t b : bytes) {
    text.push_back(kDigits[b >> 4]);
    text.push_back(kDigits[b & 15]);
  }
  return text;
}

std::string PentaxDateText(std::span<const uint8_t> bytes) {
  if (bytes.size() < 4) return PentaxHex(bytes);
  char text[16];
  std::snprintf(text, sizeof text, "%04u:%02u:%02u", unsigned{bytes[0]} << 8 | bytes[1],
                unsigned{bytes[2]}, unsigned{bytes[3]});
  return text;
}

std::string PentaxTimeText(std::span<const uint8_t> bytes) {
  if (bytes.size() < 3) return PentaxHex(bytes);
  char text[16];
  std::snprintf(text, sizeof text, "%02u:%02u:%02u", unsigned{bytes[0]}, unsigned{bytes[1]},
                unsigned{bytes[2]});
  return text;
}

std::string PentaxLensText(std::span<const uint8_t> bytes) {
  if (bytes.size() < 2) return PentaxHex(bytes);
  return LensText(kPentaxLenses, uint32_t{bytes[0]} << 8 | bytes[1], LensClues{});
}

}  // namespace kelvane::maker
