// A strict JSON syntax check for tests: true when `text` is one JSON value
// (with surrounding white space) and every string is valid UTF-8.
#pragma once

#include <string_view>

namespace kelvane::testing {

bool IsValidJson(std::string_view text);

}  // namespace kelvane::testing
