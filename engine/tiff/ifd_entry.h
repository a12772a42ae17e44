// One 12-byte IFD entry as the walker decodes it, and the readers of its
// value shared by the value texts and the walker's side information.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/reader/primitives.h"
#include "engine/reader/reader.h"
#include "engine/tiff/tiff_types.h"

namespace kelvane {


// Value bytes one walk decodes into texts at most. Real files stay far
// below it; a crafted file whose entries all point at one huge block cannot
// make a walk build gigabytes of text. An entry past the budget keeps an
// empty value.
class ValueBudget {
 public:
  // Takes `bytes` from the budget; false (and nothing taken) when they do
  // not fit.
  bool Take(uint64_t bytes) {
    if (bytes > left_) return false;
    left_ -= bytes;
    return true;
  }

 private:
  uint64_t left_ = uint64_t{64} << 20;
};

struct IfdEntry {
  uint16_t tag = 0;
  uint16_t type = 0;
  uint32_t count = 0;
  std::array<uint8_t, 4> field{};  // the value field as stored
  // Where the value starts: relative to the directory's anchor (as stored,
  // for a value outside the entry), and absolute. A value of four bytes or
  // less lies in the entry's own value field. A maker note whose anchor lies
  // before its IFD may point before the file's start: value_pos < 0.
  uint32_t value_offset = 0;
  int64_t value_pos = 0;
  bool is_inline = false;

  uint64_t ByteSize() const { return uint64_t{count} * static_cast<uint64_t>(TypeSize(type)); }
};

// Decodes the 12 bytes of an entry that starts at the absolute position
// `entry_pos`, in a directory whose offsets count from `anchor`.
IfdEntry DecodeEntry(const unsigned char* bytes, bool intel, int64_t anchor, uint64_t entry_pos);

// The value's absolute position; a value before the file's start is one
// the file does not hold (ReadError).
uint64_t ValuePos(const IfdEntry& e);

// The field's first SHORT / its LONG, in the file's byte order.
uint16_t FieldShort(const IfdEntry& e, bool intel);
uint32_t FieldLong(const IfdEntry& e, bool intel);

// The first whole number of a value of an integer type (IsIntegerType; a
// SHORT for any other): from the entry when the count is 1, otherwise read
// at the value (the file is left behind it). FirstNumber gives its bits,
// FirstInteger its value, negative for a signed type.
uint32_t FirstNumber(Reader& f, bool intel, const IfdEntry& e);
int64_t FirstInteger(Reader& f, bool intel, const IfdEntry& e);

// A list of numbers read from a value; a short list (the usual case) is
// held without an allocation.
class ValueNumbers {
 public:
  explicit ValueNumbers(size_t n) : size_(n) {
    if (n > kInline) heap_.resize(n);
  }
  size_t size() const { return size_; }
  uint32_t* data() { return size_ > kInline ? heap_.data() : inline_.data(); }
  const uint32_t* data() const { return size_ > kInline ? heap_.data() : inline_.data(); }
  const uint32_t* begin() const { return data(); }
  const uint32_t* end() const { return data() + size_; }
  uint32_t operator[](size_t i) const { return data()[i]; }
  uint32_t back() const { return data()[size_ - 1]; }

 private:
  static constexpr size_t kInline = 16;
  std::array<uint32_t, kInline> inline_{};
  std::vector<uint32_t> heap_;
  size_t size_;
};

// `n` unsigned values of `size` bytes (1, 2 or 4) at the absolute position
// `pos`. The bytes are checked to be in the file before anything is
// allocated.
ValueNumbers ReadNumbers(Reader& f, bool intel, uint64_t pos, uint64_t n, int size);

// The value's bytes: from the entry when they fit in it, else from the file.
std::string ValueBytes(Reader& f, const IfdEntry& e);

}  // namespace kelvane
