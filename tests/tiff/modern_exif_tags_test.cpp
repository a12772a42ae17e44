// The Exif tags of today's cameras and phones (lens, time offsets, serial
// numbers, sensitivity kinds, shooting conditions), DNG's later tags and
// GPSHPositioningError: their captions, value texts and row styles.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/tiff/ifd_walker.h"
#include "engine/loader/loader.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/support/corpus.h"
#include "tests/support/load_helpers.h"
#include "tests/tiff/walk_fixture.h"

namespace kelvane {
namespace {

using fixtures::Ifd;
using testing::Row;
using testing::WalkIfd;

using Pairs = std::vector<std::pair<uint32_t, uint32_t>>;

uint32_t Neg(int32_t v) { return static_cast<uint32_t>(v); }

struct Case {
  const char* what;
  uint16_t tag;
  std::function<void(Ifd&)> add;
  std::string want;
};

void RunCases(const std::vector<Case>& cases) {
  for (bool intel : {true, false}) {
    for (const Case& c : cases) {
      Ifd ifd;
      c.add(ifd);
      EXPECT_EQ(WalkIfd(ifd, intel).Value(c.tag), c.want) << c.what << (intel ? " (II)" : " (MM)");
    }
  }
}

TEST(ModernExifTags, LensSpecificationReadsAsALensName) {
  auto spec = [](Pairs values) { return [values](Ifd& d) { d.Rational(0xA432, values); }; };
  RunCases({
      {"zoom with a constant aperture", 0xA432, spec({{24, 1}, {105, 1}, {4, 1}, {4, 1}}),
       "24-105mm F4"},
      {"zoom with a varying aperture", 0xA432, spec({{18, 1}, {55, 1}, {35, 10}, {56, 10}}),
       "18-55mm F3.5-5.6"},
      {"prime lens", 0xA432, spec({{50, 1}, {50, 1}, {18, 10}, {18, 10}}), "50mm F1.8"},
      {"phone lens in odd fractions", 0xA432,
       spec({{807365, 524263}, {6, 1}, {9, 5}, {12, 5}}), "1.54-6mm F1.8-2.4"},
      {"F-numbers stored as 0/1", 0xA432, spec({{15, 1}, {45, 1}, {0, 1}, {0, 1}}), "15-45mm"},
      {"F-numbers stored as 0/0", 0xA432, spec({{15, 1}, {45, 1}, {0, 0}, {0, 0}}), "15-45mm"},
      {"unknown longest focal length", 0xA432, spec({{35, 1}, {0, 0}, {2, 1}, {0, 0}}),
       "35mm F2"},
      {"unknown focal lengths", 0xA432, spec({{0, 0}, {0, 0}, {28, 10}, {28, 10}}), "F2.8"},
      {"nothing known", 0xA432, spec({{0, 0}, {0, 0}, {0, 0}, {0, 0}}), "不明"},
      {"only the focal lengths stored", 0xA432, spec({{18, 1}, {55, 1}}), "18-55mm"},
  });
}

TEST(ModernExifTags, ShootingConditionsCarryTheirUnits) {
  RunCases({
      {"temperature", 0x9400, [](Ifd& d) { d.Rational(0x9400, {{125, 10}}, true); }, "12.5℃"},
      {"temperature below zero", 0x9400, [](Ifd& d) { d.Rational(0x9400, {{Neg(-55), 10}}, true); },
       "-5.5℃"},
      {"temperature unknown", 0x9400, [](Ifd& d) { d.Rational(0x9400, {{0xFFFFFFFF, 1}}, true); },
       "不明"},
      {"temperature with a zero denominator", 0x9400, [](Ifd& d) { d.Rational(0x9400, {{3, 0}}, true); }, "不明"},
      {"humidity", 0x9401, [](Ifd& d) { d.Rational(0x9401, {{45, 1}}); }, "45%"},
      {"humidity unknown", 0x9401, [](Ifd& d) { d.Rational(0x9401, {{0xFFFFFFFF, 1}}); }, "不明"},
      {"pressure", 0x9402, [](Ifd& d) { d.Rational(0x9402, {{1013, 1}}); }, "1013hPa"},
      {"pressure in tenths", 0x9402, [](Ifd& d) { d.Rational(0x9402, {{10132, 10}}); }, "1013.2hPa"},
      {"water depth", 0x9403, [](Ifd& d) { d.Rational(0x9403, {{35, 10}}, true); }, "3.5m"},
      {"above the water", 0x9403, [](Ifd& d) { d.Rational(0x9403, {{Neg(-12), 10}}, true); }, "-1.2m"},
      {"acceleration", 0x9404, [](Ifd& d) { d.Rational(0x9404, {{9806, 10}}); }, "980.6mGal"},
      {"elevation angle", 0x9405, [](Ifd& d) { d.Rational(0x9405, {{Neg(-125), 10}}, true); },
       "-12.5°"},
      {"gamma", 0xA500, [](Ifd& d) { d.Rational(0xA500, {{22, 10}}); }, "2.2"},
      {"gamma with a zero denominator", 0xA500, [](Ifd& d) { d.Rational(0xA500, {{22, 0}}); }, "不明"},
  });
}

TEST(ModernExifTags, VocabulariesAndPlainValues) {
  RunCases({
      {"sensitivity from REI", 0x8830, [](Ifd& d) { d.Short(0x8830, {2}); }, "推奨露光指数"},
      {"sensitivity from all three", 0x8830, [](Ifd& d) { d.Short(0x8830, {7}); },
       "標準出力感度・推奨露光指数・ISOスピード"},
      {"sensitivity out of range", 0x8830, [](Ifd& d) { d.Short(0x8830, {8}); }, "Unknown (8)"},
      {"recommended exposure index", 0x8832, [](Ifd& d) { d.Long(0x8832, {12800}); }, "12800"},
      {"composite while shooting", 0xA460, [](Ifd& d) { d.Short(0xA460, {3}); }, "撮影時合成画像"},
      {"general composite", 0xA460, [](Ifd& d) { d.Short(0xA460, {2}); }, "一般合成画像"},
      {"time offset as stored", 0x9011, [](Ifd& d) { d.Ascii(0x9011, "+09:00"); }, "+09:00"},
      {"lens model", 0xA434, [](Ifd& d) { d.Ascii(0xA434, "EF-M15-45mm f/3.5-6.3 IS STM"); },
       "EF-M15-45mm f/3.5-6.3 IS STM"},
      {"photographer", 0xA437, [](Ifd& d) { d.Ascii(0xA437, "Aoi Tanaka"); }, "Aoi Tanaka"},
      {"rating", 0x4746, [](Ifd& d) { d.Short(0x4746, {4}); }, "4"},
      {"rating percent", 0x4749, [](Ifd& d) { d.Short(0x4749, {75}); }, "75"},
  });
}

TEST(ModernExifTags, CaptionsOfTheNewRows) {
  struct Named {
    uint16_t tag;
    const char* name;
  };
  for (const Named& n : std::vector<Named>{
           {0x4746, "評価"},
           {0x8830, "感度種別"},
           {0x8831, "標準出力感度"},
           {0x8833, "ISOスピード"},
           {0x8835, "ISOスピードラチチュードzzz"},
           {0x9010, "時差情報"},
           {0x9011, "原画像データの生成時差"},
           {0x9012, "デジタルデータの作成時差"},
           {0x9405, "カメラの仰角"},
           {0xA430, "カメラ所有者名"},
           {0xA431, "カメラのシリアル番号"},
           {0xA432, "レンズの仕様"},
           {0xA433, "レンズのメーカー名"},
           {0xA434, "レンズのモデル名"},
           {0xA435, "レンズのシリアル番号"},
           {0xA43C, "メタデータ編集ソフトウェア"},
           {0xA460, "合成画像"},
           {0xA500, "再生ガンマ"},
           {0xC633, "ShadowScale"},
           {0xC65C, "BestQualityScale"},
           {0xC68B, "OriginalRawFileName"},
           {0xC6F8, "ProfileName"},
           {0xC714, "ForwardMatrix1"},
           {0xC715, "ForwardMatrix2"},
           {0xC761, "NoiseProfile"},
           {0xC7A5, "BaselineExposureOffset"},
           {0xCD31, "CalibrationIlluminant3"},
           {0xCD4B, "JXLDecodeSpeed"},
       }) {
    const auto name = TagName(n.tag, kTypeShort);
    ASSERT_TRUE(name.has_value()) << std::hex << n.tag;
    EXPECT_EQ(*name, n.name) << std::hex << n.tag;
  }
}

// A photo as phones and cameras of today write it: the lens, serial numbers
// and time offsets in the Exif IFD, the positioning error in the GPS IFD.
std::string TodaysPhoto(bool intel) {
  Ifd ifd0, exif, gps;
  ifd0.Ascii(0x010F, "Canon").Long(0x8769, {0}).Long(0x8825, {0});
  exif.Ascii(0x9010, "+09:00")
      .Ascii(0x9011, "+09:00")
      .Short(0x8830, {2})
      .Long(0x8832, {400})
      .Rational(0x9400, {{215, 10}}, true)
      .Ascii(0xA431, "613040000565")
      .Rational(0xA432, {{24, 1}, {105, 1}, {4, 1}, {4, 1}})
      .Ascii(0xA433, "Canon")
      .Ascii(0xA434, "EF24-105mm f/4L IS USM")
      .Ascii(0xA435, "0000123456")
      .Short(0xA460, {1});
  gps.Rational(31, {{25, 2}});
  const uint32_t exif_at = 8 + static_cast<uint32_t>(ifd0.Size());
  const uint32_t gps_at = exif_at + static_cast<uint32_t>(exif.Size());
  ifd0.Long(0x8769, {exif_at}).Long(0x8825, {gps_at});
  const std::string tiff = fixtures::TiffHeader(intel) + ifd0.Build(intel, 8) +
                           exif.Build(intel, exif_at) + gps.Build(intel, gps_at);
  return fixtures::Jpeg().Exif(tiff).Build();
}

// The rows under the group caption `caption`.
std::vector<Row> Group(const std::vector<Row>& rows, const std::string& caption) {
  std::vector<Row> out;
  bool in = false;
  for (const Row& r : rows) {
    if (r.style == kStyleCaption) {
      in = r.name == caption;
      continue;
    }
    if (in) out.push_back(r);
  }
  return out;
}

TEST(ModernExifTags, PhotoShowsTheLensSerialsAndTimeOffsetsAsKeyRows) {
  for (bool intel : {true, false}) {
    const auto loaded = testing::LoadBytes(TodaysPhoto(intel), "photo.jpg");
    EXPECT_EQ(Group(loaded.rows, "サブ情報"),
              (std::vector<Row>{
                  {kStyleKey, "時差情報", "+09:00"},
                  {kStyleKey, "原画像データの生成時差", "+09:00"},
                  {kStyleDetail, "感度種別", "推奨露光指数"},
                  {kStyleDetail, "推奨露光指数", "400"},
                  {kStyleDetail, "温度", "21.5℃"},
                  {kStyleKey, "カメラのシリアル番号", "613040000565"},
                  {kStyleKey, "レンズの仕様", "24-105mm F4"},
                  {kStyleKey, "レンズのメーカー名", "Canon"},
                  {kStyleKey, "レンズのモデル名", "EF24-105mm f/4L IS USM"},
                  {kStyleKey, "レンズのシリアル番号", "0000123456"},
                  {kStyleDetail, "合成画像", "非合成画像"},
              }))
        << (intel ? "II" : "MM");
    EXPECT_EQ(Group(loaded.rows, "GPS情報"),
              (std::vector<Row>{{kStyleDetail, "水平方向測位誤差", "12.5 メートル"}}))
        << (intel ? "II" : "MM");
  }
}

// The abbreviated view keeps the key rows and leaves the details out.
TEST(ModernExifTags, AbbreviatedViewKeepsTheLens) {
  LoadSwitches brief;
  brief.abbreviated = true;
  const auto loaded = testing::LoadBytes(TodaysPhoto(true), "photo.jpg", brief);
  const std::vector<Row> sub = Group(loaded.rows, "サブ情報");
  auto shows = [&](const std::string& name) {
    for (const Row& r : sub)
      if (r.name == name) return true;
    return false;
  };
  EXPECT_TRUE(shows("レンズのモデル名"));
  EXPECT_TRUE(shows("原画像データの生成時差"));
  EXPECT_FALSE(shows("温度"));
}

// Phones and cameras of today, each in its own container: the lens is a key
// row of the Exif group wherever the Exif block was found.
TEST(ModernExifTags, CorpusPhotosShowTheirLens) {
  if (testing::CorpusFolder().empty()) GTEST_SKIP() << testing::kNoCorpus;
  struct Photo {
    const char* file;
    const char* lens_model;
    const char* lens_specification;  // null: the file stores none
  };
  for (const Photo& p : std::vector<Photo>{
           {"iPhone7.heic", "iPhone 7 back camera 3.99mm f/1.8", "3.99mm F1.8"},
           {"ExifAtEnd.heic", "iPhone 11 Pro back triple camera 4.25mm f/1.8", "1.54-6mm F1.8-2.4"},
           {"CanonRaw.cr3", "EF-M15-45mm f/3.5-6.3 IS STM", "15-45mm"},
           {"Google.jpg", "Pixel 8 Pro back camera 6.9mm f/1.68", nullptr},
       }) {
    InfoTree tree;
    PageFields page;
    kelvane::Load(testing::CorpusFile(p.file).string(), LoadSwitches{}, tree, page);
    const std::vector<Row> sub = Group(testing::RowsOf(tree), "サブ情報");
    auto has = [&](const Row& want) {
      for (const Row& r : sub)
        if (r == want) return true;
      return false;
    };
    EXPECT_TRUE(has({kStyleKey, "レンズのモデル名", p.lens_model})) << p.file;
    if (p.lens_specification) {
      EXPECT_TRUE(has({kStyleKey, "レンズの仕様", p.lens_specification})) << p.file;
    }
  }
}

}  // namespace
}  // namespace kelvane
