#include "engine/containers/iptc.h"

#include <gtest/gtest.h>

#include "tests/fixtures/byte_builder.h"

namespace kelvane {
namespace {

using fixtures::BE16;
using fixtures::Bytes;

std::string Dataset(int record, int dataset, const std::string& data, int marker = 0x1C) {
  return Bytes({marker, record, dataset}) + BE16(static_cast<uint16_t>(data.size())) + data;
}

TMakerResult Iptc(const std::string& block, uint32_t length, size_t lead = 3) {
  MemoryReader f(std::string(lead, 'x') + block);
  TMakerResult r;
  ReadIPTC(f, false, lead, length, r);
  return r;
}

TEST(ReadIPTC, DatasetsOfBothRecords) {
  std::string block = Dataset(2, 120, "Hello") + Dataset(2, 0, Bytes({0, 2})) +
                      Dataset(1, 90, Bytes({0x1B, 0x25, 0x47})) + Dataset(1, 5, std::string("a\0b", 3)) +
                      Dataset(2, 25, Bytes({0x0E, 0x30, 0x21, 0x0F, 0x41})) +
                      Dataset(3, 10, "skip") + Dataset(1, 99, "x") + Dataset(2, 200, "odd") +
                      Dataset(1, 50, "P");
  auto r = Iptc(block, static_cast<uint32_t>(block.size()));
  struct Want {
    int32_t tag;
    std::string name;
    std::string value;
  } want[] = {
      {632, "キャプション", "Hello"},
      {512, "レコードバージョン", "0002"},
      {346, "文字コード定義", "1B2547"},
      {261, "送信先", "ab"},
      {537, "キーワード", Bytes({0x88, 0x9F, 0x41})},
      {778, "Unknown (10)", ""},
      {355, "Unknown (99)", ""},
      {712, "Unknown (200)", "odd"},
      {306, "プロダクトID ", "P"},
  };
  ASSERT_EQ(r.Count, static_cast<int32_t>(std::size(want)));
  for (size_t i = 0; i < std::size(want); ++i) {
    EXPECT_EQ(r.Items[i].Tag, want[i].tag) << i;
    EXPECT_EQ(r.Items[i].Name, want[i].name) << i;
    EXPECT_EQ(r.Items[i].Value, want[i].value) << i;
  }
}

TEST(ReadIPTC, OtherMarkersAreSkippedWithTheirLength) {
  std::string block = Dataset(2, 5, "junk", 0x00) + Dataset(2, 5, "Title");
  auto r = Iptc(block, static_cast<uint32_t>(block.size()));
  ASSERT_EQ(r.Count, 1);
  EXPECT_EQ(r.Items[0].Value, "Title");
}

TEST(ReadIPTC, StopsAtTheBlockLengthAndAtTheEndOfTheFile) {
  std::string block = Dataset(2, 5, "One") + Dataset(2, 5, "Two");
  EXPECT_EQ(Iptc(block, 8).Count, 1);
  // The second dataset claims more bytes than the file holds.
  std::string cut = Dataset(2, 5, "One") + Bytes({0x1C, 2, 5}) + BE16(500) + "short";
  auto r = Iptc(cut, 10000);
  ASSERT_EQ(r.Count, 1);
  EXPECT_EQ(r.Items[0].Value, "One");
}

TEST(ReadIPTC, KeepsAtMostTheRecordsCapacity) {
  std::string block;
  for (int i = 0; i < 150; ++i) block += Dataset(2, 25, "k");
  EXPECT_EQ(Iptc(block, static_cast<uint32_t>(block.size())).Count, kRowCapacity);
}

TEST(ReadIPTC, KeepsTheOtherFieldsOfTheRecord) {
  MemoryReader f(Dataset(2, 5, "T"));
  TMakerResult r;
  r.LinkOffset = 44;
  r.Count = 9;
  ReadIPTC(f, false, 0, 8, r);
  EXPECT_EQ(r.Count, 1);
  EXPECT_EQ(r.LinkOffset, 44u);
}

}  // namespace
}  // namespace kelvane
