// Nikon's enciphered blocks (LensData from version 0201 on, ShotInfo of
// the newer bodies): a keyed XOR whose keys are the note's serial number
// and shutter count, through two public 256-byte tables. The same call
// enciphers and deciphers.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace kelvane::nikon {

// The serial number's part of the key: the number the serial text
// (tag 0x001D) spells; a text that is no number gives 0x22 on the D50 and
// 0x60 on every other body.
uint32_t SerialKey(std::string_view serial, std::string_view model);

// XORs `bytes` (the block after its four version bytes) with the stream
// the keys give.
void Decipher(std::span<uint8_t> bytes, uint32_t serial_key, uint32_t shutter_count);

}  // namespace kelvane::nikon
