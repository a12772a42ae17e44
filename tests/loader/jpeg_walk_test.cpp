// The JPEG segment walk: one row per segment kind, and the walk's limits.
#include <gtest/gtest.h>

#include "tests/fixtures/byte_builder.h"
#include "tests/support/load_helpers.h"

namespace kelvane {
namespace {

using fixtures::BE16;
using fixtures::Jpeg;
using testing::LoadBytes;
using testing::Row;

TEST(JpegWalk, EachSegmentKindGivesItsRow) {
  struct Case {
    uint16_t marker;
    std::string payload;
    Row want;
  } cases[] = {
      {0xFFE1, "Meta" + std::string(10, '\0'), {2, "JFIF_APP1", "Meta"}},
      {0xFFE2, "ICC_PROFILE" + std::string(20, 'x'),
       {1, "JFIF_APP2", "ICC Profile (offset:17 size:24bytes)"}},
      {0xFFE2, std::string("FPXR\0\0\0\0\0\0\0\0", 12),
       {2, "JFIF_APP2", "FXPR (offset:6 size:5bytes)"}},
      {0xFFE2, "OTHERDATA123", {2, "JFIF_APP2", "OTHERDATA12"}},
      {0xFFE3, "Meta" + std::string(6, '\0'), {2, "JFIF_APP3", "Kodak Meta IFD"}},
      {0xFFE3, "Abcd", {2, "JFIF_APP3", "Abcd"}},
      {0xFFE4, "x", {2, "JFIF_APPx", "Unknown:FFE4"}},
      {0xFFEB, "x", {2, "JFIF_APPx", "Unknown:FFEB"}},
      {0xFFEC, std::string("Du\0ck", 5), {2, "JFIF_APP12", "Duck"}},
      {0xFFED, std::string("Photoshop 3.0\0", 14) + "8BIM", {2, "JFIF_APP13", "Photoshop 3.0"}},
      {0xFFED, "Adobe_Photoshop2.5:xxxxxxxxxx", {2, "JFIF_APP13", "Adobe_Photoshop2.5"}},
      {0xFFED, "Something else", {2, "JFIF_APP13", "Unknown:FFED"}},
      {0xFFEE, "Adobe" + std::string(8, 'z'), {2, "JFIF_APP14", "Adobezzzzzzzz"}},
      {0xFFFE, "a comment", {2, "コメント", "a comment"}},
  };
  for (const auto& c : cases) {
    auto got = LoadBytes(Jpeg().Segment(c.marker, c.payload).Build(), "x.jpg");
    // Photoshop segments are followed by their (here empty) resource group.
    ASSERT_GE(got.rows.size(), 1u) << std::hex << c.marker;
    EXPECT_EQ(got.rows[0], c.want);
  }
}

TEST(JpegWalk, App0AndOtherMarkersGiveNoRowAndTheWalkGoesOn) {
  auto got = LoadBytes(Jpeg().Jfif().Segment(0xFFDB, std::string(65, '\0')).Segment(0xFFFE, "c").Build(),
                       "x.jpg");
  EXPECT_EQ(got.rows, (std::vector<Row>{{2, "コメント", "c"}}));
}

TEST(JpegWalk, StopsAtTheFrameHeader) {
  // A comment after SOF0 is not reached; nor after SOF2.
  for (const uint16_t sof : {uint16_t{0xFFC0}, uint16_t{0xFFC2}}) {
    std::string bytes = BE16(0xFFD8) + BE16(0xFFFE) + BE16(3) + "a" + BE16(sof) + BE16(3) + "x" +
                        BE16(0xFFFE) + BE16(3) + "b" + BE16(0xFFD9);
    auto got = LoadBytes(bytes, "x.jpg");
    EXPECT_EQ(got.rows, (std::vector<Row>{{2, "コメント", "a"}}));
  }
}

TEST(JpegWalk, WalksAtMostOneHundredSegments) {
  Jpeg jpeg;
  for (int i = 0; i < 120; ++i) jpeg.Segment(0xFFFE, std::to_string(i));
  auto got = LoadBytes(jpeg.Build(), "x.jpg");
  ASSERT_EQ(got.rows.size(), 100u);
  EXPECT_EQ(got.rows.back().value, "99");
}

TEST(JpegWalk, BadLengthsAndShortFilesEndTheWalkQuietly) {
  // At least ten bytes: the kind test reads four bytes at 6.
  const std::string head = BE16(0xFFD8) + BE16(0xFFFE) + BE16(6) + "abcd";
  struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"length below 2", head + BE16(0xFFFE) + BE16(1) + BE16(0xFFFE) + BE16(3) + "b"},
      {"length 0", head + BE16(0xFFFE) + BE16(0)},
      {"segment runs past the end", head + BE16(0xFFFE) + BE16(0xFFF0) + "b"},
      {"cut inside a marker", head + BE16(0xFFFE) + BE16(6) + "bbbb" + "\xFF"},
      {"file ends after a segment", head},
  };
  for (const auto& c : cases) {
    auto got = LoadBytes(c.bytes, "x.jpg");
    ASSERT_GE(got.rows.size(), 1u) << c.what;
    EXPECT_EQ(got.rows[0], (Row{2, "コメント", "abcd"})) << c.what;
    for (const auto& r : got.rows) EXPECT_NE(r.name, "エラー") << c.what;
  }
}

TEST(JpegWalk, RecognisedBySignatureOrByExtension) {
  // "JFIF" at 6 makes any name a JPEG; ".jpg" makes any bytes one.
  std::string jfif = Jpeg().Jfif().Segment(0xFFFE, "c").Build();
  EXPECT_EQ(LoadBytes(jfif, "photo.bin").rows, (std::vector<Row>{{2, "コメント", "c"}}));
  std::string plain = Jpeg().Segment(0xFFFE, "c").Build();
  EXPECT_EQ(LoadBytes(plain, "PHOTO.JPG").rows, (std::vector<Row>{{2, "コメント", "c"}}));
  EXPECT_TRUE(LoadBytes(plain, "photo.bin").rows.empty());
}

TEST(JpegWalk, CommentBytesInShiftJisAreShownAsText) {
  // "日本" in Shift_JIS.
  auto got = LoadBytes(Jpeg().Segment(0xFFFE, "\x93\xfa\x96\x7b").Build(), "x.jpg");
  ASSERT_EQ(got.rows.size(), 1u);
  EXPECT_EQ(got.rows[0].value, "日本");
}

}  // namespace
}  // namespace kelvane
