// The TIFF raws of today's cameras: their extensions and header forms into
// the TIFF path, Panasonic's own IFD0, and the embedded JPEG preview as the
// thumbnail where IFD1 has none.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/fixtures/byte_builder.h"
#include "tests/support/load_helpers.h"
#include "tests/support/corpus.h"

namespace kelvane {
namespace {

using fixtures::Ifd;
using fixtures::LE32;
using testing::LoadBytes;
using testing::Row;

const Row kNoExif{2, "エラー", "Exif情報が見つかりません"};
const Row kMain{3, "メイン情報", ""};

bool Has(const std::vector<Row>& rows, const Row& row) {
  return std::find(rows.begin(), rows.end(), row) != rows.end();
}

TEST(TodaysRaws, ExtensionsTakeTheTiffPath) {
  for (const char* ext : {".arw", ".sr2", ".srw", ".nrw", ".rwl", ".3fr", ".iiq", ".rw2", ".ARW"}) {
    EXPECT_EQ(LoadBytes("not a tiff file at all", std::string("x") + ext).rows, std::vector<Row>{kNoExif})
        << ext;
    const std::string tiff = fixtures::TiffHeader(true, 8) + Ifd().Ascii(0x010F, "SONY").Build(true, 8);
    EXPECT_TRUE(Has(LoadBytes(tiff, std::string("x") + ext).rows, {0, "メーカー名", "SONY"})) << ext;
  }
}

TEST(TodaysRaws, HeaderFormsAreRecognisedUnderAnyName) {
  const std::string ifd_le = Ifd().Ascii(0x010F, "OLYMPUS").Build(true, 8);
  const std::string ifd_be = Ifd().Ascii(0x010F, "OLYMPUS").Build(false, 8);
  struct Case {
    const char* what;
    std::string file;
  } cases[] = {
      {"IIRO", "IIRO" + LE32(8) + ifd_le},
      {"IIRS", "IIRS" + LE32(8) + ifd_le},
      {"MMOR", "MMOR" + fixtures::BE32(8) + ifd_be},
      {"II*", fixtures::TiffHeader(true, 8) + ifd_le},
  };
  for (const auto& c : cases) {
    for (const char* name : {"a.orf", "a.raw", "noext"}) {
      auto got = LoadBytes(c.file, name);
      EXPECT_TRUE(Has(got.rows, {0, "メーカー名", "OLYMPUS"})) << c.what << " " << name;
    }
  }
  // A name the dispatch knows keeps its own reading.
  auto got = LoadBytes(fixtures::TiffHeader(true, 8) + ifd_le, "a.mov");
  EXPECT_FALSE(Has(got.rows, kMain));
}

// A Panasonic raw: "IIU\0", IFD0 at 8 with Panasonic's own tags.
std::string Rw2(const Ifd& ifd0) { return std::string("IIU\0", 4) + LE32(8) + ifd0.Build(true, 8); }

TEST(TodaysRaws, PanasonicIfd0HasItsOwnCaptions) {
  auto got = LoadBytes(Rw2(Ifd()
                               .Undefined(0x0001, "0310")
                               .Short(0x0002, {5200})
                               .Short(0x0009, {1})
                               .Short(0x0017, {200})
                               .Ascii(0x010F, "Panasonic")
                               .Short(0x0118, {4096})
                               .Short(0x011A, {1})),
                       "P1.RW2");
  const std::vector<Row> want = {
      kMain,
      {0, "RAWバージョン", "0310"},
      {1, "センサーの幅", "5200"},
      {2, "CFA配列", "[赤,緑][緑,青]"},
      {1, "ISO感度", "200"},
      {0, "メーカー名", "Panasonic"},
      {2, "RAWデータのオフセット", "4096"},
      // Not XResolution here: Panasonic gives the number another meaning.
      {2, "Unknown (011A)3,1", "1"},
  };
  EXPECT_EQ(got.rows, want);
}

TEST(TodaysRaws, EmbeddedJpegIsTheThumbnailWhereIfd1HasNone) {
  const std::string jpeg = "\xFF\xD8\xFF\xD9";
  // Data placed behind the IFDs, at a known offset.
  constexpr uint32_t kData = 400;
  auto with_data = [&](std::string file, const std::string& data) {
    file.resize(kData, '\0');
    return file + data;
  };
  const Ifd preview_sub = Ifd().Long(0x00FE, {1}).Short(0x0103, {7}).Long(0x0111, {kData}).Long(0x0117, {4});
  const std::string sub_ifd_file = [&] {
    std::string f = fixtures::TiffHeader(true, 8) + Ifd().Long(0x014A, {200}).Build(true, 8);
    f.resize(200, '\0');
    return f + preview_sub.Build(true, 200);
  }();
  struct Case {
    const char* what;
    std::string name;
    std::string file;
    uint64_t pos, len;
  } cases[] = {
      {"IFD0's own JPEG", "a.arw",
       with_data(fixtures::TiffHeader(true, 8) + Ifd().Long(0x0201, {kData}).Long(0x0202, {4}).Build(true, 8), jpeg),
       kData, 4},
      {"Panasonic JpgFromRaw", "a.rw2",
       with_data(Rw2(Ifd().Raw(0x002E, 7, 8, LE32(kData))), jpeg + std::string(4, '\0')), kData, 8},
      {"a reduced sub-IFD holding a JPEG", "a.dng", with_data(sub_ifd_file, jpeg), kData, 4},
      {"a block that is no JPEG", "a.dng", with_data(sub_ifd_file, "RAW!"), 0, 0},
      {"a JPEG past the end", "a.arw",
       with_data(fixtures::TiffHeader(true, 8) + Ifd().Long(0x0201, {kData}).Long(0x0202, {400}).Build(true, 8), jpeg),
       0, 0},
      // Older kinds keep IFD1 as their only thumbnail source.
      {"a NEF", "a.nef", with_data(sub_ifd_file, jpeg), 0, 0},
  };
  for (const auto& c : cases) {
    auto got = LoadBytes(c.file, c.name);
    EXPECT_EQ(got.page.ThumbPos, c.pos) << c.what;
    EXPECT_EQ(got.page.ThumbLen, c.len) << c.what;
  }
}

TEST(TodaysRaws, CorpusPanasonicRaw) {
  const std::string dir = kelvane::testing::CorpusFolder().string();
  if (dir.empty()) GTEST_SKIP() << kelvane::testing::kNoCorpus;
  InfoTree tree;
  PageFields page;
  Load(std::string(dir) + "/Panasonic.rw2", {}, tree, page);
  const auto rows = testing::RowsOf(tree);
  for (const Row& row : {kMain, Row{0, "メーカー名", "Panasonic"}, Row{0, "機種", "DMC-LX3"},
                         Row{1, "ISO感度", "80"}, Row{3, "サブ情報", ""}, Row{1, "露出時間", "1/250秒"},
                         // The embedded JPEG's full Exif block, maker notes included.
                         Row{3, "埋め込みJPEG", "(Exif情報)"}, Row{1, "レンズの焦点距離(35mm)", "24(mm)"},
                         Row{3, "メーカー独自情報", ""}, Row{1, "ホワイトバランス", "オート"}})
    EXPECT_TRUE(Has(rows, row)) << row;
  // The raw's preview stays the thumbnail, not the embedded JPEG's own.
  EXPECT_EQ(page.ThumbPos, 1536u);
  EXPECT_EQ(page.ThumbLen, 10785u);
}

}  // namespace
}  // namespace kelvane
