// WebP files: the VP8, VP8L and VP8X headers, the EXIF chunk through the
// TIFF path with or without its APP1 identifier, XMP located, and RIFF
// sizes that lie.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/containers/webp.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/support/load_helpers.h"
#include "tests/support/corpus.h"

namespace kelvane {
namespace {

using fixtures::Bytes;
using fixtures::Ifd;
using fixtures::LE16;
using fixtures::LE32;
using fixtures::WebPChunk;
using fixtures::WebPFile;
using testing::LoadBytes;
using testing::Row;

bool Has(const std::vector<Row>& rows, const Row& row) {
  return std::find(rows.begin(), rows.end(), row) != rows.end();
}

std::string Le24(uint32_t v) { return LE32(v).substr(0, 3); }

// A lossy key frame's first bytes: frame tag, start code, 14-bit sizes.
std::string Vp8(uint16_t width, uint16_t height) {
  return WebPChunk("VP8 ", Bytes({0x30, 0x01, 0x00, 0x9D, 0x01, 0x2A}) + LE16(width) + LE16(height) +
                               std::string(4, '\0'));
}

std::string Vp8l(uint32_t width, uint32_t height, bool alpha) {
  const uint32_t bits = (width - 1) | (height - 1) << 14 | uint32_t{alpha} << 28;
  return WebPChunk("VP8L", "\x2F" + LE32(bits) + std::string(3, '\0'));
}

std::string Vp8x(uint8_t flags, uint32_t width, uint32_t height) {
  return WebPChunk("VP8X", std::string(1, static_cast<char>(flags)) + std::string(3, '\0') +
                               Le24(width - 1) + Le24(height - 1));
}

std::string SmallTiff() {
  return fixtures::TiffHeader(false, 8) + Ifd().Ascii(0x010F, "Canon").Build(false, 8);
}

std::vector<Row> HeaderRows(const std::vector<Row>& rows) {
  std::vector<Row> out;
  for (const Row& r : rows) {
    if (r.style == 3 && r.name != "WebP情報") break;
    out.push_back(r);
  }
  return out;
}

TEST(WebP, HeaderOfEachForm) {
  struct Case {
    const char* what;
    std::string chunks;
    std::vector<Row> rows;
  } cases[] = {
      {"lossy", Vp8(320, 200),
       {{3, "WebP情報", ""}, {1, "形式", "VP8 (非可逆)"}, {1, "画像の幅", "320"}, {1, "画像の高さ", "200"},
        {1, "アルファ", "なし"}, {1, "アニメーション", "なし"}, {1, "フレーム数", "1"}}},
      {"lossless with alpha", Vp8l(16383, 2, true),
       {{3, "WebP情報", ""}, {1, "形式", "VP8L (可逆)"}, {1, "画像の幅", "16383"}, {1, "画像の高さ", "2"},
        {1, "アルファ", "あり"}, {1, "アニメーション", "なし"}, {1, "フレーム数", "1"}}},
      {"extended: the canvas size wins", Vp8x(0x10, 1000, 20000) + WebPChunk("ALPH", "a") + Vp8(10, 10),
       {{3, "WebP情報", ""}, {1, "形式", "VP8X (拡張), VP8 (非可逆)"}, {1, "画像の幅", "1000"},
        {1, "画像の高さ", "20000"}, {1, "アルファ", "あり"}, {1, "アニメーション", "なし"}, {1, "フレーム数", "1"}}},
      {"animated", Vp8x(0x02, 64, 48) + WebPChunk("ANIM", LE32(0) + LE16(3)) +
                       WebPChunk("ANMF", std::string(16, '\0') + Vp8(64, 48)) +
                       WebPChunk("ANMF", std::string(16, '\0') + Vp8(64, 48)),
       {{3, "WebP情報", ""}, {1, "形式", "VP8X (拡張)"}, {1, "画像の幅", "64"}, {1, "画像の高さ", "48"},
        {1, "アルファ", "なし"}, {1, "アニメーション", "あり"}, {1, "フレーム数", "2"}, {1, "ループ回数", "3"}}},
  };
  for (const auto& c : cases) EXPECT_EQ(HeaderRows(LoadBytes(WebPFile(c.chunks), "a.webp").rows), c.rows) << c.what;
}

TEST(WebP, ExifChunkGoesThroughTheTiffPath) {
  for (const std::string& prefix : {std::string(), std::string("Exif\0\0", 6)}) {
    // An odd-sized chunk before it checks the padding.
    auto got = LoadBytes(WebPFile(Vp8x(0x08, 1, 1) + WebPChunk("ICCP", "odd") + WebPChunk("EXIF", prefix + SmallTiff())),
                         "a.webp");
    EXPECT_TRUE(Has(got.rows, {0, "メーカー名", "Canon"})) << prefix.size();
  }
}

TEST(WebP, XmpIsLocated) {
  const std::string file = WebPFile(Vp8(1, 1) + WebPChunk("XMP ", "<x:xmpmeta/>"));
  MemoryReader f(file);
  TMakerResult rows;
  EmbeddedMetadata found;
  ASSERT_TRUE(ReadWebP(f, rows, found));
  EXPECT_EQ(found.xmp_pos, file.find("<x:"));
  EXPECT_EQ(found.xmp_length, 12u);
}

TEST(WebP, SizesThatLie) {
  struct Case {
    const char* what;
    std::string file;
  } cases[] = {
      {"RIFF size past the end", "RIFF" + LE32(0xFFFFFFF0) + "WEBP" + Vp8(5, 6)},
      {"chunk size past the end", "RIFF" + LE32(100) + "WEBP" + Vp8(5, 6) + "EXIF" + LE32(0x7FFFFFFF) + "MM"},
      {"chunk past the RIFF size", WebPFile(Vp8(5, 6)).substr(0, 4) + LE32(30) + "WEBP" + Vp8(5, 6) +
                                       WebPChunk("EXIF", SmallTiff())},
      {"cut in a header", WebPFile(Vp8(5, 6)).substr(0, 30)},
  };
  for (const auto& c : cases) {
    auto got = LoadBytes(c.file, "a.webp");
    ASSERT_FALSE(got.rows.empty()) << c.what;
    EXPECT_EQ(got.rows[0], (Row{3, "WebP情報", ""})) << c.what;
    EXPECT_FALSE(Has(got.rows, {0, "メーカー名", "Canon"})) << c.what;
  }
  // A RIFF size past the end still reads what the file holds.
  EXPECT_TRUE(Has(LoadBytes(cases[0].file, "a.webp").rows, {1, "画像の幅", "5"}));
}

TEST(WebP, AviIsNotTakenForWebP) {
  const std::string avi = "RIFF" + LE32(4) + "AVI ";
  auto got = LoadBytes(avi, "a.avi");
  ASSERT_FALSE(got.rows.empty());
  EXPECT_EQ(got.rows[0], (Row{3, "AVI", ""}));
  EXPECT_EQ(LoadBytes(WebPFile(Vp8(2, 2)), "a.avi").rows[0], (Row{3, "WebP情報", ""}));
}

TEST(WebP, CorpusFileShowsItsFacts) {
  const std::string dir = kelvane::testing::CorpusFolder().string();
  if (dir.empty()) GTEST_SKIP() << kelvane::testing::kNoCorpus;
  InfoTree tree;
  PageFields page;
  Load(std::string(dir) + "/RIFF.webp", {}, tree, page);
  const auto rows = testing::RowsOf(tree);
  for (const Row& row : {Row{1, "画像の幅", "1"}, Row{1, "アルファ", "あり"}, Row{3, "メイン情報", ""},
                         Row{2, "アーティスト", "me"}})
    EXPECT_TRUE(Has(rows, row)) << row;
}

}  // namespace
}  // namespace kelvane
