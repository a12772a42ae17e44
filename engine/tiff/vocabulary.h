// Vocabularies: constant tables from a code to its text, and the one lookup
// routine every table goes through.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/reader/primitives.h"

namespace kelvane {

struct CodeText {
  int64_t code;
  std::string_view text;
};

// The text of `code`, or nothing when the table does not hold it.
constexpr std::optional<std::string_view> LookupCode(std::span<const CodeText> table,
                                                     int64_t code) {
  for (const CodeText& entry : table)
    if (entry.code == code) return entry.text;
  return std::nullopt;
}

// The text of `code`, or "Unknown (code)".
inline std::string CodeTextOrUnknown(std::span<const CodeText> table, int64_t code) {
  if (auto text = LookupCode(table, code)) return std::string(*text);
  return UnknownText(code);
}

}  // namespace kelvane
