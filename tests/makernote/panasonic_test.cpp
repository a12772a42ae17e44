// Panasonic and Leica notes (code 25): the tags of today's Lumix bodies
// beside the ones the older bodies wrote.
#include <gtest/gtest.h>

#include "engine/makernote/maker_code.h"
#include "tests/makernote/maker_fixtures.h"
#include "tests/makernote/maker_rows.h"

namespace kelvane {
namespace {

using fixtures::Bytes;
using fixtures::Ifd;
using testing_rows::FindRow;
using testing_rows::RowValue;
using testing_rows::RowsText;

constexpr int32_t kKey = Code(MakerCode::kPanasonic) << 16;

TEST(PanasonicNote, NamesTodaysTags) {
  Ifd ifd;
  ifd.Short(0x0001, {7})
      .Short(0x0003, {12})
      .Short(0x001F, {13})
      .Undefined(0x0025, std::string("11C0123456789\0\0\0", 16))
      .Ascii(0x0051, "LUMIX G VARIO 12-32/F3.5-5.6")
      .Ascii(0x0052, "XA1234567")
      .Ascii(0x0053, "NO-ACCESSORY")
      .Undefined(0x0060, Bytes({1, 0, 5, 0}))
      .Undefined(0x0063, Bytes({0, 0, 0, 0}))
      .Short(0x009F, {1})
      .Short(0x8001, {0});
  for (bool intel : {true, false}) {
    const TMakerResult r = maker_test::Decode(ifd, Code(MakerCode::kPanasonic), intel);
    const auto row = [&](uint16_t tag) { return RowValue(r, kKey + tag); };
    EXPECT_EQ(row(0x0001), "RAW") << RowsText(r);
    EXPECT_EQ(row(0x0003), "日陰");
    EXPECT_EQ(row(0x001F), "流し撮り撮影");  // the older bodies' text stays
    EXPECT_EQ(row(0x0025), "11C0123456789");
    EXPECT_EQ(row(0x0051), "LUMIX G VARIO 12-32/F3.5-5.6");
    EXPECT_EQ(row(0x0052), "XA1234567");
    EXPECT_EQ(row(0x0053), "NO-ACCESSORY");
    EXPECT_EQ(row(0x0060), "1.0.5.0");
    EXPECT_EQ(row(0x009F), "電子シャッター");
    EXPECT_EQ(row(0x8001), "オフ");
    EXPECT_EQ(FindRow(r, kKey + 0x0051)->Style, kStyleKey);
    EXPECT_EQ(FindRow(r, kKey + 0x0052)->Style, kStyleKey);
    EXPECT_EQ(FindRow(r, kKey + 0x009F)->Style, kStyleDetail);
    EXPECT_EQ(FindRow(r, kKey + 0x0001)->Style, kStyleKey);  // as the older bodies' rows were
    // A tag the public list marks as not understood stays unnamed.
    const TIFDItem* unknown = FindRow(r, kKey + 0x0063);
    ASSERT_TRUE(unknown);
    EXPECT_EQ(unknown->Name, "Unknown (0063)7,4");
  }
}

TEST(PanasonicNote, OlderBodiesRowsKeepTheirTexts) {
  Ifd ifd;
  ifd.Short(0x0001, {2}).Short(0x0003, {1}).Short(0x001C, {2}).Short(0x001F, {4});
  const TMakerResult r = maker_test::Decode(ifd, Code(MakerCode::kPanasonic));
  EXPECT_EQ(RowValue(r, kKey + 0x0001), "ファイン");
  EXPECT_EQ(RowValue(r, kKey + 0x0003), "オート");
  EXPECT_EQ(RowValue(r, kKey + 0x001C), "オフ");
  EXPECT_EQ(RowValue(r, kKey + 0x001F), "高速連写");
  EXPECT_EQ(FindRow(r, kKey + 0x0001)->Name, "画質モード");
}

}  // namespace
}  // namespace kelvane
