// Olympus value texts that need more than a vocabulary: the lens and the
// extender of the Equipment directory, each six bytes (make, unknown,
// model, sub-model, unknown, unknown) of which the make, model and
// sub-model (the extender: make and model) name it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "engine/makernote/maker_record.h"

namespace kelvane::maker {

// LensType (Equipment 0x0201) through the Olympus lens list.
std::optional<std::string> OlympusLensText(std::span<const uint8_t> bytes, bool intel,
                                           uint16_t type, NoteFacts& facts);
// Extender (Equipment 0x0301).
std::optional<std::string> OlympusExtenderText(std::span<const uint8_t> bytes, bool intel,
                                               uint16_t type, NoteFacts& facts);

}  // namespace kelvane::maker
