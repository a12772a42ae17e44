// The JPEG segment walk: one row per segment kind, and the walk's limits.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/fixtures/byte_builder.h"
#include "tests/support/corpus.h"
#include "tests/support/load_helpers.h"
#include "tests/support/whole_file.h"

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

// A segment with its length field, for streams the Jpeg builder does not
// make (no frame header, cut short).
std::string Seg(uint16_t marker, std::string_view payload) {
  return BE16(marker) + BE16(static_cast<uint16_t>(payload.size() + 2)) + std::string(payload);
}

TEST(JpegWalk, EndsAtTheFrameHeaderTheScanOrTheEndOfImage) {
  // A comment behind the marker is not reached.
  struct Case {
    const char* what;
    std::string end;
  } cases[] = {
      {"SOF0", Seg(0xFFC0, "x")},
      {"SOF2", Seg(0xFFC2, "x")},
      {"SOS", Seg(0xFFDA, std::string(10, '\0'))},
      // EOI has no length: what follows would be read as one.
      {"EOI", BE16(0xFFD9)},
  };
  for (const auto& c : cases) {
    std::string bytes = BE16(0xFFD8) + Seg(0xFFFE, "a") + c.end + Seg(0xFFFE, "b") + BE16(0xFFD9);
    auto got = LoadBytes(bytes, "x.jpg");
    EXPECT_EQ(got.rows, (std::vector<Row>{{2, "コメント", "a"}})) << c.what;
  }
}

TEST(JpegWalk, StepsOverMarkersWithoutALengthAndFillBytes) {
  struct Case {
    const char* what;
    std::string between;
  } cases[] = {
      {"TEM", BE16(0xFF01)},
      {"RST0 to RST7", BE16(0xFFD0) + BE16(0xFFD3) + BE16(0xFFD7)},
      {"fill bytes", "\xFF\xFF\xFF"},
      {"fill bytes before a lengthless marker", "\xFF\xFF\xD5"},
  };
  for (const auto& c : cases) {
    std::string bytes = BE16(0xFFD8) + Seg(0xFFFE, "a") + c.between + Seg(0xFFFE, "b") + BE16(0xFFD9);
    auto got = LoadBytes(bytes, "x.jpg");
    EXPECT_EQ(got.rows, (std::vector<Row>{{2, "コメント", "a"}, {2, "コメント", "b"}})) << c.what;
  }
}

std::vector<std::string> Captions(const std::vector<Row>& rows) {
  std::vector<std::string> out;
  for (const Row& r : rows)
    if (r.style == 3) out.push_back(r.name);
  return out;
}

TEST(JpegWalk, AReadErrorEndsTheWalkAndWhatItFoundIsDecoded) {
  // Exif and Photoshop resources with an IPTC block, then a stream an
  // editor left without a frame header, or one cut short.
  const std::string tiff = fixtures::TiffHeader(true) + fixtures::Ifd().Ascii(0x010F, "Maker").Build(true, 8);
  const std::string iptc = std::string("\x1C\x02\x78\x00\x05", 5) + "hello";
  const std::string head = BE16(0xFFD8) + Seg(0xFFE1, std::string("Exif\0\0", 6) + tiff) +
                           Seg(0xFFED, std::string("Photoshop 3.0\0", 14) +
                                           fixtures::PhotoshopResource(0x0404, iptc));
  struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"EOI without a frame header", head + BE16(0xFFD9)},
      {"nothing behind the segments", head},
      {"cut inside a marker", head + "\xFF"},
      {"cut inside a length", head + BE16(0xFFFE) + "\x00"},
      {"fill bytes up to the end", head + "\xFF\xFF\xFF"},
      {"a segment cut short", head + BE16(0xFFFE) + BE16(100) + "abc"},
  };
  for (const auto& c : cases) {
    auto got = LoadBytes(c.bytes, "x.jpg");
    EXPECT_EQ(Captions(got.rows), (std::vector<std::string>{"AdobeResource", "IPTC", "メイン情報"}))
        << c.what;
    EXPECT_EQ(got.rows.back(), (Row{0, "メーカー名", "Maker"})) << c.what;
    bool iptc_value = false;
    for (const Row& r : got.rows) iptc_value |= r.value == "hello";
    EXPECT_TRUE(iptc_value) << c.what;
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

TEST(JpegWalk, RealPhotosWithoutTheirPictureShowTheSameRows) {
  // An editor's copy keeps the segments and ends at EOI, with no frame
  // header; a cut copy ends before its quantisation tables.
  if (testing::CorpusFolder().empty()) GTEST_SKIP() << testing::kNoCorpus;
  for (const char* name : {"Canon.jpg", "Nikon.jpg", "GPS.jpg", "Pentax.jpg"}) {
    const std::string photo = testing::WholeFile(testing::CorpusFile(name));
    // The first segment that is not an APPn one (a thumbnail inside the
    // Exif block has tables of its own).
    size_t tables = 2;
    while (tables + 4 <= photo.size() && (static_cast<uint8_t>(photo[tables + 1]) & 0xF0) == 0xE0)
      tables += 2 + size_t{static_cast<uint8_t>(photo[tables + 2])} * 256 + static_cast<uint8_t>(photo[tables + 3]);
    ASSERT_LT(tables + 4, photo.size()) << name;
    ASSERT_EQ(photo.substr(tables, 2), "\xFF\xDB") << name;
    const auto whole = LoadBytes(photo, name).rows;
    ASSERT_GT(Captions(whole).size(), 1u) << name;
    EXPECT_EQ(LoadBytes(photo.substr(0, tables) + BE16(0xFFD9), name).rows, whole) << name;
    EXPECT_EQ(LoadBytes(photo.substr(0, tables), name).rows, whole) << name;
  }
}

TEST(JpegWalk, AJfxxThumbnailSegmentGivesItsRow) {
  // Extension code 0x10: a JPEG stream from behind the code to the
  // segment's end. The other extensions (palette, RGB pixels) give none.
  const std::string stream = "\xFF\xD8 thumbnail \xFF\xD9";
  struct Case {
    std::string payload;
    std::vector<Row> want;
  } cases[] = {
      {std::string("JFXX\0\x10", 6) + stream,
       {{2, "JFIF_APP0", "JFXX Thumbnail (offset:30 size:15bytes)"}, {2, "コメント", "c"}}},
      {std::string("JFXX\0\x13", 6) + "\x01\x01rgb", {{2, "コメント", "c"}}},
      {std::string("JFXX\0\x10", 6), {{2, "コメント", "c"}}},
  };
  for (const auto& c : cases) {
    auto got = LoadBytes(Jpeg().Jfif().Segment(0xFFE0, c.payload).Segment(0xFFFE, "c").Build(), "x.jpg");
    EXPECT_EQ(got.rows, c.want);
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
