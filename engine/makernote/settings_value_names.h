// Value vocabularies of the settings decoders: a number and the text shown
// for it. A null text means the value adds no row.
#pragma once

#include <cstdint>
#include <span>

namespace kelvane {

struct ValueName {
  int64_t value;
  const char* text;  // nullptr: no row for this value
};

// The entry for `value`, or nullptr when the vocabulary does not list it.
inline const ValueName* FindValueName(std::span<const ValueName> names, int64_t value) {
  for (const ValueName& n : names)
    if (n.value == value) return &n;
  return nullptr;
}

}  // namespace kelvane
