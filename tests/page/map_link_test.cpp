// The map fields a real run leaves on the page for a photo with a GPS
// position. Until the loader finds GPS IFDs these tests have nothing to
// look at and are skipped.
#include <gtest/gtest.h>

#include "page/file_output.h"
#include "page/property_page.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/page/fake_platform.h"

namespace kelvane {
namespace {

using fixtures::Ifd;
using testing::FakePlatform;
using testing::TempDir;

// An Exif JPEG at 35°40'23.55" N, 139°45'10.2" E in the given datum.
std::string GpsJpeg(const std::string& datum) {
  const bool intel = true;
  Ifd gps;
  gps.Byte(0, fixtures::Bytes({2, 2, 0, 0}))
      .Ascii(1, "N")
      .Rational(2, {{35, 1}, {40, 1}, {2355, 100}})
      .Ascii(3, "E")
      .Rational(4, {{139, 1}, {45, 1}, {1020, 100}})
      .Ascii(18, datum);
  Ifd sub;
  sub.Undefined(0x9000, "0220");
  Ifd ifd0;
  ifd0.Long(0x8769, {0}).Long(0x8825, {0});
  const uint32_t ifd0_at = 8;
  const uint32_t sub_at = ifd0_at + static_cast<uint32_t>(ifd0.Size());
  const uint32_t gps_at = sub_at + static_cast<uint32_t>(sub.Size());
  ifd0.Long(0x8769, {sub_at}).Long(0x8825, {gps_at});
  const std::string tiff = fixtures::TiffHeader(intel, ifd0_at) + ifd0.Build(intel, ifd0_at) +
                           sub.Build(intel, sub_at) + gps.Build(intel, gps_at);
  return fixtures::Jpeg().Exif(tiff).Build();
}

bool HasCaption(const PropertyPage& page, const std::string& caption) {
  for (const TreeRow& r : page.Tree().Rows())
    if (r.style == kStyleCaption && r.name == caption) return true;
  return false;
}

TEST(PageMapLink, GpsPhotoGivesTheLinkAndPosition) {
  struct Case {
    const char* datum;
    const char* url;
    const char* lon;
    const char* lat;
  } cases[] = {
      // Positions in the file's own datum.
      {"TOKYO", "https://www.mapion.co.jp/c/f?nl=35/40/23.55&uc=1&grp=all&el=139/45/10.2",
       "128796211", "32876429"},
      // A WGS-84 position is converted to the Tokyo datum first.
      {"WGS-84", "https://www.mapion.co.jp/c/f?nl=35/40/11.892&uc=1&grp=all&el=139/45/21.786",
       "128799177", "32873444"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    const std::string path = dir.File("gps.jpg");
    ASSERT_TRUE(WriteWholeFile(path, GpsJpeg(c.datum)));
    FakePlatform platform;
    PropertyPage page(platform);
    page.FormCreate({path});
    if (!HasCaption(page, "GPS情報")) GTEST_SKIP() << "the loader does not reach GPS IFDs yet";
    EXPECT_EQ(page.Fields().MapURL, c.url) << c.datum;
    EXPECT_EQ(page.Fields().MapLon, c.lon) << c.datum;
    EXPECT_EQ(page.Fields().MapLat, c.lat) << c.datum;
    EXPECT_TRUE(page.MenuEnabled(MenuId::ShowMap));
    EXPECT_TRUE(page.MenuEnabled(MenuId::Mapfannet));
    page.ShowMapClick();
    EXPECT_EQ(platform.CallsNamed("OpenUrl").at(0).args.at(0), c.url);
  }
}

}  // namespace
}  // namespace kelvane
