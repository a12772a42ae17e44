#include <gtest/gtest.h>

#include "engine/makernote/maker_subdecoders.h"
#include "engine/makernote/makernote.h"
#include "engine/reader/primitives.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/makernote/maker_fixtures.h"

namespace kelvane {
namespace {

using fixtures::BE16;
using fixtures::Bytes;
using fixtures::Ifd;
using fixtures::LE16;
using maker_test::Decode;
using maker_test::Row;

constexpr const char* kNoRow = nullptr;

struct ValueCase {
  const char* what;
  int32_t code;
  Ifd ifd;             // one entry
  const char* name;    // expected caption
  const char* value;   // expected value; kNoRow: the entry gives no row
};

void CheckValues(const ValueCase* cases, size_t n) {
  for (size_t i = 0; i < n; ++i) {
    const ValueCase& c = cases[i];
    for (bool intel : {true, false}) {
      TMakerResult r = Decode(c.ifd, c.code, intel);
      if (!c.value) {
        EXPECT_EQ(r.Count, 0) << c.what;
        continue;
      }
      ASSERT_EQ(r.Count, 1) << c.what;
      EXPECT_EQ(r.Items[0].Name, c.name) << c.what;
      EXPECT_EQ(r.Items[0].Value, c.value) << c.what << (intel ? " (Intel)" : " (Motorola)");
    }
  }
}

TEST(MakerVocabulary, Enumerations) {
  const ValueCase cases[] = {
      {"Fujifilm white balance", 12, Ifd().Short(0x1002, {768}), "ホワイトバランス", "昼光色蛍光灯"},
      {"Fujifilm white balance", 12, Ifd().Short(0x1002, {3841}), "ホワイトバランス", "マニュアル・補正"},
      {"Fujifilm white balance, later bodies", 12, Ifd().Short(0x1002, {1}), "ホワイトバランス",
       "オート(ホワイト優先)"},
      {"Fujifilm white balance miss", 12, Ifd().Short(0x1002, {7}), "ホワイトバランス", "Unknown (7)"},
      {"Fujifilm sharpness", 12, Ifd().Short(0x1001, {5}), "シャープネス", "+"},
      {"Fujifilm slow sync", 12, Ifd().Short(0x1030, {1}), "スローシンクロ", "オン"},
      {"Fujifilm FinePix color", 12, Ifd().Short(0x1210, {48}), "FinePixカラー", "F-B&W"},
      {"Casio flash intensity 12: no row", 7, Ifd().Short(0x0005, {12}), "", kNoRow},
      {"Casio flash intensity (0x19) 12: no row", 7, Ifd().Short(0x0019, {12}), "", kNoRow},
      {"Casio flash intensity", 7, Ifd().Short(0x0019, {15}), "フラッシュ強度", "強"},
      {"Casio sub mode 1: empty value", 31, Ifd().Short(0x3001, {1}), "サブ撮影モード", ""},
      {"Casio 2 image size", 31, Ifd().Short(0x0009, {36}), "画像サイズ", "3040x2024"},
      {"Casio 2 exposure mode (BYTE)", 31, Ifd().Byte(0x0033, Bytes({8})), "撮影モード", "マニュアル"},
      {"Olympus macro", 1, Ifd().Short(0x0202, {2}), "マクロモード", "スーパーマクロモード"},
      {"Epson quality", 2, Ifd().Short(0x0201, {34}), "画質モード", "ハイパー"},
      {"Sanyo flash", 3, Ifd().Short(0x0225, {1}), "フラッシュモード", "強制発行"},
      {"COOLPIX quality keeps its blank", 5, Ifd().Short(0x0003, {20}), "撮影モード", "HI(UNCOMPRESS) "},
      {"Nikon drive mode (BYTE)", 6, Ifd().Byte(0x0089, Bytes({1})), "動作モード", "連続撮影"},
      {"Nikon drive mode (SHORT)", 6, Ifd().Short(0x0089, {2}), "動作モード", "セルフタイマー"},
      {"Minolta color mode (LONG)", 18, Ifd().Long(0x0101, {4}), "カラーモード", "カラー(AdobeRGB)"},
      {"Minolta color mode as SHORT: no enumeration", 18, Ifd().Short(0x0101, {4}), "カラーモード", "4"},
      {"Minolta quality (SHORT)", 18, Ifd().Short(0x0201, {4}), "画質モード", "TIFF"},
      {"Pentax digital zoom (LONG)", 19, Ifd().Long(0x000A, {8}), "デジタルズーム", "2.00x"},
      {"Kodak effect type", 22, Ifd().Short(0x0002, {7}), "エフェクトの種類", "TEXTURIZED/CANVAS"},
      {"Kodak border ID (LONG)", 23, Ifd().Long(0x0002, {1}), "Border ID", "なし"},
      {"Kodak watermark", 23, Ifd().Short(0x0008, {2}), "Watermark Type", "日付/時刻"},
      {"Panasonic macro", 25, Ifd().Short(0x001C, {2}), "マクロモード", "オフ"},
      {"Canon processing", 8, Ifd().Short(0x00B4, {2}), "現像パラメーター", "AdobeRGB"},
      {"enumeration of the first of several values", 12, Ifd().Short(0x1003, {256, 9}), "カラー", "HIGH"},
  };
  CheckValues(cases, std::size(cases));
}

TEST(MakerVocabulary, FormatRules) {
  const ValueCase cases[] = {
      {"Canon serial number", 8, Ifd().Long(0x000C, {0x00A13039}), "シリアル番号", "00A1-12345"},
      {"Canon serial number, small", 8, Ifd().Long(0x000C, {0x0001002A}), "シリアル番号", "0001-00042"},
      {"Canon colour temperature", 8, Ifd().Short(0x00AE, {5200}), "色温度", "5200K"},
      {"Casio subject distance", 7, Ifd().Long(0x0006, {1500}), "被写体までの距離", "1500(mm)"},
      {"Casio digital zoom off", 7, Ifd().Long(0x000A, {0x10000}), "デジタルズーム", "x1.0"},
      {"Casio digital zoom 1.6", 7, Ifd().Long(0x000A, {0x19999}), "デジタルズーム", "x1.60"},
      {"Casio digital zoom 2", 7, Ifd().Long(0x000A, {0x20000}), "デジタルズーム", "x2.0"},
      {"Casio digital zoom 1.05", 7, Ifd().Long(0x000A, {0x10CCC}), "デジタルズーム", "x1.05"},
      {"Casio digital zoom, full fraction", 7, Ifd().Long(0x000A, {0x1FFFF}), "デジタルズーム", "x2.0"},
      {"Olympus 0x0F00 in hex", 1, Ifd().Long(0x0F00, {0xBEEF}), "Unknown (0F00)4,1", "BEEF"},
      {"Nikon ISO pair", 6, Ifd().Short(0x0002, {0, 200}), "ISO設定", "200"},
      {"Nikon ISO single", 6, Ifd().Short(0x0002, {400}), "ISO設定", "400"},
      {"Nikon focus area", 6, Ifd().Undefined(0x0088, Bytes({0, 1, 0, 0})), "フォーカスエリア", "0,1,0,0"},
      {"Casio 2 focal length: the number", 31, Ifd().Long(0x001D, {72}), "レンズの焦点距離", "72"},
      {"Casio 2 CCD sensitivity: the number", 31, Ifd().Short(0x3014, {0}), "CCD感度", "0"},
      {"Sanyo quality: the numbers", 3, Ifd().Short(0x0201, {2, 1}), "画質モード", "2,1"},
      {"Kodak borders version: dotted hex", 23, Ifd().Byte(0x0000, Bytes({1, 0x0B})), "Borders Version", "1.B"},
      {"Casio 2 lens info: dotted hex", 31, Ifd().Byte(0x003F, Bytes({0x10, 2, 3})), "レンズ情報", "10.2.3"},
  };
  CheckValues(cases, std::size(cases));
}

TEST(MakerVocabulary, Texts) {
  const ValueCase cases[] = {
      {"Nikon finish", 6, Ifd().Ascii(0x00A9, "VIVID "), "仕上がり設定", "鮮やかに"},
      {"Nikon finish", 6, Ifd().Ascii(0x00A9, "DIRECTPRINT"), "仕上がり設定", "ダイレクトプリント"},
      {"Nikon finish all blanks", 6, Ifd().Ascii(0x00A9, "      "), "仕上がり設定", "-"},
      {"Nikon finish not in the list", 6, Ifd().Ascii(0x00A9, "B & W"), "仕上がり設定", "B&W"},
      {"Nikon program empty", 6, Ifd().Ascii(0x00AB, "    "), "デジタルイメージプログラム", "オフ"},
      {"Nikon program", 6, Ifd().Ascii(0x00AB, "PORTRAIT"), "デジタルイメージプログラム", "PORTRAIT"},
      {"Canon owner up to the NUL", 8, Ifd().Ascii(0x0009, std::string("Kim Lee\0junk", 12)),
       "所有者名", "Kim Lee"},
      {"Olympus hardware type: its terminator goes", 1, Ifd().Ascii(0x0207, "SX552"), "ハードウェアタイプ", "SX552"},
      {"Olympus hardware type: parts joined", 1, Ifd().Ascii(0x0207, std::string("SX552\0V1", 8)),
       "ハードウェアタイプ", "SX552 V1"},
      {"Olympus serial keeps its spaces", 1, Ifd().Ascii(0x101A, "12 34"), "シリアル番号", "12 34"},
      {"Casio 2 time zone: padding goes", 31, Ifd().Ascii(0x3006, std::string("Tokyo\0\0\0", 8)),
       "タイムゾーン", "Tokyo"},
      // ASCII values keep their spaces and end at their terminating NUL.
      {"Canon lens", 8, Ifd().Ascii(0x0095, "EF-S18-55mm f/3.5-5.6 IS"), "レンズ名",
       "EF-S18-55mm f/3.5-5.6 IS"},
      {"Canon firmware", 8, Ifd().Ascii(0x0007, std::string("Firmware Version 1.0.2\0\0\0", 25)),
       "ファームウェア", "Firmware Version 1.0.2"},
      {"Canon image type", 8, Ifd().Ascii(0x0006, std::string("Canon EOS 350D DIGITAL\0X", 24)),
       "イメージの種類 ", "Canon EOS 350D DIGITAL"},
      {"Nikon blank padding", 6, Ifd().Ascii(0x0004, "FINE   "), "画質モード", "FINE"},
      {"Nikon finish, left-overs after the NUL", 6, Ifd().Ascii(0x00A9, std::string("VIVID\0SOFT", 10)),
       "仕上がり設定", "鮮やかに"},
      {"Sigma software", 33, Ifd().Ascii(0x0018, "SIGMA Photo Pro 2.0"), "ソフトウェア",
       "SIGMA Photo Pro 2.0"},
      {"Olympus model, left-overs after the NUL", 1, Ifd().Ascii(0x0201, std::string("K100\0X", 6)),
       "画質モード", "K100"},
      {"Olympus camera ID block: no NULs", 1, Ifd().Undefined(0x0209, std::string("OLY\0CAM\0", 8)),
       "CameraID", "OLYCAM"},
      {"Fujifilm version block", 12, Ifd().Undefined(0x0000, "0130"), "バージョン", "0130"},
      {"Pentax time zone block", 19, Ifd().Undefined(0x1000, std::string("JST\0\0\0", 6)),
       "タイムゾーン", "JST"},
      {"Nikon data version", 6, Ifd().Undefined(0x0001, "0210"), "データバージョン", "0210"},
      {"Nikon binary data version", 6, Ifd().Undefined(0x0001, Bytes({0, 1, 0, 0})),
       "データバージョン", "0.1.0.0"},
  };
  CheckValues(cases, std::size(cases));
}

TEST(MakerVocabulary, RawBlocksKeepTheirNulsAsciiValuesDoNot) {
  TMakerResult r = Decode(Ifd().Undefined(0x0001, std::string("Sepia\0", 6)), 22);
  EXPECT_EQ(r.Items[0].Value, std::string("Sepia\0", 6));
  r = Decode(Ifd().Ascii(0x0201, "SQ"), 1);
  EXPECT_EQ(r.Items[0].Value, "SQ");
}

TEST(MakerVocabulary, HexDumps) {
  const ValueCase cases[] = {
      {"Sony", 17, Ifd().Undefined(0x9001, Bytes({0x01, 0xAB, 0, 0xFF, 0x10})), "Unknown (9001)7,5",
       "01AB00FF10"},
      {"Panasonic version", 25, Ifd().Undefined(0x0002, "0100"), "バージョン", "30313030"},
      {"Casio", 7, Ifd().Undefined(0x001A, Bytes({0xC0, 0xDE})), "Unknown (001A)7,2", "C0DE"},
      {"Casio 2", 31, Ifd().Undefined(0x3011, Bytes({1, 2, 3, 4, 5})), "Unknown (3011)7,5", "0102030405"},
      {"Nikon", 6, Ifd().Undefined(0x0098, Bytes({0x30, 0x31, 0x30, 0x30, 9})), "レンズデータ",
       "3031303009"},
      {"Ricoh", 20, Ifd().Undefined(0x1001, Bytes({0xEE})), "Unknown (1001)7,1", "EE"},
      {"too long", 17, Ifd().Undefined(0x2000, std::string(1001, 'a')), "Unknown (2000)7,1001", "1001Bytes"},
  };
  CheckValues(cases, std::size(cases));
}

TEST(MakerVocabulary, MinoltaSettingsBlockIsDumpedThenDecoded) {
  // The settings decoder's rows come first; the entry's own row, which
  // shows the words, is appended after them.
  Ifd ifd;
  ifd.Undefined(0x0001, Bytes({0, 0, 0, 1, 0, 0, 0, 0xA0, 0xFF}));
  for (bool intel : {true, false}) {
    TMakerResult r = Decode(ifd, 18, intel);
    ASSERT_GE(r.Count, 2);
    const TIFDItem& entry = r.Items[static_cast<size_t>(r.Count - 1)];
    EXPECT_EQ(entry.Tag, 0x120001);
    EXPECT_EQ(entry.Name, "Unknown (0001)7,9");
    EXPECT_EQ(entry.Value, "00000001,000000A0");
  }
}

TEST(SpecialMode, OlympusRows) {
  struct Case {
    std::vector<uint32_t> values;
    std::vector<std::pair<int32_t, std::string>> rows;  // tag, "name=value"
  } cases[] = {
      {{0, 0, 0}, {{0, "撮影モード=通常撮影"}}},
      {{2, 1, 1}, {{0, "撮影モード=連写モード"}}},
      {{9, 0, 0}, {{0, "撮影モード=Unknown (9)"}}},
      {{3, 5, 2}, {{0, "撮影モード=パノラマモード"}, {1, "パノラマ番号=5"}, {2, "パノラマ方向=右から左"}}},
      {{3, 1, 7}, {{0, "撮影モード=パノラマモード"}, {1, "パノラマ番号=1"}, {2, "パノラマ方向=Unknown (7)"}}},
      {{3, 4, 4, 9}, {{0, "撮影モード=パノラマモード"}, {1, "パノラマ番号=4"}, {2, "パノラマ方向=上から下"}}},
      {{3}, {{0, "撮影モード=パノラマモード"}}},
  };
  for (const auto& c : cases) {
    for (bool intel : {true, false}) {
      TMakerResult r = Decode(Ifd().Long(0x0200, c.values), 1, intel);
      ASSERT_EQ(r.Count, static_cast<int32_t>(c.rows.size())) << c.values[0];
      for (size_t i = 0; i < c.rows.size(); ++i) {
        EXPECT_EQ(r.Items[i].Tag, c.rows[i].first);
        EXPECT_EQ(r.Items[i].Name + "=" + r.Items[i].Value, c.rows[i].second);
      }
    }
  }
  // Epson's special mode adds nothing, and the entry has no row of its own.
  EXPECT_EQ(Decode(Ifd().Long(0x0200, {3, 5, 2}), 2).Count, 0);
}

// A custom-function array as 16-bit words in the given order.
std::string Words(const std::vector<uint16_t>& words, bool intel) {
  std::string out;
  for (uint16_t w : words) out += intel ? LE16(w) : BE16(w);
  return out;
}

TEST(CanonCustomFunctions, Rows) {
  struct Case {
    const char* what;
    const char* camera_type;
    std::vector<uint16_t> words;  // number in the high byte, setting in the low
    std::vector<std::string> rows;  // "key:name=value" after the caption
  } cases[] = {
      {"D60", "CanonEOSD60", {8, 0x0101, 0x0200, 0x0301},
       {"90F002:Fn1.ノイズリダクション=オン", "90F003:Fn2.シャッター/AEロックボタン=AF/AE ロック",
        "90F004:Fn3.ミラーアップ撮影 =可能"}},
      {"D30, setting outside its list", "CanonEOSD30", {4, 0x0F07},
       {"90F010:Fn15.CFカード未装着時のレリーズ=Unknown (7)"}},
      {"D30, function above 15", "CanonEOSD30", {4, 0x1001}, {"90F011:Unknown (16)=Unknown (1)"}},
      {"stops at a smaller number", "CanonEOSD60", {8, 0x0301, 0x0401, 0x0201, 0x0501},
       {"90F004:Fn3.ミラーアップ撮影 =可能", "90F005:Fn4.シャッター・絞り露出設定ステップ=1/3EV"}},
      {"other bodies", "CanonEOS10D", {6, 0x0102, 0x0203}, {"90F002:Fn.1=2", "90F003:Fn.2=3"}},
      {"only the length word", "CanonEOSD60", {2}, {}},
  };
  for (const auto& c : cases) {
    for (bool intel : {true, false}) {
      MemoryReader f(std::string(5, 'x') + Words(c.words, intel));
      TMakerResult r;
      ReadCanonCustomFunctions(f, intel, 5, static_cast<uint32_t>(c.words.size()), c.camera_type, r);
      ASSERT_EQ(r.Count, static_cast<int32_t>(c.rows.size() + 1)) << c.what;
      EXPECT_EQ(r.Items[0].Tag, 0x90F000);
      EXPECT_EQ(r.Items[0].Name, "▽カスタムファンクション");
      const bool d30 = std::string(c.camera_type).find("EOSD") != std::string::npos;
      EXPECT_EQ(r.Items[0].Value, d30 ? "EOS D30/60 Format" : "") << c.what;
      for (size_t i = 0; i < c.rows.size(); ++i) {
        char key[16];
        std::snprintf(key, sizeof key, "%X:", static_cast<unsigned>(r.Items[i + 1].Tag));
        EXPECT_EQ(key + r.Items[i + 1].Name + "=" + r.Items[i + 1].Value, c.rows[i]) << c.what;
      }
    }
  }
}

TEST(CanonCustomFunctions, ThroughTheMakerNote) {
  // The entry itself shows its words in hex; its caption row comes from the
  // decoder, keyed for the loader to show last.
  Ifd ifd;
  ifd.Ascii(0x0006, "Canon EOS D30").Short(0x000F, {6, 0x0101, 0x0D00});
  TMakerResult r = Decode(ifd, 8, false);
  const TIFDItem* own = Row(r, 0x8000F);
  ASSERT_TRUE(own);
  EXPECT_EQ(own->Name, "Unknown (000F)3,3");
  EXPECT_EQ(own->Value, "0006 0101 0D00");
  ASSERT_TRUE(Row(r, 0x90F00E));
  EXPECT_EQ(Row(r, 0x90F00E)->Name, "Fn13.センサークリーニング");
  EXPECT_EQ(Row(r, 0x90F00E)->Value, "オフ");
  // The image type keeps its spaces; the body is still recognised.
  EXPECT_EQ(Row(r, 0x80006)->Value, "Canon EOS D30");
}

TEST(CanonCustomFunctions, CountPastTheFileThrowsWithoutAllocating) {
  MemoryReader f(std::string(16, '\1'));
  TMakerResult r;
  EXPECT_THROW(ReadCanonCustomFunctions(f, true, 0, 0xFFFFFFFF, "", r), ReadError);
  EXPECT_EQ(r.Count, 1);  // the caption row only
}

// A picture-information block of `size` bytes with the given bytes set.
std::string PictBlock(size_t size, std::vector<std::pair<size_t, int>> bytes) {
  std::string block(size, '\0');
  for (auto [at, v] : bytes) block[at] = static_cast<char>(v);
  return block;
}

TEST(PictInfo, SX552) {
  struct Case {
    int contrast, sharpness, balance;
    std::vector<std::string> values;
  } cases[] = {
      {78, 13, 18, {"+2 (78)", "±0 (13)", "±0 (18)"}},
      {50, 3, 10, {"-5 (50)", "-5 (3)", "青色+7 (10)"}},
      {90, 15, 33, {"+5 (90)", "+5 (15)", "赤色+7 (33)"}},
      {1, 9, 19, {"(1)", "Unknown (9)", "Unknown (19)"}},
  };
  for (const auto& c : cases) {
    MemoryReader f("ab" + PictBlock(175, {{161, c.contrast}, {157, c.sharpness}, {174, c.balance}}));
    TMakerResult r;
    ReadPictInfoSX552(f, 2, 175, r);
    ASSERT_EQ(r.Count, 3);
    const char* names[] = {"コントラスト", "シャープネス", "ホワイトバランス補正"};
    for (size_t i = 0; i < 3; ++i) {
      EXPECT_EQ(r.Items[i].Tag, -1);
      EXPECT_EQ(r.Items[i].Name, names[i]);
      EXPECT_EQ(r.Items[i].Value, c.values[i]);
    }
  }
}

TEST(PictInfo, SX553AndShortBlocks) {
  MemoryReader f(PictBlock(175, {{161, 78}, {157, 13}, {174, 18}, {170, 4}}));
  TMakerResult r;
  ReadPictInfoSX553(f, 0, 175, r);
  ASSERT_EQ(r.Count, 4);
  EXPECT_EQ(r.Items[0].Name + "=" + r.Items[0].Value, "コントラスト=78");
  EXPECT_EQ(r.Items[1].Name + "=" + r.Items[1].Value, "シャープネス=13");
  EXPECT_EQ(r.Items[2].Name + "=" + r.Items[2].Value, "ホワイトバランス補正=18");
  EXPECT_EQ(r.Items[3].Name + "=" + r.Items[3].Value, "彩度=4");

  // A block that does not reach byte 174 gives no rows (and reads nothing
  // past it, even when the file goes on).
  MemoryReader g(PictBlock(400, {}));
  TMakerResult none;
  ReadPictInfoSX552(g, 0, 174, none);
  ReadPictInfoSX553(g, 0, 174, none);
  EXPECT_EQ(none.Count, 0);
}

TEST(PictInfo, HandedOverAfterAHexDumpOfThatCameraType) {
  // The camera-type text read earlier in the same note decides.
  Ifd ifd;
  ifd.Undefined(0x0001, "SX552").Undefined(0x000D, PictBlock(175, {{161, 70}, {157, 13}, {174, 18}}));
  TMakerResult r = Decode(ifd, 6);
  ASSERT_EQ(r.Count, 5);
  EXPECT_EQ(r.Items[1].Value, "±0 (70)");
  EXPECT_EQ(r.Items[4].Name, "プログラムシフト");
}

}  // namespace
}  // namespace kelvane
