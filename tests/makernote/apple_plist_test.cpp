#include "engine/makernote/apple_plist.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fixtures/byte_builder.h"

namespace kelvane::maker {
namespace {

using fixtures::Bytes;

// A binary property list of the given encoded objects (object i at index
// i), with one-byte offsets and references; `top` is the top object.
std::string Plist(const std::vector<std::string>& objects, uint8_t top = 0) {
  std::string out = "bplist00";
  std::string table;
  for (const std::string& o : objects) {
    table.push_back(static_cast<char>(out.size()));
    out += o;
  }
  const auto table_at = static_cast<uint8_t>(out.size());
  out += table;
  out += std::string(6, '\0');
  out += Bytes({1, 1});  // offset size, reference size
  out += std::string(7, '\0') + static_cast<char>(objects.size());
  out += std::string(7, '\0') + static_cast<char>(top);
  out += std::string(7, '\0') + static_cast<char>(table_at);
  return out;
}

std::string Ascii(const std::string& s) { return static_cast<char>(0x50 + s.size()) + s; }
std::string Int8(uint8_t v) { return Bytes({0x10, v}); }

std::span<const uint8_t> Span(const std::string& s) {
  return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

// The shape of an iPhone's RunTime list: a dictionary of four keys.
std::string RunTime() {
  return Plist({Bytes({0xD4, 1, 2, 3, 4, 5, 6, 7, 8}), Ascii("flags"), Ascii("value"),
                Ascii("timescale"), Ascii("epoch"), Int8(1),
                Bytes({0x13, 0, 0, 0x24, 0x2C, 0x29, 0x49, 0x8C, 0xAE}),
                Bytes({0x12, 0x3B, 0x9A, 0xCA, 0x00}), Int8(0)});
}

TEST(BinaryPlist, ReadsTheRunTimeDictionary) {
  const std::string bytes = RunTime();
  const auto list = BinaryPlist::Parse(Span(bytes));
  ASSERT_TRUE(list);
  EXPECT_EQ(list->Integer("value"), 0x242C29498CAE);
  EXPECT_EQ(list->Integer("timescale"), 1000000000);
  EXPECT_EQ(list->Integer("flags"), 1);
  EXPECT_EQ(list->Integer("missing"), std::nullopt);
  EXPECT_EQ(list->Text(), "{flags: 1, value: 39772089846958, timescale: 1000000000, epoch: 0}");
}

TEST(BinaryPlist, TextOfOtherKinds) {
  const std::string real = Bytes({0x23, 0x3F, 0xF8, 0, 0, 0, 0, 0, 0});  // 1.5
  const std::string utf16 = Bytes({0x62, 0x30, 0x42, 0x00, 0x41});      // "あA"
  const std::string bytes = Plist({Bytes({0xA5, 1, 2, 3, 4, 5}), real, utf16, Bytes({0x09}),
                                   Bytes({0x42, 0xAB, 0xCD}), Bytes({0xA0})});
  const auto list = BinaryPlist::Parse(Span(bytes));
  ASSERT_TRUE(list);
  EXPECT_EQ(list->Text(), "[1.5, あA, true, <2 bytes>, []]");
}

TEST(BinaryPlist, AListThatHoldsItselfEnds) {
  // An array whose second element is the array itself, and a dictionary
  // whose value is an array holding the dictionary.
  const std::string array = Plist({Bytes({0xA2, 1, 0}), Int8(7)});
  const auto a = BinaryPlist::Parse(Span(array));
  ASSERT_TRUE(a);
  EXPECT_EQ(a->Text(), "[7, ...]");
  const std::string dict = Plist({Bytes({0xD1, 1, 2}), Ascii("k"), Bytes({0xA1, 0})});
  const auto d = BinaryPlist::Parse(Span(dict));
  ASSERT_TRUE(d);
  EXPECT_EQ(d->Text(), "{k: [...]}");
}

TEST(BinaryPlist, DeepNestingIsCut) {
  // Each array holds the next: deeper than the limit.
  std::vector<std::string> objects;
  for (int i = 0; i < 20; ++i) objects.push_back(Bytes({0xA1, i + 1}));
  objects.push_back(Int8(1));
  const std::string bytes = Plist(objects);
  const auto list = BinaryPlist::Parse(Span(bytes));
  ASSERT_TRUE(list);
  const std::string text = list->Text();
  EXPECT_NE(text.find("..."), std::string::npos) << text;
  EXPECT_EQ(text.find('1'), std::string::npos) << text;
}

TEST(BinaryPlist, HostileListsAreRefused) {
  const std::string good = RunTime();
  const size_t trailer = good.size() - 32;
  struct Case {
    const char* what;
    std::string bytes;
  };
  auto with = [&](size_t at, uint8_t v) {
    std::string b = good;
    b[at] = static_cast<char>(v);
    return b;
  };
  const Case refused[] = {
      {"too short", "bplist00"},
      {"wrong magic", "bplist01" + good.substr(8)},
      {"offset size 0", with(trailer + 6, 0)},
      {"reference size 9", with(trailer + 7, 9)},
      {"no objects", with(trailer + 15, 0)},
      {"top object past the count", with(trailer + 23, 9)},
      {"offset table past the trailer", with(trailer + 31, 0xF0)},
      {"huge object count", with(trailer + 8, 1)},
  };
  for (const Case& c : refused) EXPECT_FALSE(BinaryPlist::Parse(Span(c.bytes))) << c.what;

  // Objects that do not fit are not read, and the rest of the list is.
  const Case damaged[] = {
      // The dictionary claims 15+ entries through a length that runs past the table.
      {"container longer than the list", with(8, 0xDF)},
      // An object offset that points into the offset table.
      {"object offset inside the table", with(good.size() - 32 - 9, 0xF0)},
      // A reference to an object past the count.
      {"reference past the count", with(9, 40)},
  };
  for (const Case& c : damaged) {
    const auto list = BinaryPlist::Parse(Span(c.bytes));
    ASSERT_TRUE(list) << c.what;
    EXPECT_LE(list->Text().size(), kMaxPlistText + 3) << c.what;
  }
  const std::string bad_reference = with(9, 40);
  const auto list = BinaryPlist::Parse(Span(bad_reference));
  EXPECT_EQ(list->Integer("flags"), std::nullopt);
  EXPECT_EQ(list->Integer("value"), 0x242C29498CAE);
}

}  // namespace
}  // namespace kelvane::maker
