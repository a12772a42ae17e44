// The TIFF path of the loader: main, sub, GPS, interoperability and
// thumbnail groups, and the map fields.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "engine/loader/loader.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/support/corpus.h"

namespace kelvane {
namespace {

using fixtures::Ifd;
using fixtures::TiffHeader;

struct Parts {
  Ifd ifd0, exif, gps, interop, ifd1;
  bool with_gps = true, with_interop = true, with_ifd1 = true;
  uint16_t pointer_type = 4;  // LONG; writers also use SLONG (9) and IFD (13)
};

// Lays the IFDs one after another behind the header and links them.
std::string BuildTiff(Parts p, bool intel) {
  p.ifd0.Long(0x8769, {0});
  if (p.with_gps) p.ifd0.Long(0x8825, {0});
  if (p.with_interop) p.exif.Long(0xA005, {0});
  const uint32_t ifd0_at = 8;
  const uint32_t exif_at = ifd0_at + static_cast<uint32_t>(p.ifd0.Size());
  const uint32_t gps_at = exif_at + static_cast<uint32_t>(p.exif.Size());
  const uint32_t interop_at = gps_at + static_cast<uint32_t>(p.gps.Size());
  const uint32_t ifd1_at = interop_at + static_cast<uint32_t>(p.interop.Size());
  p.ifd0.Numbers(0x8769, p.pointer_type, {exif_at});
  if (p.with_gps) p.ifd0.Numbers(0x8825, p.pointer_type, {gps_at});
  if (p.with_interop) p.exif.Numbers(0xA005, p.pointer_type, {interop_at});
  return TiffHeader(intel) + p.ifd0.Build(intel, ifd0_at, p.with_ifd1 ? ifd1_at : 0) +
         p.exif.Build(intel, exif_at) + p.gps.Build(intel, gps_at) +
         p.interop.Build(intel, interop_at) + p.ifd1.Build(intel, ifd1_at);
}

struct Loaded {
  InfoTree tree;
  PageFields page;
  std::vector<std::string> captions;
  // The rows under a caption, as name=value.
  std::vector<std::string> Group(const std::string& caption) const {
    std::vector<std::string> out;
    bool in = false;
    for (const auto& row : tree.Rows()) {
      if (row.style == kStyleCaption) {
        in = row.name == caption;
        continue;
      }
      if (in) out.push_back(row.name + "=" + row.value);
    }
    return out;
  }
};

Loaded Load(const std::string& file, bool abbreviated = false) {
  Loaded l;
  MemoryReader f(file);
  LoadSwitches sw;
  sw.abbreviated = abbreviated;
  LoadFrom(f, "photo.tif", sw, l.tree, l.page);
  for (const auto& row : l.tree.Rows())
    if (row.style == kStyleCaption) l.captions.push_back(row.name);
  return l;
}

Parts Photo(const char* lat_ref, const char* lon_ref) {
  Parts p;
  p.ifd0.Ascii(0x10F, "Maker").Ascii(0x110, "Camera");
  p.exif.Rational(0x829A, {{1, 250}}).Undefined(0x9286, std::string("ASCII\0\0\0hi", 10));
  p.gps.Ascii(1, lat_ref).Rational(2, {{35, 1}, {40, 1}, {30, 1}});
  p.gps.Ascii(3, lon_ref).Rational(4, {{139, 1}, {45, 1}, {0, 1}});
  p.interop.Raw(1, 2, 4, std::string("R98\0", 4));
  p.ifd1.Short(0x103, {6}).Long(0x201, {8}).Long(0x202, {4});
  return p;
}

TEST(TiffLoader, GroupsInOrderWithStyles) {
  for (bool intel : {true, false}) {
    Loaded l = Load(BuildTiff(Photo("N", "E"), intel));
    EXPECT_EQ(l.captions, (std::vector<std::string>{"メイン情報", "サブ情報", "GPS情報",
                                                     "ExifR98情報", "サムネイル情報"}));
    EXPECT_EQ(l.Group("サブ情報")[0], "露出時間=1/250秒");
    EXPECT_EQ(l.page.NameEdit, " ユーザーコメント");
    EXPECT_EQ(l.page.Memo1, "hi");
    EXPECT_EQ(l.Group("ExifR98情報")[0], std::string("互換性識別子=R98") + std::string(1, '\0'));
    EXPECT_EQ(l.Group("サムネイル情報")[0], "圧縮の種類=OLDJPEG");
    EXPECT_EQ(l.page.ThumbPos, 8u);
    EXPECT_EQ(l.page.ThumbLen, 4u);
    // Main rows: Make is basic, the Exif pointer a detail row.
    EXPECT_EQ(l.tree[1].style, kStyleBasic);
    EXPECT_EQ(l.tree[3].name, "Exif情報オフセット");
    EXPECT_EQ(l.tree[3].style, kStyleDetail);
  }
}

// Exif, GPS and interoperability pointers stored as SLONG or IFD are
// followed like LONGs; a position stored as SRATIONALs gives the map link
// its RATIONALs would.
TEST(TiffLoader, PointersOfOtherTypesAndSignedPositions) {
  const std::string want_url = Load(BuildTiff(Photo("N", "E"), true)).page.MapURL;
  for (uint16_t type : {uint16_t{9}, uint16_t{13}}) {
    for (bool intel : {true, false}) {
      Parts p = Photo("N", "E");
      p.pointer_type = type;
      p.gps = Ifd();
      p.gps.Ascii(1, "N").Rational(2, {{35, 1}, {40, 1}, {30, 1}}, true);
      p.gps.Ascii(3, "E").Rational(4, {{139, 1}, {45, 1}, {0, 1}}, true);
      Loaded l = Load(BuildTiff(p, intel));
      const std::string what = "type " + std::to_string(type) + (intel ? " II" : " MM");
      EXPECT_EQ(l.captions, (std::vector<std::string>{"メイン情報", "サブ情報", "GPS情報",
                                                       "ExifR98情報", "サムネイル情報"}))
          << what;
      EXPECT_EQ(l.Group("サブ情報")[0], "露出時間=1/250秒") << what;
      EXPECT_EQ(l.Group("GPS情報")[1], "緯度(数値)=35ﾟ 4030 [DMS]") << what;
      EXPECT_EQ(l.page.MapURL, want_url) << what;
    }
  }
}

TEST(TiffLoader, AbbreviatedViewLeavesOutDetailsInteropAndThumbnail) {
  Loaded l = Load(BuildTiff(Photo("N", "E"), true), true);
  EXPECT_EQ(l.captions, (std::vector<std::string>{"メイン情報", "サブ情報", "GPS情報"}));
  for (const auto& row : l.tree.Rows()) EXPECT_NE(row.style, kStyleDetail) << row.name;
}

TEST(TiffLoader, MapFieldsCarryTheHemisphere) {
  const int64_t lat = std::llround((35 + 40 / 60.0 + 30 / 3600.0) * 921600);
  const int64_t lon = std::llround((139 + 45 / 60.0) * 921600);
  struct Case {
    const char *lat_ref, *lon_ref;
    std::string url_tail, map_lat, map_lon;
  } cases[] = {
      {"N", "E", "/c/f?nl=35/40/30&uc=1&grp=all&el=139/45/0.00", std::to_string(lat), std::to_string(lon)},
      {"S", "W", "/c/f?nl=-35/40/30&uc=1&grp=all&el=-139/45/0.00", std::to_string(-lat), std::to_string(-lon)},
  };
  for (const auto& c : cases) {
    Loaded l = Load(BuildTiff(Photo(c.lat_ref, c.lon_ref), true));
    EXPECT_EQ(l.page.MapURL, std::string(kWebMapEndpoint) + c.url_tail);
    EXPECT_EQ(l.page.MapLat, c.map_lat);
    EXPECT_EQ(l.page.MapLon, c.map_lon);
    EXPECT_TRUE(l.page.ShowMapEnabled);
    EXPECT_TRUE(l.page.MapfannetEnabled);
  }
}

TEST(TiffLoader, NoMapWithoutBothCoordinates) {
  Parts p = Photo("N", "E");
  p.gps = Ifd();
  p.gps.Ascii(1, "N").Rational(2, {{35, 1}, {40, 1}, {30, 1}});
  Loaded l = Load(BuildTiff(p, true));
  EXPECT_EQ(l.Group("GPS情報").size(), 2u);
  EXPECT_EQ(l.page.MapURL, "");
  EXPECT_FALSE(l.page.ShowMapEnabled);
  EXPECT_FALSE(l.page.MapfannetEnabled);
}

TEST(TiffLoader, NextIfdIsFoundAfterAnIfdCutShortByTheRowLimit) {
  Parts p = Photo("N", "E");
  for (uint16_t i = 0; i < 120; ++i) p.ifd0.Short(static_cast<uint16_t>(0x5000 + i), {i});
  Loaded l = Load(BuildTiff(p, true));
  EXPECT_EQ(l.Group("メイン情報").size(), 100u);
  ASSERT_FALSE(l.Group("サムネイル情報").empty());
  EXPECT_EQ(l.Group("サムネイル情報")[0], "圧縮の種類=OLDJPEG");
}

TEST(TiffLoader, GpsPhotoFromTheCorpus) {
  const std::filesystem::path corpus = testing::CorpusFolder();
  if (corpus.empty()) GTEST_SKIP() << testing::kNoCorpus;
  const std::string path = (corpus / "GPS.jpg").string();
  InfoTree tree;
  PageFields page;
  kelvane::Load(path, LoadSwitches{}, tree, page);
  bool gps_group = false, latitude = false, tokyo = false;
  for (const auto& row : tree.Rows()) {
    gps_group |= row.style == kStyleCaption && row.name == "GPS情報";
    latitude |= row.name == "緯度(数値)" && !row.value.empty();
    tokyo |= row.name == "TOKYO測地系換算緯度";
  }
  EXPECT_TRUE(gps_group);
  EXPECT_TRUE(latitude);
  EXPECT_TRUE(tokyo);
  EXPECT_TRUE(page.ShowMapEnabled);
  EXPECT_NE(page.MapURL.find("/c/f?nl="), std::string::npos);
  EXPECT_FALSE(page.MapLat.empty());
  EXPECT_FALSE(page.MapLon.empty());
  // The photo is west of Greenwich: the longitude carries its sign.
  EXPECT_EQ(page.MapLon[0], '-');
}

}  // namespace
}  // namespace kelvane
