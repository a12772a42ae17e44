// Pentax's shutter count (note tag 0x005D) is not stored as the number: the
// body XORs it with the note's date (tag 0x0006: the year in two bytes, the
// month, the day) and with the bitwise inverse of its time (tag 0x0007: the
// hour, minute and second, then a zero byte), each read as a four-byte
// big-endian word. Changing the date or time in a note changes the count
// read from it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace kelvane::maker {

// The shutter count from the four stored bytes and the note's date and
// time bytes; nothing when any of them is cut short.
std::optional<uint32_t> PentaxShutterCount(std::span<const uint8_t> stored,
                                           std::span<const uint8_t> date,
                                           std::span<const uint8_t> time);

// Deciphers the first four bytes of `block` in place into the count as a
// big-endian word; a block, date or time cut short leaves it as it is.
void DecipherPentaxShutterCount(std::span<uint8_t> block, std::span<const uint8_t> date,
                                std::span<const uint8_t> time);

}  // namespace kelvane::maker
