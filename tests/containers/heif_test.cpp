#include "engine/containers/heif.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/fixtures/byte_builder.h"
#include "tests/support/load_helpers.h"
#include "tests/support/result_rows.h"

namespace kelvane {
namespace {

using fixtures::Atom;
using fixtures::BE16;
using fixtures::BE32;
using fixtures::FullBox;

// The Exif item's bytes: the offset to the TIFF header, "Exif\0\0" and a
// TIFF block whose IFD0 names the camera.
std::string ExifItem(uint32_t to_header = 6) {
  const std::string tiff =
      fixtures::TiffHeader(false) + fixtures::Ifd().Ascii(0x10F, "Kelvane").Build(false, 8);
  return BE32(to_header) + std::string("Exif\0\0", 6) + tiff;
}

struct Extent {
  uint32_t offset;  // into the mdat payload (method 0) or idat (method 1)
  uint32_t length;
};

// A HEIC: ftyp, meta (hdlr, pitm, iinf, iloc, idat, iprp) and an mdat
// holding `mdat`. Item 1 is the primary image (hvc1, 640 x 480, turned a
// quarter), item 2 the Exif item at `extents`, item 3 an XMP packet.
struct HeifFile {
  uint16_t method = 0;
  std::vector<Extent> extents = {};
  std::string mdat = {};
  std::string idat = {};
  bool absolute = false;  // extent offsets are file positions as given

  std::string Build() const {
    const std::string ftyp = Atom("ftyp", std::string("heic") + BE32(0) + "mif1heic");
    auto meta_with = [&](uint32_t mdat_payload) {
      std::string infe = FullBox("infe", 2, 0, BE16(1) + BE16(0) + "hvc1" + std::string(1, '\0')) +
                         FullBox("infe", 2, 0, BE16(2) + BE16(0) + "Exif" + std::string(1, '\0')) +
                         FullBox("infe", 2, 0, BE16(3) + BE16(0) + "mime" + std::string(1, '\0') +
                                                   std::string("application/rdf+xml\0", 20));
      std::string items = BE16(2) + BE16(2) + BE16(method) + BE16(0) +
                          BE16(static_cast<uint16_t>(extents.size()));
      for (const Extent& e : extents)
        items += BE32(absolute || method == 1 ? e.offset : mdat_payload + e.offset) + BE32(e.length);
      items += BE16(3) + BE16(0) + BE16(0) + BE16(1) + BE32(mdat_payload) + BE32(4);
      const std::string iloc = FullBox("iloc", 1, 0, std::string("\x44\x00", 2) + items);
      const std::string ipco = Atom("ipco", FullBox("ispe", 0, 0, BE32(640) + BE32(480)) +
                                                Atom("irot", std::string(1, '\x01')));
      const std::string ipma =
          FullBox("ipma", 0, 0, BE32(1) + BE16(1) + std::string("\x02\x81\x02", 3));
      return FullBox("meta", 0, 0,
                     FullBox("hdlr", 0, 0, BE32(0) + "pict" + std::string(13, '\0')) +
                         FullBox("pitm", 0, 0, BE16(1)) +
                         FullBox("iinf", 0, 0, BE16(3) + infe) + iloc +
                         (idat.empty() ? std::string() : Atom("idat", idat)) +
                         Atom("iprp", ipco + ipma));
    };
    const auto payload = static_cast<uint32_t>(ftyp.size() + meta_with(0).size() + 8);
    return ftyp + meta_with(payload) + Atom("mdat", "<xmp>" + mdat);
  }
};

TEST(HeifHeader, RowsOfThePrimaryImage) {
  HeifFile file{.extents = {{5, static_cast<uint32_t>(ExifItem().size())}}, .mdat = ExifItem()};
  MemoryReader f(file.Build());
  TMakerResult r;
  ReadHeif(f, r);
  const testing::Rows rows = testing::RowsOf(r);
  const testing::Rows want = {{"メジャーブランド", "heic"}, {"互換ブランド", "mif1, heic"},
                              {"画像サイズ", "640 x 480"},   {"圧縮形式", "HEVC (hvc1)"},
                              {"回転", "反時計回りに90°"},    {"項目数", "3"}};
  ASSERT_GE(rows.size(), want.size());
  EXPECT_EQ(testing::Rows(rows.begin(), rows.begin() + static_cast<long>(want.size())), want);
}

TEST(HeifExif, ItemFoundThroughItsLocation) {
  const std::string item = ExifItem();
  const auto n = static_cast<uint32_t>(item.size());
  // The item's first 10 bytes, 10 others, then the rest; and its last 10
  // bytes, 10 others, then the rest.
  const std::string scattered = item.substr(0, 10) + std::string(10, 'x') + item.substr(10);
  const std::string reversed = item.substr(n - 10) + std::string(10, 'x') + item.substr(0, n - 10);
  struct Case {
    const char* what;
    HeifFile file;
    bool found;
  } cases[] = {
      {"one extent in the file", {.extents = {{5, n}}, .mdat = item}, true},
      {"two extents that follow each other", {.extents = {{5, 10}, {15, n - 10}}, .mdat = item}, true},
      {"length 0 runs to the end of the file", {.extents = {{5, 0}}, .mdat = item}, true},
      {"in idat (construction method 1)", {.method = 1, .extents = {{0, n}}, .idat = item}, true},
      {"several extents in idat", {.method = 1, .extents = {{0, 8}, {8, n - 8}}, .idat = item}, true},
      // A scattered item is gathered in its extents' order, whatever that is.
      {"extents scattered", {.extents = {{5, 10}, {25, n - 10}}, .mdat = scattered}, true},
      {"extents scattered, in reverse", {.extents = {{25, n - 10}, {5, 10}}, .mdat = reversed}, true},
      {"scattered in idat", {.method = 1, .extents = {{0, 10}, {20, n - 10}}, .idat = scattered}, true},
      {"scattered, one extent past the end", {.extents = {{5, 10}, {25, n}}, .mdat = scattered}, false},
      {"extent past the end of the file", {.extents = {{5, n + 1}}, .mdat = item}, false},
      {"extent starting past the end", {.extents = {{0xFFFFFF00u, n}}, .mdat = item, .absolute = true}, false},
      {"idat extent past the idat box", {.method = 1, .extents = {{4, n}}, .idat = item}, false},
      {"method 1 without an idat box", {.method = 1, .extents = {{0, n}}, .mdat = item}, false},
      {"item references (method 2)", {.method = 2, .extents = {{5, n}}, .mdat = item}, false},
      {"TIFF offset past the item", {.extents = {{5, n}}, .mdat = ExifItem(0xFFFFFFF0u)}, false},
      {"no extent", {.extents = {}, .mdat = item}, false},
  };
  for (const Case& c : cases) {
    const std::string bytes = c.file.Build();
    MemoryReader f(bytes);
    TMakerResult r;
    const HeifItems items = ReadHeif(f, r);
    EXPECT_EQ(items.exif_tiff != 0 || !items.exif_block.empty(), c.found) << c.what;
    if (items.exif_tiff != 0) {
      EXPECT_EQ(bytes.substr(items.exif_tiff, 4), std::string("MM\0*", 4)) << c.what;
    }
    if (!items.exif_block.empty()) {
      EXPECT_EQ(items.exif_tiff, 0u) << c.what;
      EXPECT_EQ(items.exif_block, item.substr(10)) << c.what;
    }
    // The XMP item is located, Exif or not.
    EXPECT_EQ(items.xmp.length, 4u) << c.what;
    if (items.xmp.length) {
      EXPECT_EQ(bytes.substr(items.xmp.offset, 4), "<xmp") << c.what;
    }
  }
}

bool HasRow(const std::vector<testing::Row>& rows, const std::string& name, const std::string& value) {
  return std::any_of(rows.begin(), rows.end(),
                     [&](const testing::Row& r) { return r.name == name && r.value == value; });
}

TEST(HeifLoad, ExifGoesTheTiffPathWhateverTheName) {
  const std::string item = ExifItem();
  const std::string bytes =
      HeifFile{.extents = {{5, static_cast<uint32_t>(item.size())}}, .mdat = item}.Build();
  for (const char* name : {"a.heic", "a.HIF", "a.jpg", "a.dat"}) {
    const auto loaded = testing::LoadBytes(bytes, name);
    EXPECT_TRUE(HasRow(loaded.rows, "HEIF 情報", "")) << name;
    EXPECT_TRUE(HasRow(loaded.rows, "メイン情報", "")) << name;
    EXPECT_TRUE(HasRow(loaded.rows, "メーカー名", "Kelvane")) << name;
    EXPECT_FALSE(HasRow(loaded.rows, "JFIF_APP1", "Exif")) << name;
  }
}

TEST(HeifLoad, ScatteredExifItemGoesTheTiffPath) {
  const std::string item = ExifItem();
  const auto n = static_cast<uint32_t>(item.size());
  const std::string bytes =
      HeifFile{.extents = {{5, 10}, {25, n - 10}},
               .mdat = item.substr(0, 10) + std::string(10, 'x') + item.substr(10)}
          .Build();
  const auto loaded = testing::LoadBytes(bytes, "a.heic");
  EXPECT_TRUE(HasRow(loaded.rows, "メイン情報", ""));
  EXPECT_TRUE(HasRow(loaded.rows, "メーカー名", "Kelvane"));
}

TEST(HeifLoad, ItemPointingAtTheBoxesEndsQuietly) {
  // The Exif extent lies over the meta box itself: what is read there is no
  // TIFF header, and the run says so.
  const std::string bytes = HeifFile{.extents = {{28, 64}}, .mdat = "", .absolute = true}.Build();
  const auto loaded = testing::LoadBytes(bytes, "a.heic");
  EXPECT_TRUE(HasRow(loaded.rows, "HEIF 情報", ""));
  EXPECT_FALSE(HasRow(loaded.rows, "メイン情報", ""));
}

}  // namespace
}  // namespace kelvane
