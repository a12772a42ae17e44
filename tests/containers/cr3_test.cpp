#include "engine/containers/cr3.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/fixtures/byte_builder.h"
#include "tests/support/load_helpers.h"

namespace kelvane {
namespace {

using fixtures::Atom;
using fixtures::BE16;
using fixtures::BE32;
using fixtures::Ifd;

const std::string kCanonUuid("\x85\xC0\xB6\x87\x82\x0F\x11\xE0\x81\x11\xF4\xCE\x46\x2B\x6A\x48", 16);
const std::string kPreviewUuid("\xEA\xF4\x2B\x5E\x1C\x98\x4B\x88\xB9\xFB\xB7\xDC\x40\x6E\x4D\x16", 16);
const std::string kJpeg = "\xFF\xD8 a tiny picture \xFF\xD9";

// Each block is a TIFF block of its own: header and one IFD at 8.
std::string Block(const char* type, const Ifd& ifd) {
  return Atom(type, fixtures::TiffHeader(true) + ifd.Build(true, 8));
}

std::string Picture(const char* type, uint16_t width, uint16_t height, bool preview,
                    uint32_t length) {
  std::string head = std::string(4, '\0');
  if (preview) head += BE16(1);
  head += BE16(width) + BE16(height);
  if (preview) head += BE16(1);
  head += BE32(length);
  head.resize(16, '\0');
  return Atom(type, head + kJpeg);
}

std::string Cr3(uint32_t thumb_length) {
  const std::string cmt = Block("CMT1", Ifd().Ascii(0x10F, "Canon").Ascii(0x110, "Canon EOS Test")) +
                          Block("CMT2", Ifd().Rational(0x829A, {{1, 80}})) +
                          Block("CMT3", Ifd().Short(0x0001, {0})) +
                          Block("CMT4", Ifd().Ascii(1, "N").Rational(2, {{35, 1}, {40, 1}, {0, 1}})
                                            .Ascii(3, "E").Rational(4, {{139, 1}, {45, 1}, {0, 1}})) +
                          Picture("THMB", 160, 120, false, thumb_length);
  return Atom("ftyp", std::string("crx ") + BE32(1) + "crx isom") +
         Atom("moov", Atom("uuid", kCanonUuid + Atom("CNCV", "CanonCR3_001/00.09.00/00.00.00") + cmt)) +
         Atom("uuid", kPreviewUuid + std::string(8, '\0') + Picture("PRVW", 1620, 1080, true, 
                                                                   static_cast<uint32_t>(kJpeg.size())));
}

bool HasRow(const testing::Loaded& l, const std::string& name, const std::string& value) {
  return std::any_of(l.rows.begin(), l.rows.end(), [&](const testing::Row& r) {
    return r.name == name && (value == "*" || r.value == value);
  });
}

TEST(Cr3Load, BlocksGoTheTiffStepsEachFromItsOwnHeader) {
  const std::string bytes = Cr3(static_cast<uint32_t>(kJpeg.size()));
  for (const char* name : {"IMG_0001.CR3", "IMG_0001.jpg"}) {
    const testing::Loaded l = testing::LoadBytes(bytes, name);
    EXPECT_TRUE(HasRow(l, "Canon CR3 情報", "")) << name;
    EXPECT_TRUE(HasRow(l, "メーカー名", "Canon")) << name;
    EXPECT_TRUE(HasRow(l, "サブ情報", "")) << name;
    EXPECT_TRUE(HasRow(l, "露出時間", "1/80秒")) << name;
    EXPECT_TRUE(HasRow(l, "GPS情報", "")) << name;
    EXPECT_TRUE(HasRow(l, "緯度(数値)", "*")) << name;
    EXPECT_NE(l.page.MapURL, "") << name;
    // The THMB JPEG is the thumbnail; the preview is only recorded.
    EXPECT_EQ(bytes.substr(l.page.ThumbPos, l.page.ThumbLen), kJpeg) << name;
    EXPECT_TRUE(HasRow(l, "プレビュー画像", "*")) << name;
  }
}

TEST(Cr3Parts, ThumbnailLongerThanItsBoxIsNone) {
  const std::string bytes = Cr3(0x4280);
  MemoryReader f(bytes);
  TMakerResult r;
  const Cr3Parts parts = ReadCr3(f, r);
  EXPECT_EQ(parts.thumbnail.length, 0u);
  EXPECT_NE(parts.ifd0, 0u);
  EXPECT_NE(parts.gps, 0u);
  EXPECT_EQ(bytes.substr(parts.preview.offset, parts.preview.length), kJpeg);
}

}  // namespace
}  // namespace kelvane
