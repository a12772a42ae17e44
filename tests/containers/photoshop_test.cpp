#include "engine/containers/photoshop.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/loader/loader.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/support/corpus.h"

namespace kelvane {
namespace {

using fixtures::BE16;
using fixtures::BE32;
using fixtures::PhotoshopResource;

// A document header: signature, version, reserved, the fields, colour-mode
// data and the resource section.
std::string Document(uint16_t channels, uint32_t height, uint32_t width, uint16_t depth,
                     uint16_t mode, uint32_t colour_length, const std::string& colour_data,
                     const std::string& resources, const char* signature = "8BPS",
                     uint16_t version = 1) {
  return std::string(signature) + BE16(version) + std::string(6, '\0') + BE16(channels) +
         BE32(height) + BE32(width) + BE16(depth) + BE16(mode) + BE32(colour_length) + colour_data +
         BE32(static_cast<uint32_t>(resources.size())) + resources;
}

std::vector<std::pair<std::string, std::string>> Rows(const TMakerResult& r) {
  std::vector<std::pair<std::string, std::string>> rows;
  for (size_t i = 0; i < static_cast<size_t>(r.Count); ++i)
    rows.emplace_back(r.Items[i].Name, r.Items[i].Value);
  return rows;
}

TEST(PhotoshopHeader, FiveRowsAndTheResourceSection) {
  const std::string resources = PhotoshopResource(1005, std::string(16, '\0'));
  MemoryReader f(Document(3, 0x00010200, 0x00020300, 8, 3, 4, "abcd", resources));
  TMakerResult r;
  ReadPhotoshopHeader(f, false, 0, r);
  using Row = std::pair<std::string, std::string>;
  // Height and width keep their low 16 bits.
  EXPECT_EQ(Rows(r), (std::vector<Row>{{"チャンネル数", "3"},
                                       {"モード", "RGB"},
                                       {"色深度", "8"},
                                       {"画像の幅", "768"},
                                       {"画像の高さ", "512"}}));
  EXPECT_EQ(r.LinkOffset, 38u);  // 26 + 4 + 4 colour bytes + 4
  EXPECT_EQ(r.LinkSize, resources.size());
}

TEST(PhotoshopHeader, ColourModes) {
  const std::pair<uint16_t, const char*> cases[] = {
      {0, "ビットマップ"}, {1, "グレースケール"}, {2, "インデックスカラー"}, {3, "RGB"},
      {4, "CMYK"},         {5, "Unknown (5)"},     {7, "マルチチャンネル"},   {8, "Duotone"},
      {9, "Lab"},          {10, "Unknown (10)"},
  };
  for (const auto& [mode, text] : cases) {
    MemoryReader f(Document(1, 1, 1, 8, mode, 0, "", ""));
    TMakerResult r;
    ReadPhotoshopHeader(f, false, 0, r);
    ASSERT_EQ(r.Count, 5);
    EXPECT_EQ(r.Items[1].Value, text);
    EXPECT_EQ(r.LinkOffset, 0u);  // no resource section
  }
}

TEST(PhotoshopHeader, ColourDataLengthUsesItsLow16Bits) {
  // 0x00010004 is taken as 4.
  MemoryReader f(Document(3, 8, 8, 8, 3, 0x00010004, "abcd", PhotoshopResource(1005, "xy")));
  TMakerResult r;
  ReadPhotoshopHeader(f, false, 0, r);
  EXPECT_EQ(r.LinkOffset, 38u);
}

TEST(PhotoshopHeader, NotADocumentShowsDefinedRows) {
  for (auto [signature, version] : {std::pair{"8BPX", 1}, std::pair{"8BPS", 2}}) {
    MemoryReader f(Document(3, 8, 8, 8, 3, 0, "", PhotoshopResource(1005, "xy"), signature,
                            static_cast<uint16_t>(version)));
    TMakerResult r;
    r.LinkOffset = 99;
    ReadPhotoshopHeader(f, false, 0, r);
    using Row = std::pair<std::string, std::string>;
    EXPECT_EQ(Rows(r), (std::vector<Row>{{"チャンネル数", "0"},
                                         {"モード", "Unknown (0)"},
                                         {"色深度", "0"},
                                         {"画像の幅", "0"},
                                         {"画像の高さ", "0"}}));
    EXPECT_EQ(r.LinkOffset, 0u);
    EXPECT_EQ(r.LinkSize, 0u);
  }
}

// Walks `run` placed at `at` in a file of zeros.
TMakerResult Walk(const std::string& run, uint64_t at = 0, bool from_segment = false,
                  int64_t length = -1) {
  MemoryReader f(std::string(at, '\0') + run);
  TMakerResult r;
  ReadImageResources(f, false, at, length < 0 ? static_cast<uint32_t>(run.size()) : static_cast<uint32_t>(length),
                     from_segment, r);
  return r;
}

TEST(PhotoshopResources, NamesCaptionsAndSizes) {
  using Row = std::pair<std::string, std::string>;
  struct Case {
    const char* what;
    std::string run;
    std::vector<Row> rows;
  } cases[] = {
      {"empty name: the caption", PhotoshopResource(1005, std::string(16, 'x')), {{"DisplayInfo", "16Byte"}}},
      {"own name, odd length", PhotoshopResource(1005, "ab", "abc"), {{"abc", "2Byte"}}},
      {"own name, even length (pad not shown)", PhotoshopResource(1005, "ab", "ab"), {{"ab", "2Byte"}}},
      {"not in the table", PhotoshopResource(1048, "ab"), {{"Unknown (1048)", "2Byte"}}},
      {"odd size is rounded up", PhotoshopResource(1037, std::string(27, 'x')) + PhotoshopResource(1005, "ab"),
       {{"GlobalAngle", "28Byte"}, {"DisplayInfo", "2Byte"}}},
      {"other signatures are skipped", PhotoshopResource(1005, "abcd", "", "MeSa") + PhotoshopResource(1034, "x"),
       {{"CopyrightFlag", "2Byte"}}},
      {"JPEG quality: the second word",
       PhotoshopResource(1030, std::string("\0\0\0\0\x00\x01\x01\x00", 8)), {{"JPEG quality", "00010100"}}},
  };
  for (const auto& c : cases) {
    TMakerResult r = Walk(c.run);
    EXPECT_EQ(Rows(r), c.rows) << c.what;
  }
  // A resource row's tag is its ID.
  EXPECT_EQ(Walk(PhotoshopResource(1048, "ab")).Items[0].Tag, 1048);
}

TEST(PhotoshopResources, JpegThumbnail) {
  // Data start 100: the resource header is 12 bytes at 88.
  std::string thumb = BE32(1) + BE32(160) + BE32(120) + std::string(5000 - 12, 'j');
  TMakerResult r = Walk(PhotoshopResource(1036, thumb), 88);
  using Row = std::pair<std::string, std::string>;
  EXPECT_EQ(Rows(r), (std::vector<Row>{{"ThumbnailResource", "JPEG Format (Offset:128Size:5000)"},
                                       {"サムネイルの種類", "JPEG"},
                                       {"サムネイル幅", "160"},
                                       {"サムネイル高さ", "120"}}));
  EXPECT_EQ(r.Items[0].Tag, 1036);
  EXPECT_EQ(r.Items[1].Tag, -1);
  EXPECT_EQ(r.Items[3].Tag, -1);
  // The saved thumbnail is the JPEG alone, without the 28-byte header.
  EXPECT_EQ(r.ThumbOffset, 128u);
  EXPECT_EQ(r.ThumbLength, 4972u);
}

TEST(PhotoshopResources, BitmapAndUnknownThumbnailFormats) {
  for (auto [format, kind] : {std::pair{0u, "Bitmap"}, std::pair{7u, "Unknown (7)"}}) {
    TMakerResult r = Walk(PhotoshopResource(1033, BE32(format) + BE32(80) + BE32(60) + "rest"));
    using Row = std::pair<std::string, std::string>;
    EXPECT_EQ(Rows(r), (std::vector<Row>{{"ThumbnailResource", "16Byte"},
                                         {"サムネイルの種類", kind},
                                         {"サムネイル幅", "80"},
                                         {"サムネイル高さ", "60"}}));
    EXPECT_EQ(r.ThumbOffset, 0u);
  }
}

TEST(PhotoshopResources, IptcAndExifLinks) {
  const std::string run = PhotoshopResource(1028, std::string(27, 'i')) +  // data at 12
                          PhotoshopResource(1058, "MM\0*\0\0\0\x08");       // data at 52
  TMakerResult r = Walk(run);
  EXPECT_EQ(r.LinkOffset, 12u);
  EXPECT_EQ(r.LinkSize, 28u);
  EXPECT_EQ(r.ExifBase, 52u);
  ASSERT_EQ(r.Count, 2);
  EXPECT_EQ(r.Items[0].Name, "IPTC-NAA");
  EXPECT_EQ(r.Items[1].Name, "Exif");
}

TEST(PhotoshopResources, TheRunEndsAtItsLength) {
  const std::string first = PhotoshopResource(1005, "ab");
  TMakerResult r = Walk(first + PhotoshopResource(1034, "x"), 0, false, static_cast<int64_t>(first.size()));
  ASSERT_EQ(r.Count, 1);
  EXPECT_EQ(r.Items[0].Name, "DisplayInfo");
}

TEST(PhotoshopResources, ATruncatedBlockEndsTheWalkQuietly) {
  std::string run = PhotoshopResource(1005, "ab") + PhotoshopResource(1028, std::string(100, 'i'));
  run.resize(run.size() - 50);
  TMakerResult r;
  ASSERT_NO_THROW(r = Walk(run));
  // The IPTC block's row and link are made before its data is passed.
  EXPECT_EQ(r.Count, 2);
  // A block whose header is cut off adds nothing.
  std::string cut = PhotoshopResource(1005, "ab") + "8BIM\x03";
  ASSERT_NO_THROW(r = Walk(cut));
  EXPECT_EQ(r.Count, 1);
}

TEST(PhotoshopResources, SegmentForms) {
  // After "Photoshop 3.0" a NUL: length-prefixed names from the next byte.
  TMakerResult r = Walk(std::string(1, '\0') + PhotoshopResource(1005, "ab"), 0, true);
  ASSERT_EQ(r.Count, 1);
  EXPECT_EQ(r.Items[0].Name, "DisplayInfo");

  // Without it, names end with two NULs (a first NUL does not start the
  // pair); the first NUL of the pair is part of the name read.
  auto nul_block = [](uint16_t id, const std::string& name_bytes, const std::string& data) {
    return "8BIM" + BE16(id) + name_bytes + BE32(static_cast<uint32_t>(data.size())) + data;
  };
  const std::string run = nul_block(1005, std::string("Name\0\0", 6), "ab") +
                          nul_block(1034, std::string("\0\0\0", 3), "cd");
  r = Walk(run, 0, true);
  ASSERT_EQ(r.Count, 2);
  EXPECT_EQ(r.Items[0].Name, "Name");
  EXPECT_EQ(r.Items[0].Value, "2Byte");
  EXPECT_EQ(r.Items[1].Value, "2Byte");
}

TEST(PhotoshopResources, RowsPastTheRecordAreDropped) {
  std::string run;
  for (int i = 0; i < 40; ++i) run += PhotoshopResource(1036, BE32(0) + BE32(1) + BE32(1));
  TMakerResult r = Walk(run);
  EXPECT_EQ(r.Count, kRowCapacity);
}

TEST(PhotoshopResources, JpegSegmentRunEndsWithItsSegment) {
  // The APP13 length covers "Photoshop 3.0", its NUL and one resource; the
  // bytes behind it hold another resource that is not part of the segment.
  const std::string first = PhotoshopResource(1005, "ab");
  const std::string behind = PhotoshopResource(1034, "x");
  const std::string payload = std::string("Photoshop 3.0\0", 14) + first;
  const std::string tiff = fixtures::TiffHeader(true) + fixtures::Ifd().Build(true, 8);
  const std::string jpeg = fixtures::Jpeg()
                               .Exif(tiff)
                               .Raw(BE16(0xFFED) + BE16(static_cast<uint16_t>(payload.size() + 2)) +
                                    payload + behind)
                               .Build();
  MemoryReader f(jpeg);
  InfoTree tree;
  PageFields page;
  LoadFrom(f, "x.jpg", LoadSwitches{}, tree, page);
  std::vector<std::string> names;
  for (const auto& row : tree.Rows()) names.push_back(row.name);
  EXPECT_NE(std::find(names.begin(), names.end(), "DisplayInfo"), names.end());
  EXPECT_EQ(std::find(names.begin(), names.end(), "CopyrightFlag"), names.end());
}

TEST(PhotoshopDocument, LoaderPath) {
  const std::string resources = PhotoshopResource(1005, std::string(16, '\0')) +
                                PhotoshopResource(1028, std::string(8, 'i'));
  const std::string file = Document(3, 8, 8, 8, 3, 0, "", resources);
  for (bool abbreviated : {false, true}) {
    MemoryReader f(file);
    InfoTree tree;
    PageFields page;
    LoadSwitches sw;
    sw.abbreviated = abbreviated;
    LoadFrom(f, "doc.PSD", sw, tree, page);
    std::vector<std::pair<int, std::string>> rows;
    for (const auto& row : tree.Rows()) rows.emplace_back(row.style, row.name);
    std::vector<std::pair<int, std::string>> want = {{3, "Photoshop PSD"}, {4, "チャンネル数"}, {4, "モード"},
                                                     {4, "色深度"},        {4, "画像の幅"},     {4, "画像の高さ"}};
    if (!abbreviated) {
      want.insert(want.end(), {{3, "AdobeResource"}, {2, "DisplayInfo"}, {2, "IPTC-NAA"}});
    }
    want.emplace_back(3, "IPTC");
    // No Exif resource: the TIFF path finds no header at 0.
    want.emplace_back(2, "エラー");
    EXPECT_EQ(rows, want) << abbreviated;
  }
}

TEST(PhotoshopDocument, ExifResourceLeadsToTheTiffPathAndTheThumbnail) {
  const std::string jpeg = "\xFF\xD8 a JPEG stream \xFF\xD9";
  const std::string thumb = BE32(1) + BE32(16) + BE32(16) + std::string(16, '\0') + jpeg;
  const std::string tiff = fixtures::TiffHeader(false) + fixtures::Ifd().Build(false, 8);
  const std::string resources = PhotoshopResource(1036, thumb) + PhotoshopResource(1058, tiff);
  const std::string file = Document(3, 8, 8, 8, 3, 0, "", resources);
  MemoryReader f(file);
  InfoTree tree;
  PageFields page;
  LoadFrom(f, "doc.psd", LoadSwitches{}, tree, page);
  bool main = false;
  for (const auto& row : tree.Rows()) {
    EXPECT_NE(row.name, "エラー");
    main = main || row.name == "メイン情報";
  }
  EXPECT_TRUE(main);
  // The saved thumbnail is exactly the JPEG behind the resource's header.
  ASSERT_NE(page.ThumbPos, 0u);
  EXPECT_EQ(file.substr(page.ThumbPos, page.ThumbLen), jpeg);
}

TEST(PhotoshopDocument, CorpusFile) {
  const std::filesystem::path corpus = testing::CorpusFolder();
  if (corpus.empty()) GTEST_SKIP() << testing::kNoCorpus;
  InfoTree tree;
  PageFields page;
  Load((corpus / "Photoshop.psd").string(), LoadSwitches{}, tree, page);
  std::vector<std::pair<std::string, std::string>> rows;
  for (const auto& row : tree.Rows()) rows.emplace_back(row.name, row.value);
  ASSERT_GE(rows.size(), 8u);
  EXPECT_EQ(rows[0], (std::pair<std::string, std::string>{"Photoshop PSD", ""}));
  EXPECT_EQ(rows[1].second, "3");
  EXPECT_EQ(rows[2].second, "RGB");
  EXPECT_EQ(rows[6].first, "AdobeResource");
  EXPECT_EQ(rows[7], (std::pair<std::string, std::string>{"IPTC-NAA", "126Byte"}));
  // The Exif resource leads on to the TIFF path.
  bool main = false, error = false;
  for (const auto& [name, value] : rows) {
    main = main || name == "メイン情報";
    error = error || name == "エラー";
  }
  EXPECT_TRUE(main);
  EXPECT_FALSE(error);
}

}  // namespace
}  // namespace kelvane
