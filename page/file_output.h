// Writing the page's output files.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvane {

// Creates (or replaces) `path` with `bytes`; false when it cannot be
// written (a file that was begun but not completed is removed). `path` is
// UTF-8.
bool WriteWholeFile(const std::string& path, std::string_view bytes);

// Copies `length` bytes at `position` of `source` into a new file `target`
// (which may be `source` itself). Nothing is created when the source cannot
// be opened or does not hold the range.
bool CopyFileRange(const std::string& source, uint64_t position, uint64_t length,
                   const std::string& target);

}  // namespace kelvane
