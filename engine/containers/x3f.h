// Sigma X3F properties.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

// One row per property of the file's "PROP" section, found through the
// section directory whose position the last four bytes of the file hold.
void ReadX3F(Reader& f, TMakerResult& result);

// A property's caption and shown value; nothing when the value cannot be
// converted (a "TIME" that is not a whole number), which ends the list.
struct X3FRow {
  std::string caption;
  std::string value;
};
std::optional<X3FRow> TranslateX3FProperty(std::string_view name, std::string value);

}  // namespace kelvane
