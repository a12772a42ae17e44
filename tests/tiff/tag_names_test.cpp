#include "engine/tiff/ifd_walker.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

TEST(TagName, NamesAsShown) {
  struct Case {
    uint16_t tag;
    uint16_t type;
    const char* want;
  } cases[] = {
      {0x0100, 3, "画像の幅"},
      {0x0100, 4, "画像の幅"},
      {0x0107, 3, "Threshholding"},
      {0x0111, 4, "StripOffset"},
      {0x9355, 4, "Faveon Data"},
      {0xC352, 3, "Intended Print Area"},
      {0x9216, 1, "TIFF/EP StandardID"},
      {0x9C41, 1, "送信先"},
      {0x9C42, 1, "送信先番号"},
      {0x9C43, 1, "送信元"},
      {0xA20C, 7, "SpatialFrequencyResponse"},
      {0x920C, 7, "SpatialFrequencyResponse"},
      {0xA302, 7, "CFAPattern"},
      {0x828E, 1, "CFAPattern"},
      {0xC635, 3, "MakerNoteSafety"},
      {0xC635, 5, "BestQualityScale"},
      {0x00FE, 4, "NewSubFileType"},
      {0xC65B, 3, "CalibrationIlluminant2"},
  };
  for (const auto& c : cases) {
    auto name = TagName(c.tag, c.type);
    ASSERT_TRUE(name.has_value()) << std::hex << c.tag;
    EXPECT_EQ(*name, c.want) << std::hex << c.tag;
  }
}

TEST(TagName, InteroperabilityAndOtherTagsAreNotInTheDictionary) {
  for (const uint16_t tag : std::initializer_list<uint16_t>{0x0001, 0x0002, 0x00FD, 0xA501, 0xC636, 0xFFFF})
    EXPECT_FALSE(TagName(tag, 2).has_value()) << std::hex << tag;
}

}  // namespace
}  // namespace kelvane
