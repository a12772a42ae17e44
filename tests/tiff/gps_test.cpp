#include "engine/tiff/gps.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/tiff/geodesy.h"
#include "tests/fixtures/byte_builder.h"

namespace kelvane {
namespace {

using fixtures::Bytes;
using fixtures::Ifd;
using fixtures::TiffHeader;

using Rationals = std::vector<std::pair<uint32_t, uint32_t>>;

TMakerResult Gps(const Ifd& ifd, bool intel = true) {
  MemoryReader f(TiffHeader(intel) + ifd.Build(intel, 8));
  TMakerResult r;
  r.Texts[8] = "stale";
  ReadGPS(f, intel, 0, 8, r);
  return r;
}

std::string ValueOf(const TMakerResult& r, const std::string& name) {
  for (int32_t i = 0; i < r.Count; ++i)
    if (r.Items[static_cast<size_t>(i)].Name == name) return r.Items[static_cast<size_t>(i)].Value;
  return "<no row>";
}

Ifd Position(Rationals lat, Rationals lon, std::string datum) {
  Ifd ifd;
  ifd.Ascii(1, "N").Rational(2, lat).Ascii(3, "E").Rational(4, lon);
  if (!datum.empty()) ifd.Ascii(18, datum);
  return ifd;
}

TEST(ReadGPS, DegreesMinutesSecondsWithTokyoRows) {
  for (bool intel : {true, false}) {
    auto r = Gps(Position({{35, 1}, {40, 1}, {2355, 100}}, {{139, 1}, {45, 1}, {3, 1}}, "WGS-84"),
                 intel);
    ASSERT_EQ(r.Count, 7);
    EXPECT_EQ(r.Items[1].Name, "緯度(数値)");
    EXPECT_EQ(r.Items[1].Value, "35ﾟ 4023.55 [DMS]");
    EXPECT_EQ(r.Items[3].Value, "139ﾟ 4503 [DMS]");
    EXPECT_EQ(r.Items[5].Name, "TOKYO測地系換算緯度");
    EXPECT_EQ(r.Items[6].Name, "TOKYO測地系換算経度");
    EXPECT_EQ(r.Items[5].Tag, 0);
    const double lat = 35 + 40 / 60.0 + 23.55 / 3600;
    const double lon = 139 + 45 / 60.0 + 3 / 3600.0;
    Geodetic tokyo = WGS84ToTokyo({lat, lon, 0});
    EXPECT_EQ(r.Items[5].Value, FormatDMS(tokyo.latitude));
    EXPECT_EQ(r.Texts[9], std::to_string(std::llround(tokyo.latitude * 921600)));
    EXPECT_EQ(r.Texts[8], std::to_string(std::llround(tokyo.longitude * 921600)));
    EXPECT_EQ(r.Texts[0], "N");
    EXPECT_EQ(r.Texts[4], "E");
    EXPECT_EQ(r.Texts[1], "35");
  }
}

// Tokyo-datum coordinates of central Tokyo lie about 11.6 seconds south
// and 11.6 seconds east of the WGS-84 ones (the published approximation
// lat_t = lat_w + 0.00010695 lat - 0.000017464 lon - 0.0046017, lon_t =
// lon_w + 0.000046038 lat + 0.000083043 lon - 0.010040, good to a metre).
TEST(Geodesy, TokyoShiftMatchesThePublishedApproximation) {
  const double lat = 35.681236, lon = 139.767125;
  Geodetic tokyo = WGS84ToTokyo({lat, lon, 0});
  const double want_lat = lat + 0.00010695 * lat - 0.000017464 * lon - 0.0046017;
  const double want_lon = lon + 0.000046038 * lat + 0.000083043 * lon - 0.010040;
  EXPECT_NEAR(tokyo.latitude, want_lat, 0.1 / 3600);
  EXPECT_NEAR(tokyo.longitude, want_lon, 0.1 / 3600);
  // And the round trip through the Cartesian form is exact enough.
  Geodetic back = CartesianToGeodetic(GeodeticToCartesian({lat, lon, 0}, kWgs84), kWgs84);
  EXPECT_NEAR(back.latitude, lat, 1e-9);
  EXPECT_NEAR(back.longitude, lon, 1e-9);
  EXPECT_NEAR(back.height, 0, 1e-3);
}

TEST(Geodesy, FormatDMS) {
  EXPECT_EQ(FormatDMS(35 + 40 / 60.0 + 23.55 / 3600), "35/40/23.550 [DMS]");
  EXPECT_EQ(FormatDMS(139.5), "139/30/00.000 [DMS]");
  EXPECT_EQ(FormatDMS(5.0626 / 3600), "0/00/05.063 [DMS]");
}

TEST(ReadGPS, DegreesAndDecimalMinutes) {
  auto r = Gps(Position({{35, 1}, {4039, 100}, {0, 1}}, {{139, 1}, {3030, 100}, {0, 1}}, "WGS84  "));
  EXPECT_EQ(r.Items[1].Value, "35ﾟ 40.39 [DM]   35ﾟ 40' 23.40\" [DMS]");
  // A padded datum still gets the Tokyo rows.
  ASSERT_EQ(r.Count, 7);
  const double lat = 35 + 40.39 / 60, lon = 139 + 30.30 / 60;
  Geodetic tokyo = WGS84ToTokyo({lat, lon, 0});
  EXPECT_EQ(r.Items[5].Value, FormatDMS(tokyo.latitude));
  EXPECT_EQ(r.Items[6].Value, FormatDMS(tokyo.longitude));
}

TEST(ReadGPS, OtherDatumKeepsThePositionAsRead) {
  auto r = Gps(Position({{35, 1}, {4039, 100}, {0, 1}}, {{139, 1}, {30, 1}, {0, 1}}, "TOKYO"));
  EXPECT_EQ(r.Count, 5);
  EXPECT_EQ(r.Texts[1], "35");
  EXPECT_EQ(r.Texts[2], "40");
  EXPECT_EQ(r.Texts[3], "23.40");
  EXPECT_EQ(r.Texts[9], std::to_string(std::llround((35 + 40.39 / 60) * 921600)));
  EXPECT_EQ(r.Texts[8], std::to_string(std::llround((139 + 30 / 60.0) * 921600)));
}

TEST(ReadGPS, BrokenCoordinates) {
  // Zero minutes denominator: latitude stays at its degrees, longitude is
  // not touched; without minutes there is no Tokyo conversion.
  auto r = Gps(Position({{35, 1}, {40, 0}, {0, 1}}, {{139, 1}, {30, 1}, {0, 1}}, "WGS-84"));
  EXPECT_EQ(r.Count, 5);
  EXPECT_EQ(ValueOf(r, "緯度(数値)"), "35ﾟ ");
  EXPECT_EQ(r.Texts[9], std::to_string(35 * 921600));
  EXPECT_EQ(r.Texts[8], std::to_string(std::llround(139.5 * 921600)));

  // Zero degree denominator: that row is empty, the others stay, and no
  // position is handed to the map.
  auto z = Gps(Position({{35, 0}, {40, 1}, {1, 1}}, {{139, 1}, {30, 1}, {1, 1}}, "WGS-84"));
  EXPECT_EQ(z.Count, 5);
  EXPECT_EQ(ValueOf(z, "緯度(数値)"), "");
  EXPECT_EQ(ValueOf(z, "経度(数値)"), "139ﾟ 3001 [DMS]");
  EXPECT_EQ(z.Texts[8], "");
  EXPECT_EQ(z.Texts[9], "");

  // Zero seconds denominator with seconds present.
  auto s = Gps(Position({{35, 1}, {40, 1}, {5, 0}}, {{139, 1}, {30, 1}, {1, 1}}, ""));
  EXPECT_EQ(ValueOf(s, "緯度(数値)"), "");
  EXPECT_EQ(s.Texts[9], "");

  // A single rational: degrees only, nothing read past the value.
  auto one = Gps(Position({{3550, 100}}, {{139, 1}, {30, 1}, {0, 1}}, ""));
  EXPECT_EQ(ValueOf(one, "緯度(数値)"), "35.5ﾟ ");
  EXPECT_EQ(one.Texts[9], std::to_string(std::llround(35.5 * 921600)));
}

TEST(ReadGPS, ValueRules) {
  for (bool intel : {true, false}) {
    Ifd ifd;
    ifd.Byte(0, Bytes({2, 2, 0, 0}))
        .Byte(5, Bytes({1}))
        .Rational(6, {{12345, 10}})
        .Rational(7, {{9, 1}, {5, 1}, {30, 1}})
        .Ascii(12, "K")
        .Ascii(16, "T")
        .Rational(17, {{1805, 10}})
        .Ascii(23, "M")
        .Rational(20, {{1, 2}, {3, 4}})
        .Undefined(27, std::string("ASCII\0\0\0GPS", 11))
        .Undefined(28, "area")
        .Short(33, {7})
        .Long(30, {1});
    auto r = Gps(ifd, intel);
    EXPECT_EQ(ValueOf(r, "GPSタグバージョン"), "2,2,0,0");
    EXPECT_EQ(ValueOf(r, "高度基準"), "海面下");
    EXPECT_EQ(ValueOf(r, "高度(数値)"), "12345/10 メートル");
    EXPECT_EQ(ValueOf(r, "GPS時間(UTC)"), "09:05:30");
    EXPECT_EQ(ValueOf(r, "速度の単位"), "K");
    EXPECT_EQ(ValueOf(r, "撮影した画像の方向基準"), "真方位");
    EXPECT_EQ(ValueOf(r, "撮影した画像の方向"), "180.50°");
    EXPECT_EQ(ValueOf(r, "目的地の方角基準"), "磁方位");
    EXPECT_EQ(ValueOf(r, "目的地の緯度(数値)"), "1/2,3/4");
    EXPECT_EQ(ValueOf(r, "GPS処理方法"), "GPS");
    EXPECT_EQ(ValueOf(r, "GPS地域情報"), "4Bytes");
    EXPECT_EQ(ValueOf(r, "Unknown (33)"), "7");
    EXPECT_EQ(ValueOf(r, "GPS補正情報"), "1");
    EXPECT_EQ(r.Texts[8], "");
  }
  const std::pair<int, const char*> refs[] = {{0, "海抜基準"}, {1, "海面下"}, {2, "予約(2)"}};
  for (const auto& [ref, want] : refs) {
    Ifd sea;
    sea.Byte(5, Bytes({ref}));
    EXPECT_EQ(ValueOf(Gps(sea), "高度基準"), want) << ref;
  }
}

// In the DMS texts the minutes and the seconds have two whole digits, so
// that they read back apart when written one after the other.
TEST(ReadGPS, MinutesAndSecondsHaveTwoDigits) {
  struct Case {
    Rationals lat;
    const char* want;
  } cases[] = {
      {{{51, 1}, {1, 1}, {30, 1}}, "51ﾟ 0130 [DMS]"},
      {{{51, 1}, {1, 1}, {5, 1}}, "51ﾟ 0105 [DMS]"},
      {{{51, 1}, {15, 1}, {5, 1}}, "51ﾟ 1505 [DMS]"},
      {{{51, 1}, {0, 1}, {125, 100}}, "51ﾟ 0001.25 [DMS]"},
      {{{51, 1}, {15, 10}, {3, 1}}, "51ﾟ 01.503 [DMS]"},
      {{{0, 1}, {9, 1}, {59, 1}}, "0ﾟ 0959 [DMS]"},
      {{{35, 1}, {530, 100}, {0, 1}}, "35ﾟ 05.3 [DM]   35ﾟ 05' 18.00\" [DMS]"},
      {{{35, 1}, {4005, 100}, {0, 1}}, "35ﾟ 40.05 [DM]   35ﾟ 40' 03.00\" [DMS]"},
      {{{35, 1}, {0, 1}, {0, 1}}, "35ﾟ 00 [DM]   35ﾟ 00' 00.00\" [DMS]"},
  };
  for (const Case& c : cases) {
    auto r = Gps(Position(c.lat, {{139, 1}, {30, 1}, {1, 1}}, "TOKYO"));
    EXPECT_EQ(ValueOf(r, "緯度(数値)"), c.want);
  }
  // The map's texts are numbers, without the padding.
  auto r = Gps(Position({{51, 1}, {1, 1}, {5, 1}}, {{0, 1}, {530, 100}, {0, 1}}, "TOKYO"));
  EXPECT_EQ(r.Texts[2], "1");
  EXPECT_EQ(r.Texts[3], "5");
  EXPECT_EQ(r.Texts[6], "5");
  EXPECT_EQ(r.Texts[7], "18.00");
}

// A GPS value stored as SRATIONAL goes through the rule its RATIONAL would.
TEST(ReadGPS, SignedRationalsFollowTheRationalRules) {
  for (bool intel : {true, false}) {
    Ifd ifd;
    ifd.Ascii(1, "N")
        .Rational(2, {{35, 1}, {40, 1}, {2355, 100}}, true)
        .Ascii(3, "E")
        .Rational(4, {{139, 1}, {45, 1}, {3, 1}}, true)
        .Rational(6, {{static_cast<uint32_t>(-125), 10}}, true)
        .Rational(7, {{9, 1}, {5, 1}, {30, 1}}, true)
        .Rational(13, {{45, 10}, {1, 2}}, true)
        .Rational(15, {{1805, 10}}, true)
        .Rational(17, {{90, 1}}, true)
        .Ascii(18, "WGS-84")
        .Rational(24, {{45, 1}}, true)
        .Rational(26, {{12, 1}}, true);
    auto r = Gps(ifd, intel);
    auto want = Gps(Position({{35, 1}, {40, 1}, {2355, 100}}, {{139, 1}, {45, 1}, {3, 1}}, "WGS-84"),
                    intel);
    EXPECT_EQ(ValueOf(r, "緯度(数値)"), "35ﾟ 4023.55 [DMS]");
    EXPECT_EQ(ValueOf(r, "経度(数値)"), "139ﾟ 4503 [DMS]");
    EXPECT_EQ(ValueOf(r, "高度(数値)"), "-125/10 メートル");
    EXPECT_EQ(ValueOf(r, "GPS時間(UTC)"), "09:05:30");
    EXPECT_EQ(ValueOf(r, "速度(数値)"), "45/10,1/2");
    EXPECT_EQ(ValueOf(r, "進行方向(数値)"), "180.50°");
    EXPECT_EQ(ValueOf(r, "撮影した画像の方向"), "90.00°");
    EXPECT_EQ(ValueOf(r, "目的地の方角"), "45.00°");
    EXPECT_EQ(ValueOf(r, "目的地までの距離"), "12/1");
    // The Tokyo rows and the map's texts, as from RATIONALs.
    EXPECT_EQ(ValueOf(r, "TOKYO測地系換算緯度"), ValueOf(want, "TOKYO測地系換算緯度"));
    EXPECT_EQ(ValueOf(r, "TOKYO測地系換算経度"), ValueOf(want, "TOKYO測地系換算経度"));
    EXPECT_NE(ValueOf(r, "TOKYO測地系換算緯度"), "<no row>");
    EXPECT_EQ(r.Texts, want.Texts);
  }
}

// Writers that store a southern or western position as negative SRATIONAL
// degrees and also say "S"/"W": the map's texts carry the size alone, so
// that the hemisphere gives the one minus sign.
TEST(ReadGPS, NegativeSignedDegreesGiveTheSizeToTheMap) {
  for (const char* datum : {"TOKYO", "WGS-84"}) {
    Ifd negative;
    negative.Ascii(1, "S")
        .Rational(2, {{static_cast<uint32_t>(-33), 1}, {52, 1}, {1200, 100}}, true)
        .Ascii(3, "W")
        .Rational(4, {{static_cast<uint32_t>(-70), 1}, {40, 1}, {3, 1}}, true)
        .Ascii(18, datum);
    Ifd positive;
    positive.Ascii(1, "S")
        .Rational(2, {{33, 1}, {52, 1}, {1200, 100}})
        .Ascii(3, "W")
        .Rational(4, {{70, 1}, {40, 1}, {3, 1}})
        .Ascii(18, datum);
    const TMakerResult r = Gps(negative);
    EXPECT_EQ(r.Texts, Gps(positive).Texts) << datum;
    for (const std::string& t : r.Texts) EXPECT_EQ(t.find('-'), std::string::npos) << datum << " " << t;
  }
}

// The types without a text of their own show their values as their
// unsigned twins do: the first whole number, the list of the others.
TEST(ReadGPS, PlainTextsOfTheOtherTypes) {
  for (bool intel : {true, false}) {
    Ifd ifd;
    ifd.Raw(8, 6, 3, Bytes({1, 0xFF, 0x80}))
        .SShort(9, {0xFFFE})
        .SLong(10, {static_cast<uint32_t>(-70000), 5})
        .Raw(11, 11, 2, fixtures::U32(0x3DCCCCCD, intel) + fixtures::U32(0x40200000, intel))
        .Raw(28, 12, 1, fixtures::U32(intel ? 0 : 0x3FF80000, intel) + fixtures::U32(intel ? 0x3FF80000 : 0, intel))
        .Numbers(29, 13, {4096});
    auto r = Gps(ifd, intel);
    EXPECT_EQ(ValueOf(r, "測位につかった衛星情報"), "1,-1,-128");
    EXPECT_EQ(ValueOf(r, "GPS受信機の状態"), "-2");
    EXPECT_EQ(ValueOf(r, "GPSの測位方法"), "-70000");
    EXPECT_EQ(ValueOf(r, "測位の信頼性"), "0.1,2.5");
    EXPECT_EQ(ValueOf(r, "GPS地域情報"), "1.5");
    EXPECT_EQ(ValueOf(r, "タイムスタンプ"), "4096");
  }
}

TEST(ReadGPS, ProcessingMethodInUnicodeFollowsTheFileOrder) {
  for (bool intel : {true, false}) {
    std::string text = std::string("UNICODE\0", 8) + fixtures::U16('G', intel) + fixtures::U16('P', intel);
    Ifd ifd;
    ifd.Undefined(27, text);
    EXPECT_EQ(ValueOf(Gps(ifd, intel), "GPS処理方法"), "GP");
  }
}

TEST(ReadGPS, StopsAtAHundredRowsWithoutTheDatumStep) {
  Ifd ifd;
  ifd.Ascii(1, "N").Rational(2, {{35, 1}, {40, 1}, {1, 1}}).Ascii(3, "E");
  ifd.Rational(4, {{139, 1}, {30, 1}, {1, 1}}).Ascii(18, "WGS-84");
  for (uint16_t i = 0; i < 120; ++i) ifd.Short(static_cast<uint16_t>(100 + i), {i});
  auto r = Gps(ifd);
  EXPECT_EQ(r.Count, 100);
  EXPECT_EQ(r.Texts[8], "");
  EXPECT_EQ(r.Texts[9], "");
}

TEST(ReadGPS, NinetyNineEntriesAndTheTokyoRowsFillTheRecord) {
  Ifd ifd;
  ifd.Ascii(1, "N").Rational(2, {{35, 1}, {40, 1}, {1, 1}}).Ascii(3, "E");
  ifd.Rational(4, {{139, 1}, {30, 1}, {1, 1}}).Ascii(18, "WGS-84");
  for (uint16_t i = 0; i < 94; ++i) ifd.Short(static_cast<uint16_t>(100 + i), {i});
  auto r = Gps(ifd);
  EXPECT_EQ(r.Count, 101);
  EXPECT_EQ(r.Items[100].Name, "TOKYO測地系換算経度");
}

}  // namespace
}  // namespace kelvane
