// What the loader does before any decoder speaks: opening, the extension
// dispatch, the TIFF header test and the fields it resets.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "engine/loader/loader.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/support/load_helpers.h"

namespace kelvane {
namespace {

using fixtures::Bytes;
using testing::LoadBytes;
using testing::Row;

const Row kNoExif{2, "エラー", "Exif情報が見つかりません"};
const Row kCannotOpen{2, "エラー", "ファイルが開けません"};

TEST(Loader, MissingFileGivesTheOpenErrorRowAndEndsTheUpdate) {
  InfoTree tree;
  tree.AddRow(0, "left over", "from a previous run");
  PageFields page;
  page.ThumbPos = 5;
  Load("/no/such/folder/photo.jpg", {}, tree, page);
  ASSERT_EQ(tree.size(), 1u);
  EXPECT_EQ(tree[0].name, "エラー");
  EXPECT_EQ(tree[0].value, "ファイルが開けません");
  EXPECT_EQ(tree[0].style, 2);
  EXPECT_FALSE(tree.Updating());
  EXPECT_EQ(page.FileFolder, "/no/such/folder/");
  EXPECT_EQ(page.ThumbPos, 0u);
  EXPECT_EQ(page.NameEdit, " 項目名");
  EXPECT_FALSE(page.ShowMapEnabled);
}

TEST(Loader, FolderKeepsItsSeparatorInEitherStyle) {
  for (auto [path, folder] : {std::pair{"C:\\Photos\\a.jpg", "C:\\Photos\\"},
                              std::pair{"/tmp/b.tif", "/tmp/"}, std::pair{"c.jpg", ""}}) {
    auto got = LoadBytes("", path);
    EXPECT_EQ(got.page.FileFolder, folder) << path;
  }
}

TEST(Loader, TiffHeaderTest) {
  struct Case {
    std::string header;
    bool accepted;
  } cases[] = {
      {Bytes({'I', 'I', 0x2A, 0}), true},   {Bytes({'M', 'M', 0, 0x2A}), true},
      {"MMOR", true},                       {"MMRO", true},
      {"IIRO", true},                       {"IIOR", true},
      {Bytes({'I', 'I', 0, 0x2A}), false},  {Bytes({'M', 'M', 0x2A, 0}), false},
      {Bytes({'I', 'I', 0x2B, 0}), false},  {"XX*\0", false},
      {"", false},
  };
  for (const auto& c : cases) {
    std::string file = c.header;
    if (!file.empty()) file += std::string(c.header[0] == 'I' ? Bytes({8, 0, 0, 0}) : Bytes({0, 0, 0, 8})) + Bytes({0, 0, 0, 0, 0, 0});
    auto got = LoadBytes(file, "a.tif");
    if (c.accepted) {
      ASSERT_FALSE(got.rows.empty()) << c.header;
      EXPECT_EQ(got.rows[0], (Row{3, "メイン情報", ""})) << c.header;
    } else if (!file.empty()) {
      EXPECT_EQ(got.rows, std::vector<Row>{kNoExif}) << c.header;
    } else {
      // An empty file is of no kind we read.
      EXPECT_EQ(got.rows, (std::vector<Row>{{3, "ファイル形式", "対応していない形式 (空のファイル)"}}));
    }
  }
}

TEST(Loader, EveryTiffExtensionTakesTheTiffPath) {
  for (const char* ext : {".cr2", ".dcr", ".orf", ".nsk", ".nef", ".pef", ".erf", ".srf", ".dng",
                          ".tiff", ".tif", ".TIF", ".Nef"}) {
    auto got = LoadBytes("not a tiff file at all", std::string("x") + ext);
    EXPECT_EQ(got.rows, std::vector<Row>{kNoExif}) << ext;
  }
}

TEST(Loader, ContainerExtensionsShowTheirCaptionFirst) {
  struct Case {
    const char* ext;
    const char* caption;
  } cases[] = {
      {".mov", "QuickTime Movie"}, {".jp2", "JPEG2000"},       {".x3f", "X3F"},
      {".avi", "AVI"},             {".crw", "Canon CRW 情報"}, {".psd", "Photoshop PSD"},
  };
  const std::string bytes(64, '\x11');
  for (const auto& c : cases) {
    auto got = LoadBytes(bytes, std::string("file") + c.ext);
    ASSERT_FALSE(got.rows.empty()) << c.ext;
    EXPECT_EQ(got.rows[0], (Row{3, c.caption, ""})) << c.ext;
  }
}

TEST(Loader, DicomNeedsItsPrefix) {
  EXPECT_EQ(LoadBytes(std::string(2000, '\0'), "scan.dcm").rows, std::vector<Row>{kCannotOpen});
  auto got = LoadBytes(std::string(128, '\0') + "DICM", "scan.dcm");
  ASSERT_FALSE(got.rows.empty());
  EXPECT_EQ(got.rows[0], (Row{3, "DICOMヘッダー", ""}));
}

// A file of no kind we read says so in a group of its own, with its first
// bytes; a text file named .jpg is one of them.
TEST(Loader, FilesWeCannotReadSaySo) {
  const std::vector<Row> text{{3, "ファイル形式", "対応していない形式 (先頭: 78 78 78 78 78 78 78 78 …)"}};
  for (const char* name : {"notes.txt", "noextension", "dir.jpg/file", "archive.jpeg2", "text.jpg"})
    EXPECT_EQ(LoadBytes(std::string(100, 'x'), name).rows, text) << name;
  EXPECT_EQ(LoadBytes(std::string(3, '\0'), "a.bin").rows,
            (std::vector<Row>{{3, "ファイル形式", "対応していない形式 (先頭: 00 00 00)"}}));
  // A JPEG stream that holds nothing but its picture is no unknown kind.
  EXPECT_TRUE(LoadBytes(fixtures::Jpeg().Build(), "plain.jpg").rows.empty());
}

// An EXV file: JPEG segments behind its own header, read as a JPEG's are.
TEST(Loader, ExvFilesAreReadAsJpegSegments) {
  const std::string tiff =
      fixtures::TiffHeader(true) + fixtures::Ifd().Ascii(0x010F, "Kelvane").Build(true, 8);
  const std::string segments = fixtures::Jpeg().Exif(tiff).Segment(0xFFFE, "note").Build();
  // The builder's stream starts with SOI; an EXV file has its header there.
  const std::string exv = std::string("\xFF\x01" "Exiv2", 7) + segments.substr(2);
  for (const char* name : {"a.exv", "a.bin"}) {
    const auto rows = LoadBytes(exv, name).rows;
    EXPECT_NE(std::find(rows.begin(), rows.end(), Row{3, "メイン情報", ""}), rows.end()) << name;
    EXPECT_NE(std::find(rows.begin(), rows.end(), Row{2, "コメント", "note"}), rows.end()) << name;
  }
}

TEST(Loader, HostileBytesNeverEscapeTheRun) {
  std::mt19937 random(7);
  for (const char* name : {"r.jpg", "r.tif", "r.mov", "r.avi", "r.crw", "r.psd", "r.dcm", "r.x3f",
                           "r.raf", "r.mrw", "r.jp2", "r.dcr"}) {
    for (size_t size : {0u, 1u, 5u, 12u, 100u, 4096u}) {
      std::string bytes(size, '\0');
      for (char& c : bytes) c = static_cast<char>(random());
      if (size > 4) bytes[0] = '\xFF', bytes[1] = '\xD8';
      InfoTree tree;
      PageFields page;
      MemoryReader f(bytes);
      LoadFrom(f, name, {}, tree, page);
      EXPECT_FALSE(tree.Updating());
    }
  }
}

TEST(Loader, ExtensionIsLowerCasedAfterTheLastDot) {
  EXPECT_EQ(LowerExtension("a/b.c/Photo.JPG"), ".jpg");
  EXPECT_EQ(LowerExtension("C:\\x.y\\file"), "");
  EXPECT_EQ(LowerExtension("archive.tar.GZ"), ".gz");
  EXPECT_EQ(LowerExtension("noext"), "");
}

}  // namespace
}  // namespace kelvane
