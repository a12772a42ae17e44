#include "tests/support/json_check.h"

#include <cctype>

#include "engine/text/encoding.h"

namespace kelvane::testing {

namespace {

class Parser {
 public:
  explicit Parser(std::string_view s) : s_(s) {}

  bool Document() {
    Space();
    if (!Value(0)) return false;
    Space();
    return i_ == s_.size();
  }

 private:
  bool Value(int depth) {
    if (depth > 64 || i_ >= s_.size()) return false;
    char c = s_[i_];
    if (c == '{') return Object(depth);
    if (c == '[') return Array(depth);
    if (c == '"') return String();
    if (c == '-' || std::isdigit(static_cast<unsigned char>(c))) return Number();
    return Word("true") || Word("false") || Word("null");
  }
  bool Object(int depth) {
    ++i_;
    Space();
    if (Eat('}')) return true;
    do {
      Space();
      if (!String()) return false;
      Space();
      if (!Eat(':')) return false;
      Space();
      if (!Value(depth + 1)) return false;
      Space();
    } while (Eat(','));
    return Eat('}');
  }
  bool Array(int depth) {
    ++i_;
    Space();
    if (Eat(']')) return true;
    do {
      Space();
      if (!Value(depth + 1)) return false;
      Space();
    } while (Eat(','));
    return Eat(']');
  }
  bool String() {
    if (!Eat('"')) return false;
    size_t start = i_;
    while (i_ < s_.size() && s_[i_] != '"') {
      auto c = static_cast<unsigned char>(s_[i_]);
      if (c < 0x20) return false;
      if (c == '\\') {
        ++i_;
        if (i_ >= s_.size()) return false;
        char e = s_[i_];
        if (e == 'u') {
          for (size_t k = 1; k <= 4; ++k)
            if (i_ + k >= s_.size() || !std::isxdigit(static_cast<unsigned char>(s_[i_ + k])))
              return false;
          i_ += 4;
        } else if (std::string_view("\"\\/bfnrt").find(e) == std::string_view::npos) {
          return false;
        }
      }
      ++i_;
    }
    if (!text::IsValidUtf8(s_.substr(start, i_ - start))) return false;
    return Eat('"');
  }
  bool Number() {
    size_t start = i_;
    Eat('-');
    while (i_ < s_.size() && (std::isdigit(static_cast<unsigned char>(s_[i_])) || s_[i_] == '.' ||
                              s_[i_] == 'e' || s_[i_] == 'E' || s_[i_] == '+' || s_[i_] == '-'))
      ++i_;
    return i_ > start;
  }
  bool Word(std::string_view w) {
    if (s_.substr(i_, w.size()) != w) return false;
    i_ += w.size();
    return true;
  }
  bool Eat(char c) {
    if (i_ < s_.size() && s_[i_] == c) {
      ++i_;
      return true;
    }
    return false;
  }
  void Space() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\r' || s_[i_] == '\t'))
      ++i_;
  }

  std::string_view s_;
  size_t i_ = 0;
};

}  // namespace

bool IsValidJson(std::string_view text) { return Parser(text).Document(); }

}  // namespace kelvane::testing
