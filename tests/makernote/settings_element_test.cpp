// The compile-time check of a settings table refuses what would make a row
// unreachable or a caption unreadable: an index listed twice or out of
// order, a caption or a vocabulary text that is not UTF-8, a vocabulary
// that repeats a code.
#include <gtest/gtest.h>

#include "engine/makernote/settings_element.h"

namespace kelvane {
namespace {

enum class TestRule { kNames, kDecimal };
using E = SettingsElement<TestRule>;

constexpr CodeText kOffOn[] = {{0, "オフ"}, {1, "オン"}};
constexpr CodeText kRepeated[] = {{0, "オフ"}, {0, "オン"}};
constexpr CodeText kShiftJis[] = {{0, "\x83\x49\x83\x74"}};

constexpr E kGood[] = {{1, "マクロ", TestRule::kNames, kOffOn}, {3, "", TestRule::kDecimal, {}}};
constexpr E kTwice[] = {{1, "a", TestRule::kNames, kOffOn}, {1, "b", TestRule::kDecimal, {}}};
constexpr E kBackwards[] = {{3, "a", TestRule::kDecimal, {}}, {1, "b", TestRule::kDecimal, {}}};
constexpr E kNegative[] = {{-1, "a", TestRule::kDecimal, {}}};
constexpr E kCaption[] = {{1, "\x83\x49", TestRule::kDecimal, {}}};
constexpr E kNamesRepeated[] = {{1, "a", TestRule::kNames, kRepeated}};
constexpr E kNamesShiftJis[] = {{1, "a", TestRule::kNames, kShiftJis}};

static_assert(IsWellFormedElementTable<TestRule>(kGood));
static_assert(!IsWellFormedElementTable<TestRule>(kTwice));
static_assert(!IsWellFormedElementTable<TestRule>(kBackwards));
static_assert(!IsWellFormedElementTable<TestRule>(kNegative));
static_assert(!IsWellFormedElementTable<TestRule>(kCaption));
static_assert(!IsWellFormedElementTable<TestRule>(kNamesRepeated));
static_assert(!IsWellFormedElementTable<TestRule>(kNamesShiftJis));

TEST(SettingsElement, FindsAnElementByItsArrayIndexOnly) {
  EXPECT_EQ(FindElement<TestRule>(kGood, 1), &kGood[0]);
  EXPECT_EQ(FindElement<TestRule>(kGood, 3), &kGood[1]);
  for (uint32_t missing : {0u, 2u, 4u, 0xFFFFFFFFu})
    EXPECT_EQ(FindElement<TestRule>(kGood, missing), nullptr) << missing;
}

}  // namespace
}  // namespace kelvane
