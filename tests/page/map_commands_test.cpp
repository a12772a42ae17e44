#include <gtest/gtest.h>

#include "page/file_output.h"
#include "page/map_coordinates.h"
#include "page/property_page.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/page/fake_platform.h"

namespace kelvane {
namespace {

using testing::Call;
using testing::FakeLoader;
using testing::FakePlatform;
using testing::TempDir;
using MapApp = FakePlatform::MapApp;

constexpr const char* kUrl =
    "https://www.mapion.co.jp/c/f?nl=35/40/23.550&uc=1&grp=all&el=139/45/10.200";

FakeLoader GpsLoader(std::string lon, std::string lat) {
  FakeLoader loader;
  loader.fields.MapURL = kUrl;
  loader.fields.MapLon = std::move(lon);
  loader.fields.MapLat = std::move(lat);
  loader.fields.ShowMapEnabled = loader.fields.MapfannetEnabled = true;
  return loader;
}

TEST(PageMap, ItemsFollowTheLoadedPosition) {
  FakePlatform platform;
  FakeLoader with_gps = GpsLoader("128713267", "32925388");
  PropertyPage page(platform, with_gps.Function());
  page.FormCreate({"C:\\gps.jpg"});
  EXPECT_TRUE(page.MenuEnabled(MenuId::ShowMap));
  EXPECT_TRUE(page.MenuEnabled(MenuId::Mapfannet));
  page.ShowMapClick();
  EXPECT_EQ(platform.CallsNamed("OpenUrl"), (std::vector<Call>{{"OpenUrl", {kUrl}}}));
}

TEST(PageMap, AFileWithoutGpsLeavesBothItemsDisabledAndInert) {
  TempDir dir;
  const std::string path = dir.File("plain.jpg");
  ASSERT_TRUE(WriteWholeFile(path, fixtures::Jpeg().Jfif().Segment(0xFFFE, "c").Build()));
  FakePlatform platform;
  PropertyPage page(platform);  // the real loader
  page.FormCreate({path});
  EXPECT_FALSE(page.MenuEnabled(MenuId::ShowMap));
  EXPECT_FALSE(page.MenuEnabled(MenuId::Mapfannet));
  platform.calls.clear();
  page.ShowMapClick();
  page.MapfannetClick();
  page.MenuClick(MenuId::ShowMap);
  page.MenuClick(MenuId::Mapfannet);
  EXPECT_TRUE(platform.calls.empty());
}

TEST(PageMap, MapApplicationGetsThePositionOrOneMessage) {
  const Call connect{"ConnectMapApplication", {}};
  const Call query{"MapQueryValue", {}};
  const Call release{"MapRelease", {}};
  const Call message{"ShowMessage", {"Kelvane", "地図ソフトが見つかりません"}};
  struct Case {
    const char* what;
    MapApp app;
    std::string lon, lat;
    std::vector<Call> want;
  } cases[] = {
      {"works", MapApp::kWorks, "128713267", "32925388",
       {connect, query, {"MapShowPosition", {"128713267", "32925388", "4096"}}, release}},
      {"absent", MapApp::kAbsent, "1", "2", {connect, message}},
      {"third method fails", MapApp::kQueryFails, "1", "2", {connect, query, release, message}},
      {"first method fails", MapApp::kShowFails, "-5", "+6",
       {connect, query, {"MapShowPosition", {"-5", "6", "4096"}}, release, message}},
      {"server throws", MapApp::kThrows, "1", "2", {connect, query, release, message}},
      {"empty longitude", MapApp::kWorks, "", "2", {connect, release, message}},
      {"latitude not a number", MapApp::kWorks, "1", "12a", {connect, release, message}},
      {"latitude over 32 bits", MapApp::kWorks, "1", "2147483648", {connect, release, message}},
  };
  for (const Case& c : cases) {
    FakePlatform platform;
    platform.map_app = c.app;
    FakeLoader loader = GpsLoader(c.lon, c.lat);
    PropertyPage page(platform, loader.Function());
    page.FormCreate({"C:\\gps.jpg"});
    platform.calls.clear();
    page.MapfannetClick();
    EXPECT_EQ(platform.calls, c.want) << c.what;
    EXPECT_EQ(loader.runs.size(), 1u) << c.what;
  }
}

TEST(MapCoordinates, ParseInt32) {
  struct Case {
    const char* text;
    std::optional<int32_t> want;
  } cases[] = {
      {"0", 0},
      {"117216000", 117216000},
      {"-2147483648", INT32_MIN},
      {"2147483647", INT32_MAX},
      {"+7", 7},
      {"2147483648", std::nullopt},
      {"", std::nullopt},
      {"+", std::nullopt},
      {"-", std::nullopt},
      {"++1", std::nullopt},
      {"+-1", std::nullopt},
      {"1.5", std::nullopt},
      {" 1", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseInt32(c.text), c.want) << c.text;
}

}  // namespace
}  // namespace kelvane
