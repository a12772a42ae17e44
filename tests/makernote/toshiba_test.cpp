#include <gtest/gtest.h>

#include <string>

#include "engine/makernote/makernote.h"

namespace kelvane {
namespace {

TEST(ToshibaBlock, FirstThreeBytesAreSizeQualityAndMultiShot) {
  struct Case {
    const char* hex;
    const char* size;
    const char* quality;
    const char* multi;
  } cases[] = {
      {"010200", "FULL", "[★★★] FINE (1/2)", "オフ"},
      {"000101FFFF", "HALF", "[★★] NORMAL (1/4)", "オン"},
      {"0000", "HALF", "[★] BASIC (1/8)", "Unknown ()"},
      {"02FF02", "Unknown (02)", "Unknown(FF)", "Unknown (02)"},
      {"01", "FULL", "Unknown()", "Unknown ()"},
      {"", "Unknown ()", "Unknown()", "Unknown ()"},
  };
  for (const auto& c : cases) {
    TMakerResult r;
    r.PrintIMOffset = 55;
    ReadToshibaBlock(c.hex, r);
    ASSERT_EQ(r.Count, 3) << c.hex;
    const char* names[] = {"サイズ", "クオリティ", "１６マルチ撮影"};
    const char* values[] = {c.size, c.quality, c.multi};
    for (size_t i = 0; i < 3; ++i) {
      EXPECT_EQ(r.Items[i].Tag, static_cast<int>(i));
      EXPECT_EQ(r.Items[i].Name, names[i]);
      EXPECT_EQ(r.Items[i].Value, values[i]) << c.hex << " row " << i;
    }
    EXPECT_EQ(r.PrintIMOffset, 0) << c.hex;
  }
}

TEST(ToshibaBlock, NoteNamedByTheMakerAsksForAPrintIMSearch) {
  TMakerResult r;
  r.Add(1, "old", "row");
  ReadToshibaBlock("544F534849424100010200", r);
  EXPECT_EQ(r.Count, 0);
  EXPECT_EQ(r.PrintIMOffset, -1);
}

}  // namespace
}  // namespace kelvane
