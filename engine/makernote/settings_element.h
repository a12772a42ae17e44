// The shape of the settings arrays that Canon and Minolta keep in a maker
// note: element `index` of the array is shown under `caption`, its value
// made into text by the maker's own `rule`, most often through a
// vocabulary. Each maker's table is data (canon_settings_tables.h,
// minolta_settings_tables.h).
#pragma once

#include <cstdint>
#include <span>

#include "engine/text/encoding.h"
#include "engine/text/vocabulary.h"

namespace kelvane {

template <typename Rule>
struct SettingsElement {
  int index;
  const char* caption;  // an empty caption: the element gives no row of its own
  Rule rule;
  std::span<const CodeText> names;
};

// The element of array index `index`, or null when the table has none.
template <typename Rule>
constexpr const SettingsElement<Rule>* FindElement(
    std::span<const SettingsElement<Rule>> elements, uint32_t index) {
  for (const SettingsElement<Rule>& e : elements)
    if (static_cast<uint32_t>(e.index) == index) return &e;
  return nullptr;
}

// Compile-time check of a table: indices ascending, so that each is listed
// once and the table reads in the array's order; captions UTF-8; every
// vocabulary well formed.
template <typename Rule>
constexpr bool IsWellFormedElementTable(std::span<const SettingsElement<Rule>> elements) {
  for (size_t i = 0; i < elements.size(); ++i) {
    const SettingsElement<Rule>& e = elements[i];
    if (e.index < 0 || (i > 0 && elements[i - 1].index >= e.index)) return false;
    if (!text::IsValidUtf8(e.caption) || !IsWellFormedVocabulary(e.names)) return false;
  }
  return true;
}

}  // namespace kelvane
