// Which embedded JPEG a JPEG file's run shows and saves: one found before
// IFD1 (among Photoshop resources), IFD1's, and a JFXX segment's when there
// is no other; IFD1's rows are shown whichever is chosen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fixtures/byte_builder.h"
#include "tests/support/corpus.h"
#include "tests/support/load_helpers.h"
#include "tests/support/whole_file.h"

namespace kelvane {
namespace {

using fixtures::BE16;
using fixtures::BE32;
using fixtures::Ifd;
using testing::LoadBytes;
using testing::Row;

const std::string kIfd1Jpeg = "\xFF\xD8 from IFD1 \xFF\xD9";
const std::string kPhotoshopJpeg = "\xFF\xD8 from the resources \xFF\xD9";
const std::string kJfxxJpeg = "\xFF\xD8 from JFXX \xFF\xD9";

std::string Seg(uint16_t marker, std::string_view payload) {
  return BE16(marker) + BE16(static_cast<uint16_t>(payload.size() + 2)) + std::string(payload);
}

struct Sources {
  bool jfxx = false;
  bool photoshop = false;
  enum { kNoExif, kNoIfd1, kIfd1, kIfd1OutsideTheFile, kCutTiff } exif = kNoExif;
};

// A JPEG with the thumbnail sources asked for, in the order editors write
// them: JFIF with its JFXX extension, Exif (IFD1's JPEG behind its IFD),
// Photoshop resources, then the frame header.
std::string Build(const Sources& s) {
  std::string out = BE16(0xFFD8) + Seg(0xFFE0, std::string("JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 14));
  if (s.jfxx) out += Seg(0xFFE0, std::string("JFXX\0\x10", 6) + kJfxxJpeg);
  if (s.exif == Sources::kCutTiff) {
    // The TIFF header ends before its IFD0 offset, with the file.
    return out + BE16(0xFFE1) + BE16(12) + std::string("Exif\0\0II*\0", 10);
  }
  if (s.exif != Sources::kNoExif) {
    const bool with_ifd1 = s.exif != Sources::kNoIfd1;
    Ifd ifd0;
    ifd0.Ascii(0x010F, "Maker");
    const uint32_t ifd1_at = 8 + static_cast<uint32_t>(ifd0.Size());
    Ifd ifd1;
    ifd1.Short(0x0103, {6}).Long(0x0201, {0}).Long(0x0202, {0});
    const uint32_t jpeg_at = ifd1_at + static_cast<uint32_t>(ifd1.Size());
    const uint32_t length = static_cast<uint32_t>(kIfd1Jpeg.size());
    ifd1.Long(0x0201, {s.exif == Sources::kIfd1OutsideTheFile ? 0x100000u : jpeg_at});
    ifd1.Long(0x0202, {length});
    std::string tiff = fixtures::TiffHeader(true) + ifd0.Build(true, 8, with_ifd1 ? ifd1_at : 0);
    if (with_ifd1) tiff += ifd1.Build(true, ifd1_at) + kIfd1Jpeg;
    out += Seg(0xFFE1, std::string("Exif\0\0", 6) + tiff);
  }
  if (s.photoshop) {
    // A thumbnail resource: its 28-byte header, then the JPEG.
    const std::string thumb = BE32(1) + BE32(16) + BE32(16) + std::string(16, '\0') + kPhotoshopJpeg;
    out += Seg(0xFFED, std::string("Photoshop 3.0\0", 14) + fixtures::PhotoshopResource(1036, thumb));
  }
  return out + Seg(0xFFC0, std::string("\x08\0\x08\0\x08\x01\x01\x11\0", 9)) + BE16(0xFFD9);
}

std::vector<std::string> Captions(const std::vector<Row>& rows) {
  std::vector<std::string> out;
  for (const Row& r : rows)
    if (r.style == 3) out.push_back(r.name);
  return out;
}

TEST(ThumbnailChoice, EarlierSourcesWinAndIfd1IsShownAlways) {
  struct Case {
    const char* what;
    Sources sources;
    const std::string* saved;  // nullptr: none
    std::vector<std::string> captions;
  } cases[] = {
      {"IFD1 alone", {false, false, Sources::kIfd1}, &kIfd1Jpeg, {"メイン情報", "サムネイル情報"}},
      {"Photoshop before IFD1", {false, true, Sources::kIfd1}, &kPhotoshopJpeg,
       {"AdobeResource", "メイン情報", "サムネイル情報"}},
      {"Photoshop, no IFD1", {false, true, Sources::kNoIfd1}, &kPhotoshopJpeg,
       {"AdobeResource", "メイン情報"}},
      {"JFXX alone", {true, false, Sources::kNoExif}, &kJfxxJpeg, {}},
      {"JFXX and Exif without IFD1", {true, false, Sources::kNoIfd1}, &kJfxxJpeg, {"メイン情報"}},
      {"IFD1 before JFXX", {true, false, Sources::kIfd1}, &kIfd1Jpeg, {"メイン情報", "サムネイル情報"}},
      {"Photoshop before JFXX", {true, true, Sources::kNoIfd1}, &kPhotoshopJpeg,
       {"AdobeResource", "メイン情報"}},
      {"IFD1's outside the file: JFXX", {true, false, Sources::kIfd1OutsideTheFile}, &kJfxxJpeg,
       {"メイン情報", "サムネイル情報"}},
      {"IFD1's outside the file, no JFXX", {false, false, Sources::kIfd1OutsideTheFile}, nullptr,
       {"メイン情報", "サムネイル情報"}},
      // A read error ends the run; the JFXX thumbnail found before stands.
      {"cut TIFF header", {true, false, Sources::kCutTiff}, &kJfxxJpeg, {}},
  };
  for (const auto& c : cases) {
    const std::string file = Build(c.sources);
    auto got = LoadBytes(file, "photo.jpg");
    EXPECT_EQ(Captions(got.rows), c.captions) << c.what;
    if (c.saved == nullptr) {
      EXPECT_EQ(got.page.ThumbPos, 0u) << c.what;
      EXPECT_EQ(got.page.ThumbLen, 0u) << c.what;
      continue;
    }
    ASSERT_NE(got.page.ThumbLen, 0u) << c.what;
    EXPECT_EQ(file.substr(got.page.ThumbPos, got.page.ThumbLen), *c.saved) << c.what;
  }
}

TEST(ThumbnailChoice, TheAbbreviatedViewLeavesOutIfd1ButKeepsTheThumbnail) {
  for (bool photoshop : {false, true}) {
    const std::string file = Build({true, photoshop, Sources::kIfd1});
    LoadSwitches sw;
    sw.abbreviated = true;
    auto got = LoadBytes(file, "photo.jpg", sw);
    EXPECT_EQ(Captions(got.rows), (std::vector<std::string>{"メイン情報"})) << photoshop;
    EXPECT_EQ(file.substr(got.page.ThumbPos, got.page.ThumbLen), photoshop ? kPhotoshopJpeg : kIfd1Jpeg);
  }
}

TEST(ThumbnailChoice, ARealJfxxThumbnailIsSavedAsStored) {
  // ExifTool.jpg's IFD1 holds no thumbnail; its JFXX segment does.
  if (testing::CorpusFolder().empty()) GTEST_SKIP() << testing::kNoCorpus;
  const std::string file = testing::WholeFile(testing::CorpusFile("ExifTool.jpg"));
  const size_t segment = file.find(std::string("\xFF\xE0\x06\x1EJFXX\0\x10", 10));
  ASSERT_NE(segment, std::string::npos);
  auto got = LoadBytes(file, "ExifTool.jpg");
  EXPECT_EQ(got.page.ThumbPos, segment + 10);
  EXPECT_EQ(got.page.ThumbLen, 0x061Eu - 8);
  EXPECT_EQ(file.substr(got.page.ThumbPos, 2), "\xFF\xD8");
}

}  // namespace
}  // namespace kelvane
