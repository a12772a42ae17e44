#include "engine/containers/raw_profile.h"

#include <cctype>

namespace kelvane {

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<std::string> DecodeRawProfile(std::string_view text) {
  size_t i = 0;
  auto skip_space = [&] {
    while (i < text.size() && IsSpace(text[i])) ++i;
  };
  skip_space();
  // The name.
  const size_t name_start = i;
  while (i < text.size() && !IsSpace(text[i])) ++i;
  if (i == name_start) return std::nullopt;
  skip_space();
  // The byte count, at most what the text's digits could hold.
  uint64_t count = 0;
  const size_t count_start = i;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    count = count * 10 + static_cast<uint64_t>(text[i] - '0');
    if (count > text.size()) return std::nullopt;
    ++i;
  }
  if (i == count_start) return std::nullopt;
  std::string bytes;
  bytes.reserve(static_cast<size_t>(count));
  int high = -1;
  for (; i < text.size() && bytes.size() < count; ++i) {
    if (IsSpace(text[i])) continue;
    const int v = HexValue(text[i]);
    if (v < 0) return std::nullopt;
    if (high < 0) {
      high = v;
    } else {
      bytes.push_back(static_cast<char>(high << 4 | v));
      high = -1;
    }
  }
  if (bytes.size() < count) return std::nullopt;
  return bytes;
}

}  // namespace kelvane
