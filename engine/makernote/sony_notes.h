// Sony's own value texts and record choices: the lens's focal range and
// aperture (0xB02A), and which layout of the enciphered 0x9050 block a
// body writes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "engine/makernote/maker_record.h"

namespace kelvane::maker {

// 0xB02A, eight bytes: flags, the shortest and longest focal length (two
// BCD bytes each), the largest aperture at each end (one BCD byte each,
// tenths), flags: "16-50mm F3.5-5.6". Feeds the lens clues.
std::optional<std::string> SonyLensSpec(std::span<const uint8_t> bytes, bool intel, uint16_t type,
                                        NoteFacts& facts);

// The 0x9050 layout of the body whose model number (0xB001) the note holds.
const MakerRecord* ChooseSony9050(std::span<const uint8_t> bytes, const NoteFacts& facts);

}  // namespace kelvane::maker
