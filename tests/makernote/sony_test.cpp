// Sony notes: every form found, the main directory named, the enciphered
// 0x9050 block read by the body's layout, and the corpus's Sony samples.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/makernote/maker_dispatch.h"
#include "engine/makernote/maker_groups.h"
#include "engine/makernote/makernote.h"
#include "engine/makernote/sony_cipher.h"
#include "engine/reader/reader.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/makernote/maker_fixtures.h"

namespace kelvane {
namespace {

using fixtures::Bytes;
using fixtures::Ifd;
using fixtures::LE32;
using maker_test::Row;

std::string LE16Count(uint16_t n) { return fixtures::LE16(n); }

// The header-less form is recognised from Make "SONY" and a note that
// starts with a directory; the headed forms keep their reading.
TEST(SonyNotes, EveryFormIsFound) {
  struct Case {
    const char* what;
    std::string note;
    int32_t code;
    uint32_t ifd;  // inside the note
  } cases[] = {
      {"no header", LE16Count(3) + std::string(40, '\0'), 40, 0},
      {"SONY DSC", std::string("SONY DSC \0\0\0", 12) + LE16Count(1) + std::string(20, '\0'), 17,
       12},
      {"SONY CAM", std::string("SONY CAM \0\0\0", 12) + LE16Count(1) + std::string(20, '\0'), 17,
       12},
      {"SONY MOBILE", std::string("SONY MOBILE\0", 12) + LE16Count(1) + std::string(20, '\0'), 41,
       12},
  };
  for (const Case& c : cases) {
    const uint32_t offset = 100;
    MemoryReader f(std::string(offset, '\0') + c.note);
    int32_t code = 0;
    MakerCodeFromMake("SONY", code);
    TSubIFDResult r;
    LocateMakerNote(f, true, 0, offset, static_cast<uint32_t>(c.note.size()), code, r);
    EXPECT_EQ(code, c.code) << c.what;
    EXPECT_EQ(r.MakerNoteIFD, offset + c.ifd) << c.what;
  }
  // A count that the note cannot hold is no header-less note.
  MemoryReader f(std::string(100, '\0') + LE16Count(400) + std::string(20, '\0'));
  int32_t code = 40;
  TSubIFDResult r;
  LocateMakerNote(f, true, 0, 100, 22, code, r);
  EXPECT_NE(code, 40);
}

// A header-less note whose 0x9050 block (an ILCE-7M3's layout, model
// 363) is enciphered: the shutter count, serial and E-mount lens come out.
TEST(SonyNotes, EncipheredBlockByModel) {
  std::string block(300, '\0');
  block.replace(58, 4, LE32(5011));
  block.replace(136, 6, Bytes({0x6E, 0xFF, 0, 0, 0xAA, 0x09}));
  block[261] = 2;
  block[263] = static_cast<char>(32823 & 0xFF);  // Sony FE 85mm F1.4 GM's ID
  block[264] = static_cast<char>(32823 >> 8);
  std::vector<uint8_t> bytes(block.begin(), block.end());
  maker::SonyEncipher(bytes);
  Ifd ifd;
  ifd.Undefined(0x9050, std::string(bytes.begin(), bytes.end()))
      .Byte(0xB02A, Bytes({0, 0x00, 0x85, 0x00, 0x85, 0x14, 0x14, 0}))
      .Short(0xB001, {363})
      .Short(0x2009, {2});
  MemoryReader f(maker_test::NoteFile(ifd, true, 0, 16));
  TMakerResult r;
  MakerGroups groups;
  ReadMakerNote(f, true, 0, 16, 40, r, {}, &groups);
  EXPECT_EQ(Row(r, 0x11B02A)->Value, "85mm F1.4");
  EXPECT_EQ(Row(r, 0x11B02A)->Style, kStyleKey);
  EXPECT_EQ(Row(r, 0x112009)->Value, "標準");
  EXPECT_EQ(Row(r, 0x112009)->Style, kStyleDetail);
  ASSERT_EQ(groups.Groups().size(), 1u);
  const TMakerResult& g = groups.Groups()[0].rows;
  EXPECT_EQ(Row(g, 0x110000 + 58)->Value, "5011");
  EXPECT_EQ(Row(g, 0x110000 + 58)->Style, kStyleKey);
  EXPECT_EQ(Row(g, 0x110000 + 136)->Value, "6EFF0000AA09");
  EXPECT_EQ(Row(g, 0x110000 + 261)->Value, "Eマウント");
  EXPECT_NE(Row(g, 0x110000 + 263)->Value.find("85mm F1.4"), std::string::npos);

  // A body whose layout is not known gives no group; a block cut short
  // shows the fields it holds.
  ifd.Short(0xB001, {1});
  MemoryReader unknown(maker_test::NoteFile(ifd, true, 0, 16));
  ReadMakerNote(unknown, true, 0, 16, 40, r, {}, &groups);
  EXPECT_TRUE(groups.Groups().empty());
  ifd.Short(0xB001, {363}).Undefined(0x9050, std::string(bytes.begin(), bytes.begin() + 100));
  MemoryReader cut(maker_test::NoteFile(ifd, true, 0, 16));
  ReadMakerNote(cut, true, 0, 16, 40, r, {}, &groups);
  ASSERT_EQ(groups.Groups().size(), 1u);
  EXPECT_EQ(groups.Groups()[0].rows.Count, 1);
}

}  // namespace
}  // namespace kelvane
