#include "engine/text/encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvane::text {
namespace {

struct Utf8Case {
  const char* what;
  std::string bytes;
  bool valid;
};

TEST(IsValidUtf8, AcceptsWellFormedTextOnly) {
  const Utf8Case cases[] = {
      {"empty", "", true},
      {"ASCII longer than a word", "Canon EOS DIGITAL REBEL 0123456789", true},
      {"NUL bytes are ASCII", std::string("a\0b", 3), true},
      {"Japanese", "撮影日時", true},
      {"ASCII run then Japanese", "abcdefghijklmnop露出時間", true},
      {"two-byte form", "\xC2\xA9 2005", true},
      {"four-byte form", "\xF0\x9F\x93\xB7", true},
      {"highest code point", "\xF4\x8F\xBF\xBF", true},
      {"last before surrogates", "\xED\x9F\xBF", true},
      {"first after surrogates", "\xEE\x80\x80", true},
      {"lone continuation byte", "\x80", false},
      {"overlong two-byte", "\xC0\xAF", false},
      {"overlong three-byte", "\xE0\x9F\xBF", false},
      {"overlong four-byte", "\xF0\x8F\xBF\xBF", false},
      {"surrogate", "\xED\xA0\x80", false},
      {"past U+10FFFF", "\xF4\x90\x80\x80", false},
      {"lead byte past F4", "\xF5\x80\x80\x80", false},
      {"three-byte cut short at the end", "abc\xE6\x92", false},
      {"four-byte cut short at the end", "\xF0\x9F\x93", false},
      {"bad third byte", "\xE6\x92\x41", false},
      {"bad fourth byte", "\xF0\x9F\x93\x41", false},
      {"CP932 text", "\x83\x4A\x83\x81\x83\x89", false},
      {"high byte after eight ASCII bytes", "12345678\xFF", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.what;
}

TEST(RowText, KeepsUtf8AndDecodesAnythingElseAsCp932) {
  EXPECT_EQ(RowText(std::string("撮影日時")), "撮影日時");
  EXPECT_EQ(RowText(std::string("\x83\x4A\x83\x81\x83\x89")), "カメラ");
}

}  // namespace
}  // namespace kelvane::text
