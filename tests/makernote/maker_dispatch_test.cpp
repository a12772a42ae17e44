#include "engine/makernote/maker_dispatch.h"

#include <gtest/gtest.h>

#include "engine/reader/primitives.h"
#include "tests/fixtures/byte_builder.h"

namespace kelvane {
namespace {

using fixtures::BE32;
using fixtures::Bytes;
using fixtures::LE32;

TEST(MakerCodeFromMake, FirstMatchingTestWins) {
  struct Case {
    const char* make;
    int32_t before;
    int32_t want;
  } cases[] = {
      {"RICOH", 0, 4},
      {"CASIO COMPUTER CO.,LTD.", 0, 7},
      {"Canon", 0, 8},
      {"TOSHIBA", 0, 10},
      {"Eastman Kodak Company", 0, 11},
      {"CASIO Canon", 0, 7},   // CASIO is tested before Canon
      {"RICOH CASIO", 0, 4},
      {"canon", 0, 0},         // the tests are case-sensitive
      {"NIKON", 0, 0},         // other makes leave the code alone
      {"OLYMPUS OPTICAL", 13, 13},
  };
  for (const auto& c : cases) {
    int32_t code = c.before;
    MakerCodeFromMake(c.make, code);
    EXPECT_EQ(code, c.want) << c.make;
  }
}

TEST(MakerCodeFromModel, TestsRunInOrderAndLaterMatchesOverride) {
  struct Case {
    const char* model;
    int32_t before;
    int32_t want;
    const char* text;  // the locator's text slot afterwards
  } cases[] = {
      {"E990", 0, 6, ""},
      {"E5700", 0, 6, ""},
      {"NIKON D1X", 0, 6, ""},
      {"NIKON D70s", 0, 6, ""},
      {"Mod NIKON D1", 0, 6, ""},
      {"NIKON D100", 0, 27, ""},          // a Nikon prefix, then "NIKON D100"
      {"COOLPIX E990", 0, 0, ""},         // prefixes are tested at the start only
      {"E990 DiMAGE A", 0, 6, ""},        // a Nikon model skips the DiMAGE tests
      {"Dimage EX 1500", 0, 11, ""},
      {"DiMAGE X20", 0, 18, "DiMAGE X"},
      {"DiMAGE F100", 0, 18, "DiMAGE X"},
      {"DiMAGE A1", 0, 18, ""},
      {"DiMAGE 7Hi", 0, 18, ""},
      {"ALPHA-7 DIGITAL", 0, 18, ""},
      {"Dimage 2330 Zoom", 0, 18, ""},
      {"Canon EOS D60", 8, 8, ""},
      {"Canon EOS D30", 8, 8, ""},
      {"EOS D60", 8, 13, ""},             // "EOS D" without the "Canon EOS D60" prefix
      {"Kodak EOS DCS 3", 8, 13, ""},
      {"EOS D2000", 8, 13, ""},
      // Canon-made bodies named "EOS DIGITAL" keep Canon's code.
      {"Canon EOS DIGITAL REBEL", 8, 8, ""},
      {"Canon EOS DIGITAL REBEL XT", 8, 8, ""},
      {"KODAK DC4800 ZOOM", 11, 15, ""},
      {"FinePix DS-230HD", 0, 14, ""},
      {"PENTAX Optio 330", 0, 19, ""},
      {"PENTAX Optio 430", 0, 19, ""},
      {"SP-1500", 0, 16, ""},
      {"Caplio RR30", 4, 20, ""},
      {"RDC-7S", 4, 26, ""},
      {"RDC-i500", 4, 20, ""},
      {"PDR-3310", 0, 24, ""},
      {"PDR-3300", 0, 24, ""},
      {"PDRM81", 10, 29, ""},
      {"PDR-M25", 10, 30, ""},
      {"Some Camera", 8, 8, ""},          // no match keeps the code
  };
  for (const auto& c : cases) {
    int32_t code = c.before;
    TSubIFDResult r;
    MakerCodeFromModel(c.model, code, r);
    EXPECT_EQ(code, c.want) << c.model;
    EXPECT_EQ(r.MakerNoteText, c.text) << c.model;
  }
}

// The MakerNote entry's block lies at kOffset from a TIFF header at kBase.
constexpr uint32_t kBase = 12;
constexpr uint32_t kOffset = 100;

struct LocateCase {
  const char* what;
  int32_t before;
  std::string note;
  uint32_t count;  // 0: the note's length
  bool intel;
  int32_t code;
  uint32_t ifd;
  std::string value;
  std::string text;
};

void Check(const LocateCase& c) {
  std::string file = std::string(kBase + kOffset, 'x') + c.note + std::string(64, '\0');
  MemoryReader f(file);
  f.Seek(3);  // the walker does not position the file: the tests seek themselves
  int32_t code = c.before;
  TSubIFDResult r;
  uint32_t count = c.count ? c.count : static_cast<uint32_t>(c.note.size());
  std::string value = LocateMakerNote(f, c.intel, kBase, kOffset, count, code, r);
  EXPECT_EQ(code, c.code) << c.what;
  EXPECT_EQ(r.MakerNoteIFD, c.ifd) << c.what;
  EXPECT_EQ(value, c.value) << c.what;
  EXPECT_EQ(r.MakerNoteText, c.text) << c.what;
  // The block itself, for the note's reader to check its offsets against.
  EXPECT_EQ(r.MakerNoteOffset, kOffset) << c.what;
  EXPECT_EQ(r.MakerNoteSize, count) << c.what;
}

std::string Padded(std::string s) { return s + std::string(40 - s.size(), '\0'); }

TEST(LocateMakerNote, SignatureScan) {
  const std::string nikon_new = std::string("Nikon\0", 6) + Bytes({2, 0x10, 0, 0}) + "MM";
  const std::string nikon_d100 = std::string("Nikon\0", 6) + Bytes({2, 0, 0, 0}) + "II";
  const std::string nikon_old = std::string("Nikon\0", 6) + Bytes({1, 0, 0, 0});
  const LocateCase cases[] = {
      {"Nikon 0x1002", 0, Padded(nikon_new), 0, true, 27, 118, BlockText("Nikon D100", 40, 118), ""},
      {"Nikon 2", 0, Padded(nikon_d100), 0, true, 27, 118, BlockText("Nikon D100", 40, 118), ""},
      // The version word is read in Intel order whatever the file's order.
      {"Nikon 0x1002 in a Motorola file", 0, Padded(nikon_new), 0, false, 27, 118,
       BlockText("Nikon D100", 40, 118), ""},
      {"Nikon COOLPIX", 0, Padded(nikon_old), 0, true, 5, 108,
       BlockText("Nikon COOLPIX", 40, 108), ""},
      {"Olympus", 0, Padded("OLYMP\0\x01\0"), 0, true, 1, 108, BlockText("Olympus", 40, 112), ""},
      {"Agfa", 0, Padded("AGFA \0\x01\0"), 0, true, 1, 108, BlockText("AGFA", 40, 112), ""},
      // Newer Olympus and OM System notes name their own byte order.
      {"Olympus, own order", 0, Padded(std::string("OLYMPUS\0II\x03\0", 12)), 0, false, 36, 112,
       BlockText("OLYMPUS", 40, 112), "II"},
      {"Olympus, own order MM", 0, Padded(std::string("OLYMPUS\0MM\0\x03", 12)), 0, true, 36, 112,
       BlockText("OLYMPUS", 40, 112), "MM"},
      {"OM System", 0, Padded(std::string("OM SYSTEM\0\0\0II\x04\0", 16)), 0, true, 36, 116,
       BlockText("OM SYSTEM", 40, 116), "II"},
      {"Olympus, no order mark", 0, Padded(std::string("OLYMPUS\0XX\x03\0", 12)), 0, true, 1, 108,
       BlockText("Olympus", 40, 112), ""},
      {"OM System, no order mark", 0, Padded(std::string("OM SYSTEM\0\0\0", 12)), 0, true, 0, 108,
       BlockText("Unknown", 40, 112), ""},
      {"Epson", 0, Padded("EPSON"), 0, true, 2, 108, BlockText("EPSON", 40, 112), ""},
      {"Sanyo", 0, Padded("SANYO"), 0, true, 3, 108, BlockText("SANYO", 40, 112), ""},
      {"Sony", 0, Padded("SONY DSC "), 0, true, 17, 112, BlockText("SONY", 40, 112), ""},
      {"Fujifilm", 0, Padded("FUJIFILM" + LE32(12)), 0, false, 12, 112,
       BlockText("FUJIFILM", 40, 108), ""},
      {"Fujifilm offset 29", 0, Padded("FUJIFILM" + LE32(29)), 0, true, 12, 129,
       BlockText("FUJIFILM", 40, 108), ""},
      {"Fujifilm offset 30 is not trusted", 0, Padded("FUJIFILM" + LE32(30)), 0, true, 0, 108,
       BlockText("Unknown", 40, 112), ""},
      {"Fujifilm huge offset (unsigned)", 0, Padded("FUJIFILM" + LE32(0xFFFFFFF0)), 0, true, 0,
       108, BlockText("Unknown", 40, 112), ""},
      {"Kodak KDK", 0, Padded("KDK001"), 0, true, 13, 117, BlockText("KDK", 40, 117), ""},
      {"Kyocera", 0, Padded("KYOCERA"), 0, true, 24, 122, BlockText("KYOCERA", 40, 122), ""},
      {"Panasonic", 0, Padded("Panasonic"), 0, true, 25, 112, BlockText("Panasonic", 40, 112), ""},
      {"Leica", 0, Padded("LEICA"), 0, true, 25, 108, BlockText("LEICA", 40, 108), ""},
      {"Konica", 0, Padded("KONICA MINOLTA"), 0, true, 9, 122, BlockText("KONICA", 40, 122), ""},
      {"Sigma, Intel note", 0, Padded(std::string("SIGMA\0", 6) + BE32(256)), 0, false, 33, 110,
       BlockText("SIGMA", 40, 110), ""},
      {"Sigma, Motorola note", 0, Padded(std::string("SIGMA\0", 6) + BE32(1)), 0, true, 33, 110,
       BlockText("SIGMA", 40, 110), "MM"},
      {"Sigma, other order word", 0, Padded(std::string("SIGMA\0", 6) + BE32(7)), 0, true, 0, 108,
       BlockText("Unknown", 40, 112), ""},
      {"KDDI", 0, Padded("KDDI\0\0\0\0"), 0, true, 35, 108, BlockText("KDDI", 40, 108), ""},
      // Pentax's two forms: "AOC\0" (a byte order, or blanks for the file's)
      // and "PENTAX \0" (always its own byte order).
      {"Pentax AOC, Intel", 0, Padded(std::string("AOC\0II", 6)), 0, false, 70, 106,
       BlockText("PENTAX", 40, 106), "II"},
      {"Pentax AOC, Motorola", 0, Padded(std::string("AOC\0MM", 6)), 0, true, 70, 106,
       BlockText("PENTAX", 40, 106), "MM"},
      {"Pentax AOC, file's order", 0, Padded(std::string("AOC\0  ", 6)), 0, true, 70, 106,
       BlockText("PENTAX", 40, 106), ""},
      {"Pentax", 0, Padded(std::string("PENTAX \0MM", 10)), 0, true, 71, 110,
       BlockText("PENTAX", 40, 110), "MM"},
      {"Pentax without a byte order", 0, Padded(std::string("PENTAX \0XX", 10)), 0, true, 0, 108,
       BlockText("Unknown", 40, 112), ""},
      {"Pentax cut short", 0, std::string("PENTAX \0M", 9), 0, true, 0, 108,
       BlockText("Unknown", 9, 112), ""},
      {"unknown signature", 0, Padded("ABCDE"), 0, true, 0, 108, BlockText("Unknown", 40, 112), ""},
      {"too short for a signature", 0, "OLY", 0, true, 0, 108, BlockText("Unknown", 3, 112), ""},
      // A provisional code that is not 0 survives an unmatched scan.
      {"EOS D body, no signature", 13, Padded("ABCDE"), 0, true, 13, 108, "", ""},
  };
  for (const auto& c : cases) Check(c);
}

TEST(LocateMakerNote, ProvisionalCodes) {
  const std::string nikon_new = std::string("Nikon\0", 6) + Bytes({2, 0x10, 0, 0});
  const LocateCase cases[] = {
      {"Nikon plain IFD", 6, Padded("\x00\x05"), 0, true, 6, 100, BlockText("Nikon D1", 40, 100), ""},
      {"Nikon plain, embedded header", 6, Padded(nikon_new), 0, true, 27, 118,
       BlockText("Nikon D100", 40, 118), ""},
      {"Nikon D1, one-value entry (Motorola)", 6, BE32(0x200), 1, false, 6, 0x200,
       BlockText("Nikon D1", 1, 0x200), ""},
      {"Nikon D1, one-value entry (Intel)", 6, LE32(0x200), 1, true, 6, 0x200,
       BlockText("Nikon D1", 1, 0x200), ""},
      {"Casio QVC", 7, Padded("QVC\0\0\0"), 0, true, 31, 106, BlockText("CASIO2", 40, 106), ""},
      {"Casio first layout", 7, Padded("\x00\x10"), 0, true, 7, 100, BlockText("CASIO", 40, 100), ""},
      {"Canon", 8, Padded(""), 0, true, 8, 100, BlockText("Canon", 40, 100), ""},
      {"Konica", 9, Padded(""), 0, true, 9, 108, BlockText("KONICA", 40, 108), ""},
      {"Toshiba hex", 10, Bytes({1, 2, 0xAF}), 0, true, 10, 0, "TOSHIBA Format : 0102AF (3Byte)",
       "0102AF"},
      {"Kodak", 11, Padded(""), 0, true, 11, 100, BlockText("Kodak", 40, 100), ""},
      {"Fujifilm 230HD", 14, Padded("FUJIFILM"), 0, true, 14, 112,
       BlockText("FUJIFILM 230HD", 40, 112), ""},
      {"Fujifilm 230HD without signature", 14, Padded("XXXXX"), 0, true, 0, 0, "", ""},
      {"Kodak DC4800", 15, Padded("KDK INFODC4800"), 0, true, 15, 116,
       BlockText("KDK INFODC4800", 40, 116), ""},
      {"Kodak DC4800 without signature", 15, Padded("KDK INFO"), 0, true, 0, 0, "", ""},
      {"SP-1500", 16, "FDI1", 0, true, 16, 109, "FUJIFILM FDI Format : FDI1", "FDI1"},
      {"Minolta with a Fujifilm note", 18, Padded("FUJIFILM"), 0, true, 12, 112,
       BlockText("FUJIFILM", 40, 112), ""},
      {"Minolta", 18, Padded("MLY0"), 0, true, 18, 100, BlockText("Minolta", 40, 100), ""},
      {"Pentax with a Fujifilm note", 19, Padded("FUJIFILM"), 0, true, 12, 112,
       BlockText("FUJIFILM", 40, 112), ""},
      {"Pentax", 19, Padded("AOC"), 0, true, 19, 100, BlockText("PENTAX", 40, 100), ""},
      {"Ricoh Caplio", 20, Padded("Ricoh"), 0, true, 20, 108, BlockText("RIOCH Caplio", 40, 108), ""},
      {"Ricoh Caplio upper case", 20, Padded("RICOH"), 0, true, 20, 108,
       BlockText("RIOCH Caplio", 40, 108), ""},
      {"Ricoh Caplio without signature", 20, Padded("Rikoh"), 0, true, 0, 0, "", ""},
      {"Kyocera", 24, Padded(""), 0, true, 24, 122, BlockText("KYOCERA", 40, 122), ""},
      {"Ricoh RDC-7S", 26, Padded(""), 0, true, 26, 100, BlockText("RIOCH RDC", 40, 100), ""},
      {"Nikon D100", 27, Padded(""), 0, true, 27, 118, BlockText("Nikon D100", 40, 118), ""},
      {"Toshiba M81", 29, Padded("TOSHIBA"), 0, true, 29, 122, BlockText("TOSHIBA2", 40, 122), ""},
      {"Toshiba M81 without signature", 29, Padded("XOSHI"), 0, true, 0, 0, "", ""},
      {"Toshiba M25", 30, Padded("TOSHIBA"), 0, true, 29, 110, BlockText("TOSHIBA3", 40, 110), ""},
      {"Toshiba M25 without signature", 30, Padded("XOSHI"), 0, true, 0, 0, "", ""},
      {"Ricoh general", 4, std::string("AB\0C", 4), 0, true, 4, 0, "RIOCH Format : 4,100,ABC", "ABC"},
      // Ricoh-made Pentax bodies write Pentax notes under Ricoh's name.
      {"Ricoh make, Pentax note", 4, Padded(std::string("PENTAX \0II", 10)), 0, true, 71, 110,
       BlockText("PENTAX", 40, 110), "II"},
      {"Ricoh make, AOC note", 4, Padded(std::string("AOC\0MM", 6)), 0, true, 70, 106,
       BlockText("PENTAX", 40, 106), "MM"},
  };
  for (const auto& c : cases) Check(c);
}

TEST(LocateMakerNote, BlockPastTheEndOfTheFileThrows) {
  // The IFD walker guards the entry: the MakerNote value becomes empty.
  MemoryReader f(std::string(20, '\0'));
  int32_t code = 10;
  TSubIFDResult r;
  EXPECT_THROW(LocateMakerNote(f, true, 0, 10, 0xFFFFFFFF, code, r), ReadError);
}

}  // namespace
}  // namespace kelvane
