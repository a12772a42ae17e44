// Canon's main directory: the serial number's text by the body's
// generation (the model ID 0x0010, wherever it stands in the directory).
#include <gtest/gtest.h>

#include <optional>

#include "engine/makernote/canon_serial.h"
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
