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

class TextList {
 public:
  explicit TextList(std::string_view separator) : separator_(separator) {}

  void Add(std::string_view item) {
    Next();
    out_ += item;
  }
  void AddNumber(int64_t value) {
    Next();
    AppendDecimal(out_, value);
  }
  void AddHex(uint32_t value, int digits) {
    Next();
    AppendHexDigits(out_, value, digits);
  }
  // "numerator/denominator"
  void AddFraction(int64_t numerator, int64_t denominator) {
    Next();
    AppendDecimal(out_, numerator);
    out_ += '/';
    AppendDecimal(out_, denominator);
  }
  std::string Take() { return std::move(out_); }

 private:
  void Next() {
    if (!empty_) out_ += separator_;
    empty_ = false;
  }

  std::string_view separator_;
  std::string out_;
  bool empty_ = true;
};

}  // namespace kelvane
