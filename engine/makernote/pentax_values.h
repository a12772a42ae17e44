// Pentax value texts that need more than a vocabulary: the note's own date
// and time, and the lens by its two-byte LensType (series, lens).
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace kelvane::maker {

// Date (0x0006): the year in two bytes, month, day -> "2008:03:02".
std::string PentaxDateText(std::span<const uint8_t> bytes);
// Time (0x0007): hour, minute, second -> "12:01:23".
std::string PentaxTimeText(std::span<const uint8_t> bytes);
// LensRec (0x003F): its first two bytes name the lens through the Pentax
// lens list.
std::string PentaxLensText(std::span<const uint8_t> bytes);
// Bytes as hexadecimal digits, for values cut short.
std::string PentaxHex(std::span<const uint8_t> bytes);

}  // namespace kelvane::maker
