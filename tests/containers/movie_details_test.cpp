#include "engine/containers/movie_details.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/fixtures/byte_builder.h"
#include "tests/support/load_helpers.h"

namespace kelvane {
namespace {

using fixtures::Atom;
using fixtures::BE16;
using fixtures::BE32;
using fixtures::FullBox;

// A QuickTime user-data text: length, language code, text.
std::string UserText(const char* type, const std::string& text, uint16_t language = 0x55C4) {
  return Atom(type, BE16(static_cast<uint16_t>(text.size())) + BE16(language) + text);
}

// An ilst item holding a UTF-8 `data` box.
std::string Item(const std::string& type, const std::string& text) {
  return Atom(type, Atom("data", BE32(1) + BE32(0) + text));
}

std::string Key(const std::string& key) { return Atom("mdta", key); }

std::string VideoTrack() {
  std::string avc1 = std::string(6, '\0') + BE16(1) + std::string(16, '\0') + BE16(1920) +
                     BE16(1080) + std::string(50, '\0');
  std::string stbl = Atom("stbl", FullBox("stsd", 0, 0, BE32(1) + Atom("avc1", avc1)) +
                                      FullBox("stts", 0, 0, BE32(1) + BE32(300) + BE32(1001)));
  std::string mdia = Atom("mdia", FullBox("mdhd", 0, 0, BE32(0) + BE32(0) + BE32(30000) + BE32(300300) + BE32(0)) +
                                      FullBox("hdlr", 0, 0, BE32(0) + "vide" + std::string(13, '\0')) +
                                      Atom("minf", stbl));
  return Atom("trak", mdia);
}

// A phone movie: ftyp, the media first, then moov with a header, user data,
// a keyed meta list and one video track.
std::string PhoneMovie(const std::string& location) {
  const std::string mvhd = FullBox("mvhd", 0, 0, BE32(0) + BE32(0) + BE32(600) + BE32(6000) + std::string(80, '\0'));
  const std::string udta = Atom("udta", UserText("\xA9" "mak", "Kelvane") + UserText("\xA9" "mod", "Phone 1") +
                                            UserText("\xA9" "xyz", location) + Atom("\xA9" "zzz", "odd"));
  const std::string meta = Atom("meta", FullBox("hdlr", 0, 0, BE32(0) + "mdta" + std::string(12, '\0')) +
                                            FullBox("keys", 0, 0, BE32(3) + Key("com.apple.quicktime.software") +
                                                                      Key("com.apple.quicktime.creationdate") +
                                                                      Key("com.example.other")) +
                                            Atom("ilst", Item(BE32(1), "17.1") + Item(BE32(2), "2024-05-01T10:00:00+0900") +
                                                             Item(BE32(3), "else") + Item(BE32(9), "no key")));
  return Atom("ftyp", std::string("mp42") + BE32(0) + "isommp42") + Atom("mdat", std::string(64, 'x')) +
         Atom("moov", mvhd + udta + meta + VideoTrack());
}

bool HasRow(const testing::Loaded& l, const std::string& name, const std::string& value) {
  return std::any_of(l.rows.begin(), l.rows.end(), [&](const testing::Row& r) {
    return r.name == name && (value == "*" || r.value == value);
  });
}

TEST(MovieDetails, PhoneRowsTracksAndLocation) {
  const std::string bytes = PhoneMovie("+35.6581+139.7414+040.000/");
  for (const char* name : {"clip.mp4", "clip.MOV", "clip.3gp", "clip.jpg"}) {
    const testing::Loaded l = testing::LoadBytes(bytes, name);
    EXPECT_TRUE(HasRow(l, "メーカー名", "Kelvane")) << name;
    EXPECT_TRUE(HasRow(l, "機種名", "Phone 1")) << name;
    EXPECT_TRUE(HasRow(l, "ソフトウェア", "17.1")) << name;
    EXPECT_TRUE(HasRow(l, "作成日時", "2024-05-01T10:00:00+0900")) << name;
    EXPECT_TRUE(HasRow(l, "com.example.other", "else")) << name;
    EXPECT_TRUE(HasRow(l, "©zzz", "*")) << name;  // not "ｩzzz"
    EXPECT_TRUE(HasRow(l, "トラック1", "映像 (vide)")) << name;
    EXPECT_TRUE(HasRow(l, "トラック1 形式", "avc1")) << name;
    EXPECT_TRUE(HasRow(l, "トラック1 サイズ", "1920 x 1080")) << name;
    EXPECT_TRUE(HasRow(l, "トラック1 フレームレート", "29.97fps")) << name;
    EXPECT_TRUE(HasRow(l, "GPS情報", "")) << name;
    EXPECT_TRUE(HasRow(l, "緯度(N/S)", "N")) << name;
    EXPECT_TRUE(HasRow(l, "TOKYO測地系換算緯度", "*")) << name;
    EXPECT_NE(l.page.MapURL.find("nl=35/39/"), std::string::npos) << l.page.MapURL;
  }
}

TEST(MovieDetails, Iso6709Forms) {
  struct Case {
    const char* text;
    bool position;
    const char* latitude_ref;
    const char* longitude_ref;
  } cases[] = {
      {"+35.6581+139.7414+040.000/", true, "N", "E"},
      {"-33.8688+151.2093/", true, "S", "E"},
      {"+4043.4-07400.3/", true, "N", "W"},      // DDMM.M
      {"+404326-0740017+10.5/", true, "N", "W"},  // DDMMSS
      {"", false, "", ""},
      {"+91.0+000.0/", false, "", ""},
      {"+35.0/", false, "", ""},
      {"35.0+139.0/", false, "", ""},
      {"+3.5+139.0/", false, "", ""},  // one degree digit is no form
  };
  for (const Case& c : cases) {
    TMakerResult gps;
    ASSERT_EQ(ReadIso6709Gps(c.text, gps), c.position) << c.text;
    if (!c.position) continue;
    std::string lat_ref, lon_ref;
    for (int i = 0; i < gps.Count; ++i) {
      const TIFDItem& row = gps.Items[static_cast<size_t>(i)];
      if (row.Tag == 1) lat_ref = row.Value;
      if (row.Tag == 3) lon_ref = row.Value;
    }
    EXPECT_EQ(lat_ref, c.latitude_ref) << c.text;
    EXPECT_EQ(lon_ref, c.longitude_ref) << c.text;
  }
}

// 3GPP asset boxes: a full box, a packed language ("jpn" is 0x2A0E, "und"
// 0x55C4) and a NUL-terminated UTF-8 or UTF-16 text.
std::string AssetText(const char* type, const std::string& text, uint16_t language = 0x55C4) {
  return FullBox(type, 0, 0, BE16(language) + text + std::string(1, '\0'));
}

int32_t Fixed(double v) { return static_cast<int32_t>(v * 65536.0); }

TEST(MovieDetails, ThreeGppUserDataBoxes) {
  const std::string loci =
      FullBox("loci", 0, 0,
              BE16(0x2A0E) + "東京タワー" + std::string(1, '\0') + std::string(1, '\0') +
                  BE32(static_cast<uint32_t>(Fixed(139.7454))) + BE32(static_cast<uint32_t>(Fixed(35.6586))) +
                  BE32(static_cast<uint32_t>(Fixed(150.0))) + "earth" + std::string(1, '\0') + "展望台" +
                  std::string(1, '\0'));
  const std::string utf16 = std::string("\xFE\xFF\x30\xBF\x30\xA4\x30\xC8\x30\xEB", 10);
  const std::string kywd =
      FullBox("kywd", 0, 0, BE16(0x55C4) + std::string(1, '\x02') + std::string(1, '\x04') + "sky" +
                                std::string(1, '\0') + std::string(1, '\x05') + "tree" + std::string(1, '\0'));
  const std::string udta = Atom(
      "udta", AssetText("titl", utf16 + std::string(2, '\0')) + AssetText("dscp", "夜景", 0x2A0E) +
                  AssetText("perf", "Ann") + AssetText("gnre", "Travel") +
                  FullBox("albm", 0, 0, BE16(0x55C4) + "Trip" + std::string(1, '\0') + std::string(1, '\x03')) +
                  FullBox("yrrc", 0, 0, BE16(2024)) +
                  FullBox("clsf", 0, 0, "ABCD" + BE16(7) + BE16(0x55C4) + "Family" + std::string(1, '\0')) +
                  kywd + FullBox("rtng", 0, 0, "MPAA" + std::string("PG13") + BE16(0x55C4) + std::string(1, '\0')) +
                  loci + Atom("date", "2024-05-01T10:00:00+0900"));
  const std::string movie =
      Atom("ftyp", std::string("3gp4") + BE32(0) + "3gp4isom") +
      Atom("moov", FullBox("mvhd", 0, 0, BE32(0) + BE32(0) + BE32(600) + BE32(300) + std::string(80, '\0')) + udta);
  const testing::Loaded l = testing::LoadBytes(movie, "clip.3gp");
  const std::vector<testing::Row> want = {
      {1, "タイトル", "タイトル"},      {1, "説明", "夜景"},          {1, "説明の言語", "jpn"},
      {1, "出演者", "Ann"},             {1, "ジャンル", "Travel"},    {1, "アルバム", "Trip (トラック3)"},
      {1, "録画年", "2024"},            {1, "分類", "ABCD 7: Family"}, {1, "キーワード", "sky, tree"},
      {1, "レーティング", "MPAA PG13"}, {1, "撮影場所", "東京タワー"}, {1, "撮影場所の言語", "jpn"},
      {1, "撮影場所の種類", "撮影した場所"}, {1, "天体", "earth"},  {1, "撮影場所の注記", "展望台"},
      {1, "撮影日時", "2024-05-01T10:00:00+0900"},
  };
  for (const auto& row : want)
    EXPECT_NE(std::find(l.rows.begin(), l.rows.end(), row), l.rows.end()) << row;
  // The place's position: GPS rows and the map link, as a photo's.
  EXPECT_TRUE(HasRow(l, "緯度(N/S)", "N"));
  EXPECT_TRUE(HasRow(l, "経度(E/W)", "E"));
  EXPECT_NE(l.page.MapURL.find("nl=35/39/"), std::string::npos) << l.page.MapURL;
  // The boxes are read, not listed by their offsets.
  EXPECT_FALSE(HasRow(l, "loci", "*"));
}

TEST(MovieDetails, ThreeGppBoxesCutShortShowTheirFields) {
  const std::string loci = FullBox("loci", 0, 0, BE16(0x55C4) + "Park" + std::string(1, '\0') + std::string(1, '\0') + BE32(5));
  MemoryReader f(Atom("moov", Atom("udta", loci + FullBox("yrrc", 0, 0, "") + FullBox("titl", 0, 0, ""))));
  TMakerResult r;
  const MovieDetails details = ReadMovieDetails(f, r);
  EXPECT_TRUE(details.location.empty());
  ASSERT_GE(r.Count, 2);
  EXPECT_EQ(r.Items[0].Value, "Park");
  EXPECT_EQ(r.Items[1].Value, "撮影した場所");
}

TEST(MovieDetails, MacintoshTextsAreMacRoman) {
  // "çømménts" as a Mac OS Roman user-data text (language 0: English).
  const std::string udta = Atom("udta", UserText("\xA9" "cmt", "\x8D\xBFmm\x8Ents", 0));
  MemoryReader f(Atom("moov", udta));
  TMakerResult r;
  ReadMovieDetails(f, r);
  ASSERT_EQ(r.Count, 1);
  EXPECT_EQ(r.Items[0].Value, "çømménts");
}

TEST(MovieDetails, AJpegNamedLikeAMovieIsReadAsAJpeg) {
  const std::string tiff =
      fixtures::TiffHeader(false) + fixtures::Ifd().Ascii(0x10F, "Kelvane").Build(false, 8);
  const std::string jpeg = fixtures::Jpeg().Exif(tiff).Build();
  for (const char* name : {"a.mp4", "a.heic", "a.cr3", "a.3gp"}) {
    const testing::Loaded l = testing::LoadBytes(jpeg, name);
    EXPECT_TRUE(HasRow(l, "JFIF_APP1", "Exif")) << name;
    EXPECT_TRUE(HasRow(l, "メーカー名", "Kelvane")) << name;
  }
}

}  // namespace
}  // namespace kelvane
