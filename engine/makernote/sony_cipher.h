// Sony's substitution cipher of its enciphered maker-note blocks (0x2010,
// 0x9050, 0x9400-0x9416): each byte b below 249 is stored as b^3 mod 249;
// the bytes 249-255 are stored as they are.
#pragma once

#include <cstdint>
#include <span>

namespace kelvane::maker {

struct NoteFacts;

// Deciphers `block` in place (c^55 mod 249 undoes the cube).
void SonyDecipher(std::span<uint8_t> block);
// The same, in the shape every record's decipher has.
void SonyDecipherBlock(std::span<uint8_t> block, const NoteFacts& facts);

// Enciphers `block` in place, as the camera does (for fixtures).
void SonyEncipher(std::span<uint8_t> block);

}  // namespace kelvane::maker
