// Builds a list text such as "1,2,3" item by item, without collecting the
// items first; the number forms list items take; and the copy of a text
// into the storage a string already has, which rows use.
#pragma once

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

namespace kelvane {

inline constexpr char kHexDigits[] = "0123456789ABCDEF";

// Makes `to` hold `text`, in the storage `to` already has when it is large
// enough (clearing and appending is the cheapest such copy).
inline void CopyInto(std::string& to, std::string_view text) {
  to.clear();
  to.append(text);
}

// Writes `value` in upper-case hex, at least `digits` digits but no more
// than eight, backwards from `end` into the eight chars before it; returns
// where the digits start.
inline char* WriteHexDigits(char* end, uint32_t value, int digits) {
  char* p = end;
  for (; p > end - 8 && (value != 0 || end - p < digits); value >>= 4)
    *--p = kHexDigits[value & 15];
  return p;
}

// Appends `value` in upper-case hex with at least `digits` digits.
inline void AppendHexDigits(std::string& out, uint32_t value, int digits) {
  char buffer[8];
  char* const end = buffer + sizeof buffer;
  if (digits > 8) out.append(static_cast<size_t>(digits - 8), '0');
  out.append(WriteHexDigits(end, value, digits), end);
}

// Appends `value` in decimal.
inline void AppendDecimal(std::string& out, int64_t value) {
  char buffer[24];
  out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// A list of more than kLongListAbove values is shown as its count and its
// first kLongListShown values ("2700 values: 0.1, 0.98, …"): no one reads
// a row of thousands of numbers (a DNG's hue/saturation maps), and making
// such a text costs more than the rest of a photo.
inline constexpr uint64_t kLongListAbove = 64;
inline constexpr uint64_t kLongListShown = 8;

class TextList {
 public:
  explicit TextList(std::string_view separator) : separator_(separator) {}
  // A list that will be given `count` items: a long one keeps the first
  // few, behind its count (the rule above).
  TextList(std::string_view separator, uint64_t count) : separator_(separator) {
    if (count <= kLongListAbove) return;
    left_ = kLongListShown;
    long_ = true;
    separator_ = ", ";
    AppendDecimal(out_, static_cast<int64_t>(count));
    out_ += " values: ";
  }

  // No further item is shown: a caller may stop making them.
  bool Full() const { return left_ == 0; }

  void Add(std::string_view item) {
    if (!Next()) return;
    out_ += item;
  }
  void AddNumber(int64_t value) {
    if (!Next()) return;
    AppendDecimal(out_, value);
  }
  void AddHex(uint32_t value, int digits) {
    if (!Next()) return;
    AppendHexDigits(out_, value, digits);
  }
  // "numerator/denominator"
  void AddFraction(int64_t numerator, int64_t denominator) {
    if (!Next()) return;
    AppendDecimal(out_, numerator);
    out_ += '/';
    AppendDecimal(out_, denominator);
  }
  std::string Take() {
    if (long_) out_ += ", …";
    return std::move(out_);
  }

 private:
  bool Next() {
    if (left_ == 0) return false;
    --left_;
    if (!empty_) out_ += separator_;
    empty_ = false;
    return true;
  }

  std::string_view separator_;
  std::string out_;
  uint64_t left_ = UINT64_MAX;
  bool empty_ = true;
  bool long_ = false;
};

}  // namespace kelvane
