// Vocabularies: constant tables from a code to its text, and the one lookup
// every table goes through. A vocabulary is data: one row per code, in the
// order of the document it comes from.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/text/encoding.h"
#include "engine/text/number_text.h"

namespace kelvane {

// One value of a vocabulary. A null text means "this value gives no row at
// all"; an empty text gives a row with an empty value.
struct CodeText {
  int64_t code;
  const char* text;
};

// The row of `code`, or null when the table does not list it. Callers that
// tell a null text ("no row") from an unlisted code start here.
constexpr const CodeText* FindCode(std::span<const CodeText> table, int64_t code) {
  for (const CodeText& entry : table)
    if (entry.code == code) return &entry;
  return nullptr;
}

// The text of `code`, or nothing when the table does not list it or lists
// it with a null text.
constexpr std::optional<std::string_view> LookupCode(std::span<const CodeText> table,
                                                     int64_t code) {
  const CodeText* entry = FindCode(table, code);
  if (!entry || !entry->text) return std::nullopt;
  return std::string_view(entry->text);
}

// The text of `code`, or "Unknown (code)" when LookupCode has none.
inline std::string CodeTextOrUnknown(std::span<const CodeText> table, int64_t code) {
  if (auto text = LookupCode(table, code)) return std::string(*text);
  return UnknownText(code);
}

// Compile-time checks of a table (static_assert them next to the tables):
// each code listed once, so that no row hides behind an earlier one, and
// every text valid UTF-8, as rows take them without checking them again.
constexpr bool CodesAreDistinct(std::span<const CodeText> table) {
  for (size_t i = 0; i < table.size(); ++i)
    for (size_t j = i + 1; j < table.size(); ++j)
      if (table[i].code == table[j].code) return false;
  return true;
}
constexpr bool TextsAreUtf8(std::span<const CodeText> table) {
  for (const CodeText& entry : table)
    if (entry.text && !text::IsValidUtf8(entry.text)) return false;
  return true;
}
constexpr bool IsWellFormedVocabulary(std::span<const CodeText> table) {
  return CodesAreDistinct(table) && TextsAreUtf8(table);
}

}  // namespace kelvane
