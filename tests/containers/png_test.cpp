// PNG files: the image header, the text chunks, the Exif block in its two
// forms (eXIf, the older hex "Raw profile" text) through the TIFF path, XMP
// located, and the sizes a hostile file may claim.
#include <gtest/gtest.h>

#include <zlib.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/containers/decompress.h"
#include "engine/containers/png.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/support/allocation_tracker.h"
#include "tests/support/load_helpers.h"
#include "tests/support/corpus.h"

namespace kelvane {
namespace {

using fixtures::BE32;
using fixtures::Ifd;
using fixtures::PngChunk;
using fixtures::PngFile;
using fixtures::PngHeader;
using testing::LoadBytes;
using testing::Row;

std::string Deflate(const std::string& text) {
  uLongf size = compressBound(static_cast<uLong>(text.size()));
  std::string out(size, '\0');
  compress2(reinterpret_cast<Bytef*>(out.data()), &size,
            reinterpret_cast<const Bytef*>(text.data()), static_cast<uLong>(text.size()), 9);
  out.resize(size);
  return out;
}

// A TIFF block whose IFD0 names the maker.
std::string SmallTiff(bool intel = true) {
  return fixtures::TiffHeader(intel, 8) + Ifd().Ascii(0x010F, "Canon").Build(intel, 8);
}

std::string HexLines(const std::string& bytes) {
  static const char* digits = "0123456789abcdef";
  std::string out;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i % 36 == 0) out += '\n';
    out += digits[static_cast<unsigned char>(bytes[i]) >> 4];
    out += digits[static_cast<unsigned char>(bytes[i]) & 15];
  }
  return out + "\n";
}

std::string RawProfile(const std::string& name, const std::string& bytes) {
  return "\n" + name + "\n" + std::string(6, ' ') + std::to_string(bytes.size()) + HexLines(bytes);
}

bool Has(const std::vector<Row>& rows, const Row& row) {
  return std::find(rows.begin(), rows.end(), row) != rows.end();
}

const Row kMaker{0, "メーカー名", "Canon"};

TEST(Png, HeaderRowsComeFromIhdr) {
  auto got = LoadBytes(PngFile(PngChunk("IHDR", PngHeader(640, 480, 8, 6, 1))), "a.png");
  const std::vector<Row> want = {
      {3, "PNG情報", ""},           {1, "画像の幅", "640"},
      {1, "画像の高さ", "480"},     {1, "画素のビットの深さ", "8"},
      {1, "カラータイプ", "RGB+アルファ"}, {1, "圧縮の種類", "Deflate"},
      {1, "フィルタ方式", "適応フィルタ"}, {1, "インターレース", "Adam7"},
  };
  EXPECT_EQ(got.rows, want);
}

TEST(Png, ColourTypesAndUnknownCodes) {
  struct Case {
    uint8_t colour;
    const char* text;
  } cases[] = {{0, "グレースケール"}, {2, "RGB"}, {3, "インデックスカラー"},
               {4, "グレースケール+アルファ"}, {6, "RGB+アルファ"}, {5, "Unknown (5)"}};
  for (const auto& c : cases) {
    auto got = LoadBytes(PngFile(PngChunk("IHDR", PngHeader(1, 1, 8, c.colour))), "a.png");
    EXPECT_TRUE(Has(got.rows, {1, "カラータイプ", c.text})) << int{c.colour};
  }
}

TEST(Png, TextChunksBecomeRows) {
  const std::string latin1_text = "caf\xE9";  // Latin-1 e acute
  std::string itxt = std::string("Title\0\0\0ja\0\xE9\xA1\x8C\0", 15) + "写真";
  std::string itxt_z = std::string("Author\0\1\0\0\0", 11) + Deflate("著者");
  auto got = LoadBytes(PngFile(PngChunk("IHDR", PngHeader(1, 1, 8, 0)) +
                               PngChunk("tEXt", std::string("Comment\0", 8) + latin1_text) +
                               PngChunk("zTXt", std::string("Software\0\0", 10) + Deflate("GIMP 2.10")) +
                               PngChunk("iTXt", itxt) + PngChunk("iTXt", itxt_z)),
                       "a.png");
  const std::vector<Row> texts(std::find(got.rows.begin(), got.rows.end(), Row{3, "PNGテキスト情報", ""}),
                               got.rows.end());
  const std::vector<Row> want = {
      {3, "PNGテキスト情報", ""},
      {4, "Comment", "café"},
      {4, "Software", "GIMP 2.10"},
      {4, "Title", "写真"},
      {4, "Author", "著者"},
  };
  EXPECT_EQ(texts, want);
}

TEST(Png, ExifChunkGoesThroughTheTiffPath) {
  for (bool intel : {true, false}) {
    for (const std::string& prefix : {std::string(), std::string("Exif\0\0", 6)}) {
      const std::string file = PngFile(PngChunk("IHDR", PngHeader(1, 1, 8, 0)) +
                                       PngChunk("eXIf", prefix + SmallTiff(intel)));
      auto got = LoadBytes(file, "a.png");
      EXPECT_TRUE(Has(got.rows, {3, "メイン情報", ""})) << intel << prefix.size();
      EXPECT_TRUE(Has(got.rows, kMaker)) << intel << prefix.size();
    }
  }
}

TEST(Png, ExifAfterTheImageDataIsFound) {
  const std::string file = PngFile(PngChunk("IHDR", PngHeader(1, 1, 8, 0)) +
                                   PngChunk("IDAT", std::string(5000, 'x')) +
                                   PngChunk("eXIf", SmallTiff()));
  EXPECT_TRUE(Has(LoadBytes(file, "a.png").rows, kMaker));
}

TEST(Png, HexRawProfileTextsAreDecodedAndWalked) {
  const std::string app1 = std::string("Exif\0\0", 6) + SmallTiff(false);
  struct Case {
    const char* what;
    std::string chunk;
  } cases[] = {
      {"tEXt APP1", PngChunk("tEXt", std::string("Raw profile type APP1\0", 22) + RawProfile("APP1", app1))},
      {"zTXt exif", PngChunk("zTXt", std::string("Raw profile type exif\0\0", 23) +
                                         Deflate(RawProfile("exif", app1)))},
      {"tEXt exif without identifier",
       PngChunk("tEXt", std::string("Raw profile type exif\0", 22) + RawProfile("exif", SmallTiff()))},
  };
  for (const auto& c : cases) {
    auto got = LoadBytes(PngFile(PngChunk("IHDR", PngHeader(1, 1, 8, 0)) + c.chunk), "a.png");
    EXPECT_TRUE(Has(got.rows, kMaker)) << c.what;
    // Decoded bytes are not in the file: no thumbnail place is recorded.
    EXPECT_EQ(got.page.ThumbPos, 0u) << c.what;
  }
}

TEST(Png, ExifChunkOutranksTheHexText) {
  const std::string other = fixtures::TiffHeader(true, 8) + Ifd().Ascii(0x010F, "Nikon").Build(true, 8);
  const std::string file =
      PngFile(PngChunk("tEXt", std::string("Raw profile type exif\0", 22) + RawProfile("exif", other)) +
              PngChunk("eXIf", SmallTiff()));
  auto rows = LoadBytes(file, "a.png").rows;
  EXPECT_TRUE(Has(rows, kMaker));
  EXPECT_FALSE(Has(rows, {0, "メーカー名", "Nikon"}));
}

TEST(Png, DamagedHexTextIsReportedAndNotWalked) {
  for (const std::string& text : {std::string("\nexif\n   100\n4578"), std::string("\nexif\n 4\n45zz6966"),
                                 std::string("no count")}) {
    auto got = LoadBytes(PngFile(PngChunk("tEXt", std::string("Raw profile type exif\0", 22) + text)), "a.png");
    EXPECT_TRUE(Has(got.rows, {4, "Raw profile type exif", "情報が破損"})) << text;
    EXPECT_FALSE(Has(got.rows, {3, "メイン情報", ""})) << text;
  }
}

TEST(Png, XmpIsLocated) {
  const std::string xmp = "<x:xmpmeta/>";
  const std::string chunks = PngChunk("IHDR", PngHeader(1, 1, 8, 0)) +
                             PngChunk("iTXt", std::string("XML:com.adobe.xmp\0\0\0\0\0", 22) + xmp);
  const std::string file = PngFile(chunks);
  const uint64_t at = file.find(xmp);
  MemoryReader f(file);
  TMakerResult header, texts;
  EmbeddedMetadata found;
  ASSERT_TRUE(ReadPng(f, header, texts, found));
  EXPECT_EQ(found.xmp_pos, at);
  EXPECT_EQ(found.xmp_length, xmp.size());
  EXPECT_FALSE(found.xmp_compressed);
  EXPECT_TRUE(Has(LoadBytes(file, "a.png").rows,
                  {1, "XMP", "Offset:" + std::to_string(at) + " (" + std::to_string(xmp.size()) + "byte)"}));
}

TEST(Png, SignatureOrExtensionRecognisesIt) {
  const std::string file = PngFile(PngChunk("IHDR", PngHeader(3, 4, 8, 0)));
  for (const char* name : {"a.png", "a.PNG", "a.dat", "noext"}) {
    auto got = LoadBytes(file, name);
    ASSERT_FALSE(got.rows.empty()) << name;
    EXPECT_EQ(got.rows[0], (Row{3, "PNG情報", ""})) << name;
  }
  EXPECT_EQ(LoadBytes("not a png at all", "a.png").rows,
            (std::vector<Row>{{3, "PNG情報", ""}, {2, "エラー", "PNG情報が見つかりません"}}));
}

TEST(Png, HostileLengthsEndTheWalk) {
  const std::string ihdr = PngChunk("IHDR", PngHeader(1, 1, 8, 0));
  struct Case {
    const char* what;
    std::string file;
  } cases[] = {
      {"length 0x7FFFFFFF", std::string("\x89PNG\r\n\x1a\n", 8) + ihdr + BE32(0x7FFFFFFF) + "tEXt" + "key"},
      {"length 0xFFFFFFFF", std::string("\x89PNG\r\n\x1a\n", 8) + ihdr + BE32(0xFFFFFFFF) + "zTXt" + "key"},
      {"chunk past the end", std::string("\x89PNG\r\n\x1a\n", 8) + ihdr + BE32(100) + "eXIf" + "II*"},
      {"keyword without its NUL", PngFile(ihdr + PngChunk("tEXt", std::string(200, 'k')))},
      {"empty iTXt", PngFile(ihdr + PngChunk("iTXt", ""))},
      {"iTXt cut in its fields", PngFile(ihdr + PngChunk("iTXt", std::string("k\0\0\0en", 6)))},
      {"damaged zlib stream", PngFile(ihdr + PngChunk("zTXt", std::string("k\0\0", 3) + "\x78\x9c garbage"))},
  };
  for (const auto& c : cases) {
    testing::ResetLargestAllocation();
    auto got = LoadBytes(c.file, "a.png");
    EXPECT_TRUE(Has(got.rows, {1, "画像の幅", "1"})) << c.what;
    EXPECT_LT(testing::LargestAllocation(), size_t{1} << 20) << c.what;
  }
}

TEST(Png, CompressedTextBombStopsAtTheCap) {
  // 256 MiB of spaces deflate to a few hundred KiB.
  z_stream z{};
  ASSERT_EQ(deflateInit(&z, 9), Z_OK);
  std::string compressed;
  std::string zeros(1 << 20, ' ');
  std::string buffer(1 << 16, '\0');
  for (int i = 0; i < 256; ++i) {
    z.next_in = reinterpret_cast<Bytef*>(zeros.data());
    z.avail_in = static_cast<uInt>(zeros.size());
    const int flush = i == 255 ? Z_FINISH : Z_NO_FLUSH;
    do {
      z.next_out = reinterpret_cast<Bytef*>(buffer.data());
      z.avail_out = static_cast<uInt>(buffer.size());
      deflate(&z, flush);
      compressed.append(buffer.data(), buffer.size() - z.avail_out);
    } while (z.avail_out == 0);
  }
  deflateEnd(&z);
  for (const char* keyword : {"Comment", "Raw profile type exif"}) {
    const std::string file = PngFile(PngChunk("IHDR", PngHeader(1, 1, 8, 0)) +
                                     PngChunk("zTXt", std::string(keyword) + std::string("\0\0", 2) + compressed));
    testing::ResetLargestAllocation();
    auto got = LoadBytes(file, "a.png");
    EXPECT_LE(testing::LargestAllocation(), file.size() + kDecompressCap + (size_t{1} << 20)) << keyword;
    EXPECT_TRUE(Has(got.rows, {1, "画像の幅", "1"})) << keyword;
  }
  MemoryReader f(compressed);
  const Decompressed d = InflateZlib(f, 0, compressed.size());
  EXPECT_TRUE(d.capped);
  EXPECT_FALSE(d.complete);
  EXPECT_EQ(d.bytes.size(), kDecompressCap);
}

TEST(Png, CorpusFilesShowTheirFacts) {
  const std::string dir = kelvane::testing::CorpusFolder().string();
  if (dir.empty()) GTEST_SKIP() << kelvane::testing::kNoCorpus;
  struct Case {
    const char* file;
    std::vector<Row> rows;
  } cases[] = {
      {"PNG.png", {{1, "画像の幅", "16"}, {1, "カラータイプ", "グレースケール"}, {4, "comment", "test comment"}}},
      {"PNGExif.png", {{1, "画像の幅", "14"}, {3, "メイン情報", ""}, {0, "ソフトウェア", "GIMP 2.10.8"}}},
      {"PNGLegacyExif.png", {{1, "画像の幅", "1"}, {3, "メイン情報", ""}, {3, "サブ情報", ""}}},
  };
  for (const auto& c : cases) {
    InfoTree tree;
    PageFields page;
    Load(std::string(dir) + "/" + c.file, {}, tree, page);
    const auto rows = testing::RowsOf(tree);
    for (const Row& row : c.rows) EXPECT_TRUE(Has(rows, row)) << c.file << " " << row;
  }
}

}  // namespace
}  // namespace kelvane
