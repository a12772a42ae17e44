// ICC profiles: the header's fields, the tags people read in their v2 and
// v4 forms, profiles that are cut short or lie about their sizes, and every
// place a file kind of ours keeps one.
#include "engine/containers/icc_profile.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/fixtures/byte_builder.h"
#include "tests/fixtures/icc_builder.h"
#include "tests/support/load_helpers.h"
#include "tests/support/result_rows.h"
#include "tests/support/whole_file.h"

namespace kelvane {
namespace {

using fixtures::Atom;
using fixtures::BE16;
using fixtures::BE32;
using fixtures::FullBox;
using fixtures::IccProfile;
using fixtures::IccTag;
using testing::LoadBytes;
using testing::Row;

testing::Rows Read(const std::string& bytes, bool* whole = nullptr) {
  MemoryReader f(bytes);
  TMakerResult r;
  const bool ok = ReadIccProfile(f, 0, bytes.size(), r);
  if (whole) *whole = ok;
  return testing::RowsOf(r);
}

bool HasRow(const testing::Rows& rows, const std::string& name, const std::string& value) {
  return std::find(rows.begin(), rows.end(), std::pair<std::string, std::string>{name, value}) != rows.end();
}

std::string Value(const testing::Rows& rows, const std::string& name) {
  for (const auto& [row_name, row_value] : rows)
    if (row_name == name) return row_value;
  return "(none)";
}

// A display profile as phones write it (v4, mluc texts, para curves).
std::string DisplayP3() {
  return IccProfile({
      {"desc", fixtures::IccMultiLocalized({{"en", "US", u"Display P3"}})},
      {"cprt", fixtures::IccMultiLocalized({{"en", "US", u"Copyright Apple Inc., 2017"}})},
      {"wtpt", fixtures::IccXyz(0.95045, 1.0, 1.08905)},
      {"rXYZ", fixtures::IccXyz(0.51512, 0.2412, -0.00105)},
      {"rTRC", fixtures::IccParametric(3, {2.39999, 0.94786, 0.05214, 0.07739, 0.04045})},
      {"gTRC", fixtures::IccParametric(0, {2.2})},
      {"chad", fixtures::IccS15Fixed16Array({1.04788, 0.02292, -0.0502, 0.02959, 0.99048, -0.01706,
                                             -0.00923, 0.01508, 0.75168})},
  });
}

TEST(IccProfile, HeaderFields) {
  fixtures::IccHeader h;
  h.flags = 1;
  h.attributes = 0b0101;
  h.intent = 1;
  h.model = "sRGB";
  bool whole = false;
  const testing::Rows rows = Read(IccProfile({}, h), &whole);
  EXPECT_TRUE(whole);
  const testing::Rows want = {
      {"プロファイルのサイズ", "132 Bytes"},
      {"CMMの種類", "Apple Computer Inc. (appl)"},
      {"プロファイルのバージョン", "4.3.0"},
      {"プロファイルのクラス", "ディスプレイ (mntr)"},
      {"データの色空間", "RGB"},
      {"プロファイル接続空間", "XYZ"},
      {"作成日時", "2022:01:01 09:30:05"},
      {"プロファイルの署名", "acsp"},
      {"主プラットフォーム", "Apple Computer Inc. (APPL)"},
      {"フラグ", "埋め込み, 単独で使える"},
      {"機器の製造者", "Apple Computer Inc. (APPL)"},
      {"機器のモデル", "sRGB"},
      {"機器の属性", "透過, 光沢, ネガ, カラー"},
      {"レンダリングインテント", "メディア相対的な測色"},
      {"接続空間の光源", "0.9642 1 0.82491"},
      {"プロファイルの作成者", "Apple Computer Inc. (appl)"},
  };
  EXPECT_EQ(rows, want);
}

TEST(IccProfile, TagsOfAVersion4Profile) {
  const testing::Rows rows = Read(DisplayP3());
  EXPECT_EQ(Value(rows, "プロファイルの説明"), "Display P3");
  EXPECT_EQ(Value(rows, "著作権"), "Copyright Apple Inc., 2017");
  EXPECT_EQ(Value(rows, "白色点"), "0.95045 1 1.08905");
  EXPECT_EQ(Value(rows, "赤の原色"), "0.51512 0.2412 -0.00105");
  EXPECT_EQ(Value(rows, "赤のトーンカーブ"), "ガンマ 2.4 (パラメトリック 型3)");
  EXPECT_EQ(Value(rows, "緑のトーンカーブ"), "ガンマ 2.2");
  EXPECT_EQ(Value(rows, "色順応行列"),
            "1.04788 0.02292 -0.0502 0.02959 0.99048 -0.01706 -0.00923 0.01508 0.75168");
  EXPECT_FALSE(HasRow(rows, kIccCaption, "情報が破損"));
}

TEST(IccProfile, Version2TagsAndCurves) {
  fixtures::IccHeader h;
  h.major = 2;
  h.minor = 0x10;
  const testing::Rows rows = Read(IccProfile(
      {
          {"desc", fixtures::IccTextDescription("sRGB IEC61966-2.1")},
          {"cprt", fixtures::IccText("Copyright (c) 1998 Hewlett-Packard Company")},
          {"lumi", fixtures::IccXyz(76.03647, 80, 87.12462)},
          {"rTRC", fixtures::IccCurve(std::vector<uint16_t>(1024, 0))},
          {"gTRC", fixtures::IccCurve({0x0233})},
          {"bTRC", fixtures::IccCurve({})},
      },
      h));
  EXPECT_EQ(Value(rows, "プロファイルのバージョン"), "2.1.0");
  EXPECT_EQ(Value(rows, "プロファイルの説明"), "sRGB IEC61966-2.1");
  EXPECT_EQ(Value(rows, "著作権"), "Copyright (c) 1998 Hewlett-Packard Company");
  EXPECT_EQ(Value(rows, "輝度"), "76.03647 80 87.12462(cd/m²)");
  EXPECT_EQ(Value(rows, "赤のトーンカーブ"), "カーブ (1024点)");
  EXPECT_EQ(Value(rows, "緑のトーンカーブ"), "ガンマ 2.2");
  EXPECT_EQ(Value(rows, "青のトーンカーブ"), "ガンマ 1 (直線)");
}

TEST(IccProfile, DescriptionPrefersJapaneseThenEnglish) {
  struct Case {
    std::vector<fixtures::IccLocalized> records;
    const char* want;
  } cases[] = {
      {{{"de", "DE", u"Farbprofil"}, {"en", "US", u"Colour profile"}, {"ja", "JP", u"色プロファイル"}},
       "色プロファイル"},
      {{{"de", "DE", u"Farbprofil"}, {"en", "GB", u"Colour profile"}}, "Colour profile"},
      {{{"fr", "FR", u"Profil"}, {"de", "DE", u"Farbprofil"}}, "Profil"},
  };
  for (const auto& c : cases) {
    const testing::Rows rows =
        Read(IccProfile({{"desc", fixtures::IccMultiLocalized(c.records)}}));
    EXPECT_EQ(Value(rows, "プロファイルの説明"), c.want);
  }
}

// A cut or lying profile shows what it could read and the damaged row, and
// never a byte beyond what it was given.
TEST(IccProfile, DamagedProfilesShowWhatTheyCould) {
  const std::string whole = DisplayP3();
  std::string lying_offset = whole;
  lying_offset.replace(128 + 4 + 4, 4, BE32(0x7FFFFFF0));  // the first tag's offset
  std::string lying_count = whole;
  lying_count.replace(128, 4, BE32(0xFFFFFFFF));
  fixtures::IccHeader too_big;
  too_big.size = 100000;
  struct Case {
    const char* what;
    std::string bytes;
    bool has_header;
    bool has_copyright;
  } cases[] = {
      {"header only, cut", whole.substr(0, 90), false, false},
      {"tag table cut", whole.substr(0, 128 + 4 + 12 * 3), true, false},
      {"tag data cut", whole.substr(0, whole.size() - 60), true, true},
      {"tag offset far away", lying_offset, true, true},
      {"tag count huge", lying_count, true, true},
      {"size says more", IccProfile({{"cprt", fixtures::IccText("c")}}, too_big), true, true},
  };
  for (const auto& c : cases) {
    bool ok = true;
    const testing::Rows rows = Read(c.bytes, &ok);
    EXPECT_FALSE(ok) << c.what;
    ASSERT_FALSE(rows.empty()) << c.what;
    EXPECT_EQ(rows.back(), (std::pair<std::string, std::string>{kIccCaption, "情報が破損"})) << c.what;
    EXPECT_EQ(HasRow(rows, "データの色空間", "RGB"), c.has_header) << c.what;
    EXPECT_EQ(Value(rows, "著作権") != "(none)", c.has_copyright) << c.what;
  }
}

// ---- where files keep a profile ----

std::vector<Row> IccGroup(const std::vector<Row>& rows) {
  auto at = std::find(rows.begin(), rows.end(), Row{3, kIccCaption, ""});
  if (at == rows.end()) return {};
  auto end = std::find_if(at + 1, rows.end(), [](const Row& r) { return r.style == 3; });
  return {at, end};
}

bool GroupHas(const std::vector<Row>& group, const std::string& name, const std::string& value) {
  return std::any_of(group.begin(), group.end(),
                     [&](const Row& r) { return r.name == name && r.value == value; });
}

std::string App2Chunk(uint8_t sequence, uint8_t count, const std::string& part) {
  return std::string("ICC_PROFILE\0", 12) + std::string{static_cast<char>(sequence), static_cast<char>(count)} +
         part;
}

std::string ChunkedJpeg(const std::string& profile, const std::vector<int>& order, int count) {
  const size_t part = (profile.size() + static_cast<size_t>(count) - 1) / static_cast<size_t>(count);
  fixtures::Jpeg jpeg;
  jpeg.Jfif();
  for (int n : order)
    jpeg.Segment(0xFFE2, App2Chunk(static_cast<uint8_t>(n), static_cast<uint8_t>(count),
                                   profile.substr(std::min(profile.size(), (static_cast<size_t>(n) - 1) * part), part)));
  return jpeg.Build();
}

TEST(IccPlaces, JpegChunksAreJoinedByTheirNumbers) {
  const std::string profile = DisplayP3();
  struct Case {
    const char* what;
    std::vector<int> order;
    int count;
    bool damaged;
  } cases[] = {
      {"in order", {1, 2, 3}, 3, false},
      {"out of order", {3, 1, 2}, 3, false},
      {"one missing", {1, 3}, 3, true},
      {"first missing", {2, 3}, 3, true},
      {"count too small", {1, 2, 3}, 2, true},
      {"a chunk twice", {1, 2, 2, 3}, 3, true},
  };
  for (const auto& c : cases) {
    const auto group = IccGroup(LoadBytes(ChunkedJpeg(profile, c.order, c.count), "a.jpg").rows);
    ASSERT_FALSE(group.empty()) << c.what;
    EXPECT_EQ(GroupHas(group, kIccCaption, "情報が破損"), c.damaged) << c.what;
    if (!c.damaged) {
      EXPECT_TRUE(GroupHas(group, "プロファイルの説明", "Display P3")) << c.what;
    }
  }
}

std::string Deflate(const std::string& bytes) {
  uLongf size = compressBound(static_cast<uLong>(bytes.size()));
  std::string out(size, '\0');
  compress2(reinterpret_cast<Bytef*>(out.data()), &size,
            reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uLong>(bytes.size()), 9);
  out.resize(size);
  return out;
}

std::string TiffWithProfile(const std::string& profile) {
  return fixtures::TiffHeader(true) +
         fixtures::Ifd().Ascii(0x010F, "Kelvane").Undefined(0x8773, profile).Build(true, 8);
}

std::string HeifWithColour(const std::string& colr_payload) {
  const std::string ftyp = Atom("ftyp", std::string("heic") + BE32(0) + "mif1heic");
  const std::string infe = FullBox("infe", 2, 0, BE16(1) + BE16(0) + "hvc1" + std::string(1, '\0'));
  const std::string ipco = Atom("ipco", FullBox("ispe", 0, 0, BE32(64) + BE32(48)) + Atom("colr", colr_payload));
  const std::string ipma = FullBox("ipma", 0, 0, BE32(1) + BE16(1) + std::string("\x02\x81\x82", 3));
  return ftyp + FullBox("meta", 0, 0,
                        FullBox("hdlr", 0, 0, BE32(0) + "pict" + std::string(13, '\0')) +
                            FullBox("pitm", 0, 0, BE16(1)) + FullBox("iinf", 0, 0, BE16(1) + infe) +
                            Atom("iprp", ipco + ipma));
}

std::string Mp4WithColour(const std::string& colr_payload) {
  const std::string ftyp = Atom("ftyp", std::string("isom") + BE32(0) + "isommp41");
  std::string visual = std::string(6, '\0') + BE16(1) + std::string(16, '\0') + BE16(64) + BE16(48) +
                       BE32(0x00480000) + BE32(0x00480000) + BE32(0) + BE16(1) + std::string(32, '\0') +
                       BE16(24) + BE16(0xFFFF);
  const std::string entry = Atom("avc1", visual + Atom("colr", colr_payload));
  const std::string stsd = FullBox("stsd", 0, 0, BE32(1) + entry);
  const std::string mdia =
      Atom("mdia", FullBox("hdlr", 0, 0, BE32(0) + "vide" + std::string(13, '\0')) +
                       Atom("minf", Atom("stbl", stsd)));
  return ftyp + Atom("moov", FullBox("mvhd", 0, 0, std::string(8, '\0') + BE32(1000) + BE32(500) +
                                                       std::string(80, '\0')) +
                                 Atom("trak", mdia));
}

std::string Jp2WithColour(uint8_t method, const std::string& rest) {
  return Atom("jP  ", "\r\n\x87\n") + Atom("ftyp", "jp2 " + BE32(0) + "jp2 ") +
         Atom("jp2h", Atom("ihdr", BE32(48) + BE32(64) + BE16(3) + std::string("\x07\x07\x00\x00", 4)) +
                          Atom("colr", std::string{static_cast<char>(method), 0, 0} + rest));
}

TEST(IccPlaces, EveryKindShowsItsProfile) {
  const std::string profile = DisplayP3();
  struct Case {
    const char* what;
    std::string file;
    const char* name;
  } cases[] = {
      {"JPEG APP2", ChunkedJpeg(profile, {1}, 1), "a.jpg"},
      {"TIFF 0x8773", TiffWithProfile(profile), "a.tif"},
      {"Photoshop resource in APP13",
       fixtures::Jpeg().Jfif().Segment(0xFFED, std::string("Photoshop 3.0\0", 14) +
                                                   fixtures::PhotoshopResource(0x040F, profile))
           .Build(),
       "a.jpg"},
      {"PNG iCCP",
       fixtures::PngFile(fixtures::PngChunk("IHDR", fixtures::PngHeader(1, 1, 8, 2)) +
                         fixtures::PngChunk("iCCP", std::string("icc\0\0", 5) + Deflate(profile))),
       "a.png"},
      {"WebP ICCP",
       fixtures::WebPFile(fixtures::WebPChunk("VP8X", std::string("\x20\0\0\0\0\0\0\0\0\0", 10)) +
                          fixtures::WebPChunk("ICCP", profile)),
       "a.webp"},
      {"HEIF colr prof", HeifWithColour("prof" + profile), "a.heic"},
      {"HEIF colr rICC", HeifWithColour("rICC" + profile), "a.heic"},
      {"JPEG 2000 colr method 2", Jp2WithColour(2, profile), "a.jp2"},
      {"JPEG 2000 colr method 3", Jp2WithColour(3, profile), "a.jp2"},
      {"MP4 colr prof", Mp4WithColour("prof" + profile), "a.mp4"},
  };
  for (const auto& c : cases) {
    const auto group = IccGroup(LoadBytes(c.file, c.name).rows);
    EXPECT_TRUE(GroupHas(group, "プロファイルの説明", "Display P3")) << c.what;
    EXPECT_FALSE(GroupHas(group, kIccCaption, "情報が破損")) << c.what;
  }
}

TEST(IccPlaces, CompressedProfileCutShortIsDamaged) {
  const std::string z = Deflate(DisplayP3());
  const std::string file =
      fixtures::PngFile(fixtures::PngChunk("IHDR", fixtures::PngHeader(1, 1, 8, 2)) +
                        fixtures::PngChunk("iCCP", std::string("icc\0\0", 5) + z.substr(0, z.size() / 2)));
  const auto group = IccGroup(LoadBytes(file, "a.png").rows);
  EXPECT_TRUE(GroupHas(group, kIccCaption, "情報が破損"));
}

// The hostile profiles among the fuzz seeds: each shows its group, and all
// but the sound ones end with the damaged row.
TEST(IccPlaces, HostileSeedsShowWhatTheyCould) {
  const std::filesystem::path seeds = std::filesystem::path(KELVANE_SOURCE_DIR) / "tests/fuzz/seeds";
  int seen = 0;
  for (const char* kind : {"jpg", "png"}) {
    for (const auto& entry : std::filesystem::directory_iterator(seeds / kind)) {
      const std::string name = entry.path().filename().string();
      if (name.rfind("icc-", 0) != 0) continue;
      ++seen;
      const auto group = IccGroup(LoadBytes(testing::WholeFile(entry.path()), name).rows);
      ASSERT_FALSE(group.empty()) << name;
      const bool sound = name == "icc-chunks-out-of-order.jpg" || name == "icc-inflated.png";
      EXPECT_EQ(GroupHas(group, kIccCaption, "情報が破損"), !sound) << name;
      if (sound) {
        EXPECT_TRUE(GroupHas(group, "プロファイルの説明", "表示")) << name;
      }
    }
  }
  EXPECT_GE(seen, 10);
}

// ---- coded colour facts ----

std::string Nclx(uint16_t primaries, uint16_t transfer, uint16_t matrix, bool full) {
  return "nclx" + BE16(primaries) + BE16(transfer) + BE16(matrix) +
         std::string(1, full ? '\x80' : '\0');
}

TEST(ColourBox, NclxSaysWhetherThePictureIsHdr) {
  struct Case {
    std::string payload;
    std::vector<Row> want;
  } cases[] = {
      {Nclx(12, 13, 6, true),
       {{1, "色情報", "nclx"},
        {1, "色の原色", "SMPTE EG 432-1 (Display P3) (12)"},
        {1, "伝達特性", "sRGB (IEC 61966-2-1) (13)"},
        {1, "行列係数", "BT.601 525 (SMPTE 170M) (6)"},
        {1, "フルレンジ", "はい"},
        {1, "HDR", "いいえ"}}},
      {Nclx(9, 16, 9, false),
       {{1, "色情報", "nclx"},
        {1, "色の原色", "BT.2020 (9)"},
        {1, "伝達特性", "PQ (SMPTE ST 2084) (16)"},
        {1, "行列係数", "BT.2020 (非定輝度) (9)"},
        {1, "フルレンジ", "いいえ"},
        {1, "HDR", "はい (PQ)"}}},
      {Nclx(9, 18, 9, false),
       {{1, "色情報", "nclx"},
        {1, "色の原色", "BT.2020 (9)"},
        {1, "伝達特性", "HLG (ARIB STD-B67) (18)"},
        {1, "行列係数", "BT.2020 (非定輝度) (9)"},
        {1, "フルレンジ", "いいえ"},
        {1, "HDR", "はい (HLG)"}}},
  };
  for (const auto& c : cases) {
    const auto rows = LoadBytes(HeifWithColour(c.payload), "a.heic").rows;
    auto at = std::find(rows.begin(), rows.end(), Row{1, "色情報", "nclx"});
    ASSERT_NE(at, rows.end());
    EXPECT_EQ(std::vector<Row>(at, at + 6), c.want);
  }
}

TEST(ColourBox, MovieTrackColourIsNamedForItsTrack) {
  const auto rows =
      LoadBytes(Mp4WithColour("nclc" + BE16(1) + BE16(1) + BE16(1)), "a.mp4").rows;
  EXPECT_NE(std::find(rows.begin(), rows.end(), Row{1, "トラック1 伝達特性", "BT.709 (1)"}), rows.end());
  EXPECT_NE(std::find(rows.begin(), rows.end(), Row{1, "トラック1 HDR", "いいえ"}), rows.end());
}

TEST(ColourBox, Jpeg2000EnumeratedSpace) {
  const auto rows = LoadBytes(Jp2WithColour(1, BE32(16)), "a.jp2").rows;
  EXPECT_NE(std::find(rows.begin(), rows.end(), Row{1, "色空間", "sRGB"}), rows.end());
  EXPECT_TRUE(IccGroup(rows).empty());
}

}  // namespace
}  // namespace kelvane
