// Canon's main directory: the serial number's text by the body's
// generation (the model ID 0x0010, wherever it stands in the directory).
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "engine/makernote/canon_serial.h"
#include "engine/makernote/canon_settings.h"
#include "engine/makernote/makernote.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/makernote/maker_fixtures.h"

namespace kelvane {
namespace {

using fixtures::Ifd;
using maker_test::Decode;
using maker_test::Row;

constexpr int32_t kCanon = 8;
constexpr int32_t kSerialKey = (kCanon << 16) + 0x000C;

struct SerialCase {
  const char* body;
  std::optional<uint32_t> model_id;  // nullopt: the note holds none
  uint32_t serial;
  const char* text;
};

TEST(CanonSerialNumber, TextByGeneration) {
  const SerialCase cases[] = {
      {"no model ID", std::nullopt, 0x216132E6, "2161-13030"},
      {"EOS D30", 0x01140000, 0x00A13039, "00A1-12345"},
      {"PowerShot G2", 0x01100000, 0x0001002A, "0001-00042"},
      {"EOS 300D", 0x80000170, 0x216132E6, "2161-13030"},
      {"EOS 10D", 0x80000168, 0x216132E6, "2161-13030"},
      {"EOS 5D Mark IV", 0x80000349, 0x0C85F00B, "0210104331"},
      {"EOS 20D", 0x80000175, 0x0000002A, "0000000042"},
      {"EOS R5", 0x80000421, 0xFFFFFFFF, "4294967295"},
      {"PowerShot of 2004 and later", 0x02090000, 123456, "0000123456"},
  };
  for (const SerialCase& c : cases) {
    for (bool model_first : {true, false}) {
      Ifd ifd;
      if (c.model_id && model_first) ifd.Long(0x0010, {*c.model_id});
      ifd.Long(0x000C, {c.serial});
      if (c.model_id && !model_first) ifd.Long(0x0010, {*c.model_id});
      for (bool intel : {true, false}) {
        const TMakerResult r = Decode(ifd, kCanon, intel);
        const TIFDItem* row = Row(r, kSerialKey);
        ASSERT_NE(row, nullptr) << c.body;
        EXPECT_EQ(row->Name, "シリアル番号") << c.body;
        EXPECT_EQ(row->Value, c.text) << c.body << (intel ? " (Intel)" : " (Motorola)");
      }
    }
  }
}

TEST(CanonSerialNumber, ModelIdOfAnotherShapeIsNoModelId) {
  // A model ID that is not one LONG is not read as the body's.
  const Ifd ifd = Ifd().Short(0x0010, {0x0349}).Long(0x000C, {0x0C85F00B});
  const TMakerResult r = Decode(ifd, kCanon);
  ASSERT_NE(Row(r, kSerialKey), nullptr);
  EXPECT_EQ(Row(r, kSerialKey)->Value, "0C85-61451");
}

TEST(CanonSerialNumber, DirectoryOutsideTheFileHasNoModelId) {
  MemoryReader f(std::string(4, '\0'));
  EXPECT_EQ(canon::FindModelId(f, true, 2), std::nullopt);
  EXPECT_EQ(canon::FindModelId(f, true, 100), std::nullopt);
  // An entry count whose table the file does not hold.
  MemoryReader g(fixtures::LE16(3) + std::string(20, '\0'));
  EXPECT_EQ(canon::FindModelId(g, true, 0), std::nullopt);
}

}  // namespace
}  // namespace kelvane

namespace kelvane {
namespace {

// The camera settings array with the lens words: LensType (22), the long
// and short focal lengths (23, 24) in units of word 25, the largest
// aperture (26, Canon's 1/32 EV steps).
TMakerResult CameraSettings(uint16_t lens, uint16_t long_focal, uint16_t short_focal,
                            uint16_t aperture) {
  std::vector<uint16_t> words(30, 0);
  words[22] = lens;
  words[23] = long_focal;
  words[24] = short_focal;
  words[25] = 1;
  words[26] = aperture;
  MemoryReader f(fixtures::U16s(words, true));
  TMakerResult r;
  ReadCanonSettings(f, true, 0, 0x80001, static_cast<uint32_t>(words.size()), r);
  return r;
}

struct LensCase {
  const char* what;
  uint16_t lens, long_focal, short_focal, aperture;
  const char* name;
};

TEST(CanonLensType, ThroughTheLensList) {
  const LensCase cases[] = {
      {"unique", 1, 50, 50, 0x36, "Canon EF 50mm f/1.8"},
      {"shared, the range picks the Sigma", 2, 24, 24, 0x60, "Sigma 24mm f/2.8 Super Wide II"},
      {"shared, the range picks the Canon", 2, 28, 28, 0x60, "Canon EF 28mm f/2.8 or Sigma Lens"},
      {"shared, range and aperture pick one of six", 6, 50, 18, 0x74, "Sigma 18-50mm f/3.5-5.6 DC"},
      {"shared, nothing recorded: every candidate", 9, 0, 0, 0,
       "Canon EF 70-210mm f/4 / Sigma 55-200mm f/4-5.6 DC"},
  };
  for (const LensCase& c : cases) {
    const TMakerResult r = CameraSettings(c.lens, c.long_focal, c.short_focal, c.aperture);
    const TIFDItem* row = Row(r, 0x910000 + 22);
    ASSERT_NE(row, nullptr) << c.what;
    EXPECT_EQ(row->Name, "レンズ") << c.what;
    EXPECT_EQ(row->Value, c.name) << c.what;
  }
}

}  // namespace
}  // namespace kelvane
