// Pentax value texts that need more than a vocabulary: the note's own date
// and time (kept as the note's date-and-time fact for the shutter count),
// the shutter count, deciphered with them, and the lens by its two-byte
// LensType.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "engine/makernote/maker_record.h"

namespace kelvane::maker {

// Date (0x0006): the year in two bytes, month, day -> "2008:03:02".
std::optional<std::string> PentaxDateText(std::span<const uint8_t> bytes, bool intel,
                                          uint16_t type, NoteFacts& facts);
// Time (0x0007): hour, minute, second -> "12:01:23".
std::optional<std::string> PentaxTimeText(std::span<const uint8_t> bytes, bool intel,
                                          uint16_t type, NoteFacts& facts);
// ShutterCount (0x005D): the count deciphered with the date and time read
// before it; the stored bytes in hexadecimal when they were not read.
std::optional<std::string> PentaxShutterCountText(std::span<const uint8_t> bytes, bool intel,
                                                  uint16_t type, NoteFacts& facts);
// LensRec (0x003F): its first two bytes (series, lens) name the lens.
std::optional<std::string> PentaxLensText(std::span<const uint8_t> bytes, bool intel,
                                          uint16_t type, NoteFacts& facts);

}  // namespace kelvane::maker
