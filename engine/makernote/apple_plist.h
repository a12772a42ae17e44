// Apple's binary property lists ("bplist00"), as iPhones keep them inside
// their maker notes (the RunTime clock, the semantic style). The reader is
// bounded: the list's trailer, offset table, every object's offset and size
// are checked against the bytes it was given; nesting is at most
// kMaxPlistDepth deep, at most kMaxPlistObjects objects are read, and a
// container that holds itself (directly or further down) ends there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kelvane::maker {

inline constexpr int kMaxPlistDepth = 8;
inline constexpr uint64_t kMaxPlistObjects = 4096;
// The text of a whole list is cut here (with "...").
inline constexpr size_t kMaxPlistText = 1000;

class BinaryPlist {
 public:
  // The list in `bytes`, or nothing when they are no well-formed list.
  static std::optional<BinaryPlist> Parse(std::span<const uint8_t> bytes);

  // The top object as one line: a dictionary "{key: value, ...}", an array
  // "[a, b]", texts as they are, data as its byte count ("<12 bytes>").
  std::string Text() const;

  // The whole number (or the real number) the top dictionary holds under
  // `key`; nothing when there is none or it is of another kind.
  std::optional<int64_t> Integer(std::string_view key) const;
  std::optional<double> Number(std::string_view key) const;

 private:
  BinaryPlist(std::span<const uint8_t> bytes, uint8_t offset_size, uint8_t ref_size,
              uint64_t objects, uint64_t top, uint64_t table)
      : bytes_(bytes), offset_size_(offset_size), ref_size_(ref_size), objects_(objects),
        top_(top), table_(table) {}

  struct Object;
  std::optional<Object> At(uint64_t index) const;
  std::optional<uint64_t> Ref(uint64_t position) const;
  // The value the top dictionary holds under `key`.
  std::optional<Object> Lookup(std::string_view key) const;
  void AppendText(uint64_t index, int depth, std::span<uint64_t> path, std::string& out) const;

  std::span<const uint8_t> bytes_;
  uint8_t offset_size_;
  uint8_t ref_size_;
  uint64_t objects_;
  uint64_t top_;
  uint64_t table_;  // where the offset table starts
};

}  // namespace kelvane::maker
