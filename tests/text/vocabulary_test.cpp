// The one vocabulary lookup: a listed code gives its text, a code listed
// with a null text gives no text (its caller shows no row), an unlisted one
// "Unknown (n)"; and the compile-time checks refuse a repeated code and a
// text that is not UTF-8.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "engine/text/vocabulary.h"

namespace kelvane {
namespace {

constexpr CodeText kSample[] = {
    {0, "オフ"}, {1, ""}, {2, nullptr}, {-64, "-2 EV"}, {0xFFFF, "最後"}, {3, "二度目"}};

TEST(Vocabulary, LookupOfListedNullAndUnlistedCodes) {
  struct Case {
    int64_t code;
    bool listed;                      // FindCode finds a row
    std::optional<std::string> text;  // LookupCode
    std::string or_unknown;           // CodeTextOrUnknown
  };
  const Case cases[] = {
      {0, true, "オフ", "オフ"},
      {1, true, "", ""},
      {2, true, std::nullopt, "Unknown (2)"},
      {-64, true, "-2 EV", "-2 EV"},
      {0xFFFF, true, "最後", "最後"},
      {3, true, "二度目", "二度目"},
      {4, false, std::nullopt, "Unknown (4)"},
      {-1, false, std::nullopt, "Unknown (-1)"},
      {0x1FFFF, false, std::nullopt, "Unknown (131071)"},
  };
  for (const Case& c : cases) {
    const CodeText* row = FindCode(kSample, c.code);
    ASSERT_EQ(row != nullptr, c.listed) << c.code;
    if (row) {
      EXPECT_EQ(row->code, c.code);
    }
    const auto text = LookupCode(kSample, c.code);
    EXPECT_EQ(text.has_value(), c.text.has_value()) << c.code;
    if (text && c.text) {
      EXPECT_EQ(*text, *c.text) << c.code;
    }
    EXPECT_EQ(CodeTextOrUnknown(kSample, c.code), c.or_unknown) << c.code;
  }
  EXPECT_EQ(CodeTextOrUnknown({}, 7), "Unknown (7)");
}

constexpr CodeText kRepeated[] = {{1, "a"}, {2, "b"}, {1, "c"}};
constexpr CodeText kRepeatedLast[] = {{1, "a"}, {2, "b"}, {2, "b"}};
constexpr CodeText kNotUtf8[] = {{1, "a"}, {2, "\x83\x49\x83\x74"}};  // Shift_JIS
constexpr CodeText kCutShort[] = {{1, "\xE3\x82"}};
static_assert(IsWellFormedVocabulary(kSample));
static_assert(IsWellFormedVocabulary({}));
static_assert(!CodesAreDistinct(kRepeated) && !IsWellFormedVocabulary(kRepeated));
static_assert(!CodesAreDistinct(kRepeatedLast));
static_assert(CodesAreDistinct(kNotUtf8) && !TextsAreUtf8(kNotUtf8));
static_assert(!TextsAreUtf8(kCutShort) && !IsWellFormedVocabulary(kCutShort));
// The lookup works when a table is compiled, too.
static_assert(*LookupCode(kSample, -64) == "-2 EV" && !LookupCode(kSample, 2));

}  // namespace
}  // namespace kelvane
