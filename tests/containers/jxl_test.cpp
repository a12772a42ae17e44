// JPEG XL files: the size header of the bare codestream and of the box
// form's codestream boxes, the Exif box behind its offset, XMP located,
// brotli-compressed boxes and their bombs.
#include <gtest/gtest.h>

#include <brotli/encode.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/containers/decompress.h"
#include "engine/containers/jxl.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/support/load_helpers.h"
#include "tests/support/corpus.h"

namespace kelvane {
namespace {

using fixtures::Atom;
using fixtures::BE32;
using fixtures::Ifd;
using fixtures::JxlFile;
using testing::LoadBytes;
using testing::Row;

bool Has(const std::vector<Row>& rows, const Row& row) {
  return std::find(rows.begin(), rows.end(), row) != rows.end();
}

// Bits written least significant first, as the codestream holds them.
class Bits {
 public:
  Bits& Put(uint32_t value, int n) {
    for (int i = 0; i < n; ++i) {
      if (count_ % 8 == 0) bytes_.push_back('\0');
      if ((value >> i) & 1) bytes_.back() = static_cast<char>(bytes_.back() | (1 << (count_ % 8)));
      ++count_;
    }
    return *this;
  }
  std::string Take() const { return bytes_; }

 private:
  std::string bytes_;
  int count_ = 0;
};

std::string Codestream(const Bits& size_header) { return "\xFF\x0A" + size_header.Take() + std::string(8, '\0'); }

std::string Brotli(const std::string& data) {
  size_t size = BrotliEncoderMaxCompressedSize(data.size());
  std::string out(size, '\0');
  BrotliEncoderCompress(BROTLI_DEFAULT_QUALITY, BROTLI_DEFAULT_WINDOW, BROTLI_MODE_GENERIC, data.size(),
                        reinterpret_cast<const uint8_t*>(data.data()), &size,
                        reinterpret_cast<uint8_t*>(out.data()));
  out.resize(size);
  return out;
}

std::string SmallTiff() {
  return fixtures::TiffHeader(true, 8) + Ifd().Ascii(0x010F, "Canon").Build(true, 8);
}

const Row kMaker{0, "メーカー名", "Canon"};

TEST(Jxl, SizeHeaderForms) {
  struct Case {
    const char* what;
    Bits bits;
    uint32_t width, height;
  } cases[] = {
      // small: (n + 1) x 8 each, ratio 0
      {"small", Bits().Put(1, 1).Put(3, 5).Put(0, 3).Put(7, 5), 64, 32},
      // 9-bit height, ratio 7 (2:1)
      {"ratio 2:1", Bits().Put(0, 1).Put(0, 2).Put(99, 9).Put(7, 3), 200, 100},
      // 13-bit height, 18-bit width
      {"long sizes", Bits().Put(0, 1).Put(1, 2).Put(4999, 13).Put(0, 3).Put(2, 2).Put(100000, 18), 100001, 5000},
      // ratio 5 (16:9)
      {"ratio 16:9", Bits().Put(0, 1).Put(0, 2).Put(89, 9).Put(5, 3), 160, 90},
  };
  for (const auto& c : cases) {
    for (bool boxed : {false, true}) {
      const std::string stream = Codestream(c.bits);
      const std::string file = boxed ? JxlFile(Atom("ftyp", "jxl ") + Atom("jxlc", stream)) : stream;
      auto got = LoadBytes(file, "a.jxl");
      EXPECT_TRUE(Has(got.rows, {1, "画像の幅", std::to_string(c.width)})) << c.what << boxed;
      EXPECT_TRUE(Has(got.rows, {1, "画像の高さ", std::to_string(c.height)})) << c.what << boxed;
      EXPECT_TRUE(Has(got.rows, {1, "形式", boxed ? "ボックス形式" : "コードストリーム"})) << c.what;
    }
  }
}

TEST(Jxl, ExifBoxOffsetLeadsToTheTiffHeader) {
  for (uint32_t offset : {0u, 6u}) {
    const std::string exif = BE32(offset) + std::string(offset == 6 ? "Exif\0\0" : "", offset) + SmallTiff();
    auto got = LoadBytes(JxlFile(Atom("Exif", exif) + Atom("jxlp", BE32(0x80000000) + Codestream(Bits().Put(1, 1).Put(0, 5).Put(1, 3)))),
                         "a.jxl");
    EXPECT_TRUE(Has(got.rows, kMaker)) << offset;
    EXPECT_TRUE(Has(got.rows, {1, "画像の幅", "8"})) << offset;
  }
  // An offset past the box leads nowhere.
  auto got = LoadBytes(JxlFile(Atom("Exif", BE32(1000) + SmallTiff())), "a.jxl");
  EXPECT_FALSE(Has(got.rows, {3, "メイン情報", ""}));
}

TEST(Jxl, XmlBoxIsLocated) {
  const std::string file = JxlFile(Atom("xml ", "<x:xmpmeta/>"));
  MemoryReader f(file);
  TMakerResult rows;
  EmbeddedMetadata found;
  ASSERT_TRUE(ReadJxl(f, rows, found));
  EXPECT_EQ(found.xmp_pos, file.find("<x:"));
  EXPECT_EQ(found.xmp_length, 12u);
}

TEST(Jxl, BrotliBoxesAreDecompressed) {
  if (!CanDecompressBrotli()) GTEST_SKIP() << "this build has no brotli";
  const std::string file = JxlFile(Atom("brob", "Exif" + Brotli(BE32(0) + SmallTiff())) +
                                   Atom("brob", "xml " + Brotli("<x:xmpmeta/>")));
  auto got = LoadBytes(file, "a.jxl");
  EXPECT_TRUE(Has(got.rows, kMaker));
  EXPECT_EQ(got.page.ThumbPos, 0u);
  MemoryReader f(file);
  TMakerResult rows;
  EmbeddedMetadata found;
  ASSERT_TRUE(ReadJxl(f, rows, found));
  EXPECT_TRUE(found.xmp_compressed);
}

TEST(Jxl, BrotliBombStopsAtTheCap) {
  if (!CanDecompressBrotli()) GTEST_SKIP() << "this build has no brotli";
  const std::string bomb = Brotli(std::string(64 << 20, 'A'));
  auto got = LoadBytes(JxlFile(Atom("brob", "Exif" + bomb)), "a.jxl");
  EXPECT_TRUE(Has(got.rows, {1, "brob(Exif)", "展開サイズが上限を超えています"}));
  MemoryReader f(bomb);
  const Decompressed d = DecompressBrotli(f, 0, bomb.size());
  EXPECT_TRUE(d.capped);
  EXPECT_EQ(d.bytes.size(), kDecompressCap);
  // Damaged data: reported, nothing walked.
  got = LoadBytes(JxlFile(Atom("brob", "Exif" + std::string(40, '\x55'))), "a.jxl");
  EXPECT_TRUE(Has(got.rows, {1, "brob(Exif)", "情報が破損"}));
}

TEST(Jxl, BoxSizesThatLie) {
  struct Case {
    const char* what;
    std::string file;
  } cases[] = {
      {"box past the end", JxlFile(BE32(0x7FFFFFFF) + "Exif" + SmallTiff())},
      {"64-bit size past the end", JxlFile(BE32(1) + "Exif" + BE32(0xFFFFFFFF) + BE32(0) + SmallTiff())},
      {"size below its header", JxlFile(BE32(4) + "Exif" + SmallTiff())},
      {"cut in a header", JxlFile("\0\0")},
  };
  for (const auto& c : cases) {
    auto got = LoadBytes(c.file, "a.jxl");
    ASSERT_FALSE(got.rows.empty()) << c.what;
    EXPECT_EQ(got.rows[0], (Row{3, "JPEG XL情報", ""})) << c.what;
    EXPECT_FALSE(Has(got.rows, kMaker)) << c.what;
  }
  // A box of size 0 runs to the end of the file.
  EXPECT_TRUE(Has(LoadBytes(JxlFile(BE32(0) + "Exif" + BE32(0) + SmallTiff()), "a.jxl").rows, kMaker));
}

TEST(Jxl, CorpusFilesShowTheirFacts) {
  const std::string dir = kelvane::testing::CorpusFolder().string();
  if (dir.empty()) GTEST_SKIP() << kelvane::testing::kNoCorpus;
  struct Case {
    const char* file;
    std::vector<Row> rows;
  } cases[] = {
      {"JXL.jxl", {{1, "画像の幅", "200"}, {1, "画像の高さ", "130"}}},
      {"JXLBrotli.jxl", {{1, "画像の幅", "1"}, {0, "タイトル", "Exif description"}, {1, "著作権", "Exif copyright"}}},
      {"JXL2.jxl", {{2, "アーティスト", "me"}}},
  };
  for (const auto& c : cases) {
    if (!CanDecompressBrotli() && std::string(c.file) != "JXL.jxl") continue;
    InfoTree tree;
    PageFields page;
    Load(std::string(dir) + "/" + c.file, {}, tree, page);
    const auto rows = testing::RowsOf(tree);
    for (const Row& row : c.rows) EXPECT_TRUE(Has(rows, row)) << c.file << " " << row;
  }
}

}  // namespace
}  // namespace kelvane
