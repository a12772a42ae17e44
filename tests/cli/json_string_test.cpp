#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "cli/render.h"

namespace kelvane::cli {
namespace {

// Byte-by-byte escaping, the slow and obvious way.
std::string Escaped(const std::string& s) {
  std::string out = "\"";
  for (const char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '"') out += "\\\"";
    else if (c == '\\') out += "\\\\";
    else if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else if (c == '\t') out += "\\t";
    else if (c < 0x20 || c == 0x7F) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

// Every character that needs an escape, at every place within and across
// the eight-byte steps, between ASCII, Japanese and the bytes next to the
// escaped ranges (space, '!', '#', '[', ']', '~').
TEST(JsonString, EscapesEveryCharacterThatNeedsItWhereverItStands) {
  const std::string special[] = {std::string(1, '\0'), "\x01", "\x1F", "\"", "\\",
                                 "\n",                 "\r",   "\t",   "\x7F"};
  const std::string fillers[] = {"abcdefghijklmnopqrstuvwx", "撮影日時露出時間絞り値",
                                 " !#[]~ !#[]~ !#[]~ !#[]~"};
  for (const auto& filler : fillers) {
    for (const auto& c : special) {
      for (size_t at = 0; at <= filler.size(); ++at) {
        if (at < filler.size() && (filler[at] & 0xC0) == 0x80) continue;  // inside a character
        std::string s = filler.substr(0, at) + c + filler.substr(at);
        EXPECT_EQ(JsonString(s), Escaped(s)) << "at " << at;
      }
    }
    EXPECT_EQ(JsonString(filler), Escaped(filler));
  }
}

}  // namespace
}  // namespace kelvane::cli
