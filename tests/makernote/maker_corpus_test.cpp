// Real maker notes from the corpus (KELVANE_CORPUS), found by a small IFD
// scan of this test's own and decoded as the loader would.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <vector>

#include "engine/makernote/maker_dispatch.h"
#include "engine/makernote/makernote.h"
#include "engine/reader/primitives.h"
#include "tests/support/corpus.h"

namespace kelvane {
namespace {

std::optional<std::string> CorpusFile(const std::string& name) {
  if (testing::CorpusFolder().empty()) return std::nullopt;
  std::ifstream in(testing::CorpusFile(name), std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

struct Tiff {
  uint32_t base = 0;
  bool intel = false;
};

// The TIFF header: the file's start, or the first Exif APP1 of a JPEG (in
// a RAF file, of the JPEG it embeds).
std::optional<Tiff> FindTiff(Reader& f) {
  uint64_t jpeg = 0;
  f.Seek(0);
  if (ReadRaw(f, 8) == "FUJIFILM") {
    f.Seek(84);
    jpeg = ReadBigEndian(f, 4);
  }
  f.Seek(jpeg);
  std::string start = ReadRaw(f, 2);
  if (start == "II" || start == "MM") return Tiff{0, start == "II"};
  if (start != "\xFF\xD8") return std::nullopt;
  while (f.Remaining() > 4) {
    uint16_t marker = ReadWord(f, false);
    uint16_t length = ReadWord(f, false);
    uint64_t next = f.Position() + length - 2;
    if (marker == 0xFFE1 && ReadRaw(f, 6) == std::string("Exif\0\0", 6)) {
      Tiff t{static_cast<uint32_t>(f.Position()), ReadRaw(f, 2) == "II"};
      return t;
    }
    if (marker == 0xFFDA) break;
    f.Seek(next);
  }
  return std::nullopt;
}

struct EntryRef {
  uint32_t offset = 0;  // value offset relative to the base
  uint32_t count = 0;
  bool found = false;
};

// One entry of an IFD, with its value's offset as the walker computes it.
EntryRef FindEntry(Reader& f, const Tiff& t, uint32_t ifd, uint16_t wanted) {
  f.Seek(uint64_t{t.base} + ifd);
  uint16_t n = ReadWord(f, t.intel);
  for (uint32_t i = 0; i < n; ++i) {
    const uint64_t at = uint64_t{t.base} + ifd + 2 + 12 * i;
    f.Seek(at);
    uint16_t tag = ReadWord(f, t.intel);
    uint16_t type = ReadWord(f, t.intel);
    uint32_t count = ReadLong(f, t.intel);
    uint32_t value = ReadLong(f, t.intel);
    if (tag != wanted) continue;
    if (uint64_t{count} * static_cast<uint64_t>(TypeSize(type)) <= 4) value = static_cast<uint32_t>(at + 8 - t.base);
    return {value, count, true};
  }
  return {};
}

std::string Text(Reader& f, const Tiff& t, const EntryRef& e) {
  if (!e.found) return {};
  f.Seek(uint64_t{t.base} + e.offset);
  std::string s = ReadTextSkipNul(f, e.count);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.pop_back();
  return s;
}

struct Decoded {
  int32_t code = 0;
  std::string makernote_value;
  TMakerResult rows;
};

// What the IFD walker's maker-code tests and the loader's maker-note step
// make of the file.
std::optional<Decoded> DecodeCorpusNote(const std::string& bytes) {
  MemoryReader f(bytes);
  auto tiff = FindTiff(f);
  if (!tiff) return std::nullopt;
  f.Seek(tiff->base + 4);
  const uint32_t ifd0 = ReadLong(f, tiff->intel);
  Decoded d;
  TSubIFDResult main, sub;
  MakerCodeFromMake(Text(f, *tiff, FindEntry(f, *tiff, ifd0, 0x10F)), d.code);
  MakerCodeFromModel(Text(f, *tiff, FindEntry(f, *tiff, ifd0, 0x110)), d.code, main);
  EntryRef exif = FindEntry(f, *tiff, ifd0, 0x8769);
  if (!exif.found) return std::nullopt;
  f.Seek(tiff->base + exif.offset);
  const uint32_t exif_ifd = ReadLong(f, tiff->intel);
  EntryRef note = FindEntry(f, *tiff, exif_ifd, 0x927C);
  if (!note.found) return std::nullopt;
  d.makernote_value =
      LocateMakerNote(f, tiff->intel, tiff->base, note.offset, note.count, d.code, sub);
  if (sub.MakerNoteIFD != 0 && IsMakerNoteDecodable(d.code)) {
    bool intel = tiff->intel;
    if (d.code == 12) intel = true;
    if (d.code == 33 && sub.MakerNoteText == "MM") intel = false;
    ReadMakerNote(f, intel, tiff->base, uint64_t{tiff->base} + sub.MakerNoteIFD, d.code, d.rows);
  }
  return d;
}

void Print(const std::string& name, const Decoded& d) {
  std::cout << "== " << name << " code " << d.code << " : " << d.makernote_value << "\n";
  for (int32_t i = 0; i < d.rows.Count; ++i) {
    const TIFDItem& item = d.rows.Items[static_cast<size_t>(i)];
    std::string value = item.Value.size() > 80 ? item.Value.substr(0, 80) + "..." : item.Value;
    std::cout << "  " << std::hex << item.Tag << std::dec << " " << item.Name << " = " << value
              << "\n";
  }
}

const TIFDItem* Row(const TMakerResult& r, int32_t key) {
  for (int32_t i = 0; i < r.Count; ++i)
    if (r.Items[static_cast<size_t>(i)].Tag == key) return &r.Items[static_cast<size_t>(i)];
  return nullptr;
}

struct CorpusCase {
  const char* file;
  int32_t code;
  std::vector<std::pair<int32_t, std::string>> values;  // row key, value
};

// Values checked against the entries' raw numbers in the files.
TEST(MakerNoteCorpus, RealNotesDecode) {
  if (testing::CorpusFolder().empty()) GTEST_SKIP() << testing::kNoCorpus;
  const bool print = std::getenv("KELVANE_PRINT_MAKERNOTES") != nullptr;
  const CorpusCase cases[] = {
      {"Canon.jpg", 8, {{0x800AE, "5200K"}, {0x800B4, "標準"}, {0x80009, "Phil Harvey"}}},
      // The 350D writes its serial number as ten decimal digits.
      {"CanonRaw.cr2", 8, {{0x8000C, "0123456789"}, {0x80007, "Firmware 1.0.2"},
                            {0x80006, "Canon EOS 350D DIGITAL"}}},
      {"Nikon.jpg", 6, {{0x60004, "FINE"}, {0x60001, "0.1.0.0"}}},
      {"NikonD70.jpg", 27, {{0x60001, "0210"}, {0x60002, "200"}, {0x60089, "連続撮影"},
                            {0x600A9, "カスタマイズ"}, {0x600AB, "オフ"}}},
      {"Nikon.nef", 27, {{0x60004, "RAW"}, {0x60089, "１コマ撮影"}}},
      {"Olympus.jpg", 1, {{0, "通常撮影"}, {0x10202, "オフ"}, {0x10207, "SR951"}}},
      {"OlympusE1.jpg", 1, {{0, "連写モード"}, {0x11029, "NORMAL"}}},
      {"FujiFilm.jpg", 12, {{0xC0000, "0130"}, {0xC1001, "NORMAL"}, {0xC1002, "オート"},
                            {0xC1010, "赤目軽減"}, {0xC1020, "オフ"}, {0xC1030, "オフ"}}},
      {"FujiFilm.raf", 12, {{0xC1010, "発光禁止"}, {0xC1031, "マニュアル"}}},
      {"FujiX100T.jpg", 12, {{0xC0010, "FFDT22794526     593332303134151113535030217060"},
                             {0xC1401, "F0/スタンダード (PROVIA)"}, {0xC1050, "メカニカル"},
                             {0xC1045, "オン"}, {0xC1436, "撮影した画像"}}},
      {"Sony.jpg", 17, {}},
      // A K10D's "AOC\0" note.
      {"Pentax.jpg", 70, {{0x460008, "ファイン"}, {0x460019, "オート"}, {0x460037, "sRGB"},
                          {0x46005D, "1648"}, {0x460006, "2008:03:02"}}},
      {"Casio.jpg", 7, {{0x70004, "発光禁止"}, {0x70005, "標準"}, {0x70006, "2500(mm)"},
                        {0x7000A, "x1.0"}, {0x70014, "標準"}}},
      {"Sanyo.jpg", 3, {{0x30202, "通常"}, {0x30225, "赤目軽減"}}},
      {"Ricoh.jpg", 20, {{0x140002, "Rev0104"}}},
      {"Panasonic.jpg", 25, {{0x190001, "ファイン"}, {0x19001F, "プログラムAE"}}},
      {"Sigma.jpg", 33, {{0x210003, "SINGLE"}, {0x21000A, "24 to 70"}, {0x210018, "SIGMA PhotoPro 2.0.0.1586"}}},
  };
  for (const auto& c : cases) {
    auto bytes = CorpusFile(c.file);
    if (!bytes) continue;
    SCOPED_TRACE(c.file);
    std::optional<Decoded> d;
    ASSERT_NO_THROW(d = DecodeCorpusNote(*bytes));
    ASSERT_TRUE(d);
    if (print) Print(c.file, *d);
    EXPECT_EQ(d->code, c.code);
    EXPECT_GT(d->rows.Count, 0);
    for (const auto& [key, value] : c.values) {
      const TIFDItem* row = Row(d->rows, key);
      ASSERT_TRUE(row) << std::hex << key;
      EXPECT_EQ(row->Value, value) << std::hex << key;
    }
  }
}

// Ricoh's note links its camera-info IFD, which the loader decodes as
// code 21 (all its tags unnamed).
TEST(MakerNoteCorpus, RicohCameraInfoLink) {
  auto bytes = CorpusFile("Ricoh.jpg");
  if (!bytes) GTEST_SKIP() << "no corpus, or no Ricoh.jpg in it";
  auto d = DecodeCorpusNote(*bytes);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->rows.LinkSize, 21u);
  ASSERT_NE(d->rows.LinkOffset, 0u);
  MemoryReader f(*bytes);
  auto tiff = FindTiff(f);
  ASSERT_TRUE(tiff);
  TMakerResult info;
  ReadMakerNote(f, tiff->intel, tiff->base, uint64_t{tiff->base} + d->rows.LinkOffset, 21, info);
  EXPECT_GT(info.Count, 0);
  for (int32_t i = 0; i < info.Count; ++i)
    EXPECT_EQ(info.Items[static_cast<size_t>(i)].Tag >> 16, 21);
}

}  // namespace
}  // namespace kelvane
