#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/makernote/makernote.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/makernote/corpus_peek.h"
#include "tests/makernote/maker_rows.h"

namespace kelvane {
namespace {

using fixtures::Bytes;
using fixtures::PrintIMBlock;
using fixtures::PrintIMEntry;

constexpr uint32_t kBase = 12;

// A file with `block` at kBase + 20.
std::string FileWith(const std::string& block) { return std::string(kBase + 20, 'x') + block; }

TMakerResult Decode(const std::string& block, bool intel, int32_t maker_code = 0,
                    const std::string& locator = "") {
  MemoryReader f(FileWith(block));
  TMakerResult r;
  ReadPrintIM(f, intel, kBase, 20, maker_code, locator, r);
  return r;
}

TEST(PrintIM, VersionAndNamedEntries) {
  for (bool intel : {true, false}) {
    const std::string block =
        PrintIMBlock(intel, std::string("0300\0", 5),
                     {{9, Bytes({0xFF, 0, 0, 0})},
                      {10, Bytes({0x7F, 1, 2, 3})},
                      {11, Bytes({0x01, 0x02, 0xAB, 0x00})},
                      {12, Bytes({0, 0, 0, 0x10})},
                      {13, Bytes({0x80, 0, 0, 0})},
                      {1, Bytes({0x00, 0x01, 0x00, 0x00})},
                      {0xE0A, Bytes({0x80, 0, 0, 0})}});
    TMakerResult r = Decode(block, intel);
    SCOPED_TRACE(intel ? "Intel" : "Motorola");
    ASSERT_EQ(r.Count, 8);
    EXPECT_EQ(r.Items[0].Tag, 0x960000);
    EXPECT_EQ(r.Items[0].Name, "バージョン");
    EXPECT_EQ(r.Items[0].Value, std::string("0300\0", 5));
    const struct {
      int32_t tag;
      const char* name;
      const char* value;
    } want[] = {
        {0x960009, "コントラスト", "-1 (-128～127)"},
        {0x96000A, "明るさ", "127 (-128～127)"},
        {0x96000B, "カラーバランス", "01 02 AB 00 "},
        {0x96000C, "彩度", "00 00 00 10 "},
        {0x96000D, "シャープネス", "80 00 00 00 "},
        {0x960001, "Unknown (0001)", "00 01 00 00 "},
        {0x960E0A, "Unknown (0E0A)", "80 00 00 00 "},
    };
    for (size_t i = 0; i < std::size(want); ++i) {
      EXPECT_EQ(r.Items[i + 1].Tag, want[i].tag);
      EXPECT_EQ(r.Items[i + 1].Name, want[i].name);
      EXPECT_EQ(r.Items[i + 1].Value, want[i].value);
    }
  }
}

TEST(PrintIM, ByteOrderByMaker) {
  // Two entries as written in `written` order; read back right only in the
  // order the maker code selects.
  struct Case {
    bool file_intel;
    int32_t maker_code;
    const char* locator;
    bool block_intel;
  } cases[] = {
      {true, 0, "", true},
      {false, 6, "", false},
      {true, 18, "", false},          // Minolta: Motorola
      {false, 18, "DiMAGE X", true},  // except the DiMAGE X family
      {true, 18, "DiMAGE X", true},
      {true, 20, "", false},          // Ricoh Caplio: Motorola
      {false, 16, "DiMAGE X", false}, // the text matters only for Minolta
  };
  for (const auto& c : cases) {
    const std::string block =
        PrintIMBlock(c.block_intel, "0100", {{9, Bytes({3, 0, 0, 0})}, {0x0102, Bytes({1, 2, 3, 4})}});
    TMakerResult r = Decode(block, c.file_intel, c.maker_code, c.locator);
    SCOPED_TRACE(::testing::Message() << "code " << c.maker_code << " " << c.locator);
    ASSERT_EQ(r.Count, 3);
    EXPECT_EQ(r.Items[1].Name, "コントラスト");
    EXPECT_EQ(r.Items[1].Value, "3 (-128～127)");
    EXPECT_EQ(r.Items[2].Tag, 0x960102);
  }
}

TEST(PrintIM, AtMostTwentyOneEntries) {
  struct Case {
    size_t entries;
    int32_t rows;
  } cases[] = {{0, 1}, {20, 21}, {21, 22}, {22, 22}, {300, 22}};
  for (const auto& c : cases) {
    std::vector<PrintIMEntry> entries(c.entries, PrintIMEntry{2, Bytes({0, 0, 0, 0})});
    EXPECT_EQ(Decode(PrintIMBlock(true, "0300", entries), true).Count, c.rows) << c.entries;
  }
}

TEST(PrintIM, NothingWithoutTheSignature) {
  std::string block = PrintIMBlock(true, "0300", {{9, Bytes({1, 0, 0, 0})}});
  block[0] = 'p';
  TMakerResult r;
  r.Add(5, "stale", "row");
  MemoryReader f(FileWith(block));
  ReadPrintIM(f, true, kBase, 20, 0, "", r);
  EXPECT_EQ(r.Count, 0);
}

TEST(PrintIM, BlockBeforeTheTiffHeader) {
  // The file-wide search can find a block in front of the TIFF header: its
  // position relative to the header is negative.
  const std::string block = PrintIMBlock(true, "0250", {{10, Bytes({0xF6, 0, 0, 0})}});
  MemoryReader f("ab" + block + std::string(40, 'x'));
  TMakerResult r;
  const uint32_t base = 2 + static_cast<uint32_t>(block.size());
  ReadPrintIM(f, true, base, -static_cast<int64_t>(block.size()), 0, "", r);
  ASSERT_EQ(r.Count, 2);
  EXPECT_EQ(r.Items[1].Value, "-10 (-128～127)");

  // A position before the file's first byte holds nothing.
  ReadPrintIM(f, true, 2, -3, 0, "", r);
  EXPECT_EQ(r.Count, 0);
}

TEST(PrintIM, EntriesPastTheEndOfTheFileFail) {
  std::string block = PrintIMBlock(true, "0300", {{9, Bytes({1, 0, 0, 0})}, {10, Bytes({1, 0, 0, 0})}});
  block.resize(block.size() - 5);
  MemoryReader f(FileWith(block));
  TMakerResult r;
  EXPECT_THROW(ReadPrintIM(f, true, kBase, 20, 0, "", r), ReadError);
}

// Every corpus file that holds a PrintIM block: found by its signature, read
// in the byte order of the file's TIFF data.
TEST(PrintIM, CorpusBlocks) {
  if (corpus_peek::Folder().empty()) GTEST_SKIP() << testing::kNoCorpus;
  struct Case {
    const char* file;
    int32_t maker_code;
    int32_t rows;  // the version and up to 21 entries
  } cases[] = {
      {"ExifTool.jpg", 0, 6},  {"FujiFilm.raf", 12, 4}, {"JVC.jpg", 0, 14},
      {"Minolta.mrw", 18, 6},  {"Nikon.jpg", 6, 14},    {"OlympusE1.jpg", 1, 21},
      {"Panasonic.jpg", 25, 15}, {"Pentax.jpg", 0, 22}, {"Ricoh.jpg", 20, 14},
      {"Sanyo.jpg", 3, 2},     {"Sony.jpg", 17, 3},     {"Unknown.jpg", 0, 8},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string bytes = corpus_peek::Contents(c.file);
    const auto tiff = corpus_peek::FindTiff(bytes);
    ASSERT_TRUE(tiff);
    const size_t block = bytes.find("PrintIM");
    ASSERT_NE(block, std::string::npos);
    auto reader = FileReader::Open(corpus_peek::Path(c.file));
    ASSERT_TRUE(reader);
    TMakerResult r;
    ReadPrintIM(*reader, tiff->intel, static_cast<uint32_t>(tiff->base),
                static_cast<int64_t>(block) - static_cast<int64_t>(tiff->base), c.maker_code, "",
                r);
    const std::string rows = testing_rows::RowsText(r);
    EXPECT_EQ(r.Count, c.rows) << rows;
    ASSERT_GE(r.Count, 1);
    const std::string version = r.Items[0].Value;
    ASSERT_EQ(version.size(), 5u);
    EXPECT_EQ(version.find_first_not_of("0123456789"), 4u) << rows;
    EXPECT_EQ(version[4], '\0');
  }
}

}  // namespace
}  // namespace kelvane
