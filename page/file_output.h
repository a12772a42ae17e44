// Writing the page's output files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace kelvane {

// The outcome of a write: true when the file holds the bytes; otherwise
// why not.
struct WriteResult {
  std::error_code error;
  explicit operator bool() const { return !error; }
};

// Creates (or replaces) `path` with `bytes` (`path` is UTF-8). The bytes go
// to a new file beside it first, which then takes the name: a write that
// fails leaves no partial file, and a file of that name keeps its contents.
WriteResult WriteWholeFile(const std::string& path, std::string_view bytes);

// The `length` bytes at `position` of `source`; nothing when the file
// cannot be opened or does not hold the range.
std::optional<std::string> ReadFileRange(const std::string& source, uint64_t position,
                                         uint64_t length);

// Why a write failed, as the page tells the user.
std::string WriteFailureReason(const std::error_code& error);

}  // namespace kelvane
