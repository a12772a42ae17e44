#include "engine/makernote/pentax_cipher.h"

namespace kelvane::maker {

namespace {

uint32_t BigEndian(std::span<const uint8_t> b) {
  return uint32_t{b[0]} << 24 | uint32_t{b[1]} << 16 | uint32_t{b[2]} << 8 | uint32_t{b[3]};
}

}  // namespace

std::optional<uint32_t> PentaxShutterCount(std::span<const uint8_t> stored,
                                           std::span<const uint8_t> date,
                                           std::span<const uint8_t> time) {
  if (stored.size() < 4 || date.size() < 4 || time.size() < 3) return std::nullopt;
  const uint8_t time_word[4] = {time[0], time[1], time[2], 0};
  return BigEndian(stored) ^ BigEndian(date) ^ ~BigEndian(time_word);
}

void DecipherPentaxShutterCount(std::span<uint8_t> block, std::span<const uint8_t> date,
                                std::span<const uint8_t> time) {
  const std::optional<uint32_t> count = PentaxShutterCount(block, date, time);
  if (!count) return;
  for (int i = 0; i < 4; ++i)
    block[static_cast<size_t>(i)] = static_cast<uint8_t>(*count >> (24 - 8 * i));
}

}  // namespace kelvane::maker
