#include "engine/text/jis.h"

#include <gtest/gtest.h>

#include "tests/fixtures/byte_builder.h"

namespace kelvane::text {
namespace {

using fixtures::Bytes;

TEST(JisCharToSjis, MapsBothRowParities) {
  struct Case {
    int c1, c2;
    std::string want;
  } cases[] = {
      {0x30, 0x21, Bytes({0x88, 0x9F})},  // 亜
      {0x24, 0x22, Bytes({0x82, 0xA0})},  // あ
      {0x21, 0x21, Bytes({0x81, 0x40})},  // ideographic space
      {0x25, 0x60, Bytes({0x83, 0x80})},  // odd row, second byte above 0x5F
      {0x60, 0x21, Bytes({0xE0, 0x9F})},  // rows from 0x5F use the upper lead bytes
      {0x74, 0x26, Bytes({0xEA, 0xA4})},
  };
  for (const auto& c : cases)
    EXPECT_EQ(JisCharToSjis(static_cast<uint8_t>(c.c1), static_cast<uint8_t>(c.c2)), c.want)
        << std::hex << c.c1 << " " << c.c2;
}

std::string Shift(const std::string& bytes) {
  JisShiftDecoder d;
  for (char c : bytes) d.Feed(static_cast<uint8_t>(c));
  return d.Text();
}

TEST(JisShiftDecoder, SwitchesOnShiftOutAndShiftIn) {
  EXPECT_EQ(Shift(Bytes({0x0E, 0x30, 0x21, 0x0F, 0x41})), Bytes({0x88, 0x9F, 0x41}));
  EXPECT_EQ(Shift(std::string("A\0B", 3)), "AB");
  JisShiftDecoder d;
  for (int b : {0x0E, 0x30}) d.Feed(static_cast<uint8_t>(b));
  EXPECT_TRUE(d.MidCharacter());
  d.Feed(0x21);
  EXPECT_FALSE(d.MidCharacter());
  EXPECT_EQ(d.Text(), Bytes({0x88, 0x9F}));
}

TEST(JisEscapeToSjis, SwitchesOnEscapeSequences) {
  struct Case {
    std::string in;
    std::string want;
  } cases[] = {
      {Bytes({0x1B, 0x24, 0x42, 0x30, 0x21, 0x1B, 0x28, 0x42, 0x78}), Bytes({0x88, 0x9F, 0x78})},
      {std::string("ab\0c", 4), std::string("ab\0c", 4)},  // single bytes keep their NULs
      {Bytes({0x1B, 0x24}), ""},                           // ends inside a sequence
      {Bytes({0x1B, 0x24, 0x42, 0x30, 0x21, 0x30}), Bytes({0x88, 0x9F})},  // half a character
      {Bytes({0x1B, 0x4E, 0x42, 0x41}), "A"},  // an unknown selector keeps the mode
  };
  for (const auto& c : cases) EXPECT_EQ(JisEscapeToSjis(c.in), c.want);
}

}  // namespace
}  // namespace kelvane::text
