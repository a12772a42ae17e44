#include "engine/loader/raw_headers.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/loader/loader.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/support/load_helpers.h"
#include "tests/support/corpus.h"

namespace kelvane {
namespace {

using fixtures::BE16;
using fixtures::BE32;
using testing::Row;
using testing::RowsOf;

// A Fuji RAF whose embedded JPEG (SOI, Exif APP1) starts at `jpeg_at`.
std::string Raf(uint32_t jpeg_at = 148) {
  std::string model("FinePix S5Pro");
  model.resize(32, '\0');
  std::string file = "FUJIFILMCCD-RAW 0201" + std::string("FF\0922\0\01", 8) + model + std::string("01\0" "6", 4);
  file.resize(84, '\0');
  file += BE32(jpeg_at) + BE32(12167) + BE32(12316) + BE32(13046) + BE32(38408) + BE32(22);
  file.resize(jpeg_at, '\0');
  const std::string tiff = fixtures::TiffHeader(false) + fixtures::Ifd().Build(false, 8);
  return file + fixtures::Jpeg().Exif(tiff).Build();
}

// A Minolta MRW with its TIFF header at 48.
std::string Mrw() {
  std::string file = std::string("\0MRM", 4) + BE32(0x0A0C) + std::string("\0PRD", 4) + BE32(0x18) +
                     "27200001" + BE16(2456) + BE16(3272) + BE16(2448) + BE16(3264);
  file.resize(44, '\0');
  file += BE32(0x884);
  return file + fixtures::TiffHeader(false) + fixtures::Ifd().Build(false, 8);
}

TEST(FujiHeader, RowsBaseAndJpegOrigin) {
  MemoryReader f(Raf());
  InfoTree tree;
  uint32_t base = 12, origin = 0;
  ASSERT_TRUE(ReadFujiHeader(f, tree, base, origin));
  EXPECT_EQ(base, 160u);
  EXPECT_EQ(origin, 148u);
  EXPECT_EQ(RowsOf(tree), (std::vector<Row>{{3, "FUJIFILM CCDRAW 情報", ""},
                                          {4, "バージョン", "0201"},
                                          {4, "Unknown", std::string("FF\0922\0\01", 8)},
                                          {4, "機種", "FinePix S5Pro"},
                                          {4, "ファームウェア", "016"},
                                          {4, "JPEG Offset", "148"},
                                          {4, "JPEG Size", "12167"},
                                          {4, "パラメータ Offset", "12316"},
                                          {4, "パラメータ Size", "13046"},
                                          {4, "RAW Offset", "38408"},
                                          {4, "RAW Size", "22"}}));
}

TEST(MinoltaHeader, RowsAndBase) {
  MemoryReader f(Mrw());
  InfoTree tree;
  uint32_t base = 12;
  ASSERT_TRUE(ReadMinoltaHeader(f, tree, base));
  EXPECT_EQ(base, 48u);
  EXPECT_EQ(RowsOf(tree), (std::vector<Row>{{3, "Dimage CCDRAW 情報", ""},
                                          {4, "Image Data Offset", "0A0C"},
                                          // stored height first: 2456, then width
                                          {4, "Image Width", "3272"},
                                          {4, "Image Height", "2456"},
                                          {4, "Minolta Offset", "0884"}}));
}

TEST(RawHeaders, WrongSignatureAddsNothingAndKeepsBase) {
  std::string raf = Raf();
  raf[3] = 'X';
  std::string mrw = Mrw();
  mrw[2] = 'X';
  InfoTree tree;
  uint32_t base = 12, origin = 0;
  MemoryReader fr(raf);
  EXPECT_FALSE(ReadFujiHeader(fr, tree, base, origin));
  MemoryReader fm(mrw);
  EXPECT_FALSE(ReadMinoltaHeader(fm, tree, base));
  EXPECT_EQ(base, 12u);
  EXPECT_EQ(origin, 0u);
  EXPECT_EQ(tree.size(), 0u);
}

TEST(RawHeaders, LoaderFollowsOnToTheTiffPath) {
  struct Case {
    const char* path;
    std::string file;
    const char* caption;  // nullptr: no header group
    bool error;
  } cases[] = {
      {"a.raf", Raf(), "FUJIFILM CCDRAW 情報", false},
      {"a.RAF", Raf(300), "FUJIFILM CCDRAW 情報", false},
      {"a.mrw", Mrw(), "Dimage CCDRAW 情報", false},
      // A wrong signature: the TIFF path looks at 12 and finds nothing.
      {"a.raf", "FUJIFILMCCD-RAX " + Raf().substr(16), nullptr, true},
      {"a.mrw", std::string("\0MRX", 4) + Mrw().substr(4), nullptr, true},
  };
  for (const auto& c : cases) {
    MemoryReader f(c.file);
    InfoTree tree;
    PageFields page;
    LoadFrom(f, c.path, LoadSwitches{}, tree, page);
    ASSERT_GE(tree.size(), 1u) << c.path;
    if (c.caption) {
      EXPECT_EQ(tree[0].name, c.caption);
      EXPECT_EQ(tree[0].style, 3);
    }
    bool main = false, error = false;
    for (const auto& r : tree.Rows()) {
      main = main || r.name == "メイン情報";
      error = error || (r.name == "エラー" && r.value == "Exif情報が見つかりません");
    }
    EXPECT_EQ(main, !c.error) << c.path;
    EXPECT_EQ(error, c.error) << c.path;
  }
}

TEST(RawHeaders, TruncatedHeaderEndsTheRunQuietly) {
  for (size_t cut : {10u, 40u, 90u}) {
    MemoryReader f(Raf().substr(0, cut));
    InfoTree tree;
    PageFields page;
    LoadFrom(f, "a.raf", LoadSwitches{}, tree, page);
    for (const auto& r : tree.Rows()) EXPECT_NE(r.name, "メイン情報");
  }
}

TEST(RawHeaders, CorpusFiles) {
  const std::filesystem::path corpus = testing::CorpusFolder();
  if (corpus.empty()) GTEST_SKIP() << testing::kNoCorpus;
  auto load = [&](const char* name) {
    InfoTree tree;
    PageFields page;
    Load((corpus / name).string(), LoadSwitches{}, tree, page);
    return tree;
  };
  InfoTree raf = load("FujiFilm.raf");
  ASSERT_GE(raf.size(), 12u);
  EXPECT_EQ(raf[0].name, "FUJIFILM CCDRAW 情報");
  EXPECT_EQ(raf[1].value, "0201");
  EXPECT_EQ(raf[3].value, "FinePix S5Pro  ");
  EXPECT_EQ(raf[5].value, "148");
  EXPECT_EQ(raf[11].name, "メイン情報");
  InfoTree mrw = load("Minolta.mrw");
  ASSERT_GE(mrw.size(), 6u);
  EXPECT_EQ(mrw[0].name, "Dimage CCDRAW 情報");
  EXPECT_EQ(mrw[1].value, "0A0C");
  EXPECT_EQ(mrw[4].value, "0884");
  EXPECT_EQ(mrw[5].name, "メイン情報");
}

}  // namespace
}  // namespace kelvane
