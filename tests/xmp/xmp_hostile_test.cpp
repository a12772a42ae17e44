// Hostile packets: each ends quickly with a damage row, keeps what it held
// before the damage and makes no allocation beyond the packet's measure.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "engine/xmp/extended_xmp.h"
#include "engine/xmp/xmp_packet.h"
#include "engine/xmp/xmp_rows.h"
#include "tests/support/allocation_tracker.h"
#include "tests/xmp/xmp_fixtures.h"

namespace kelvane::xmp {
namespace {

using testing::Described;
using testing::Packet;
using Clock = std::chrono::steady_clock;

std::string Repeat(std::string_view s, size_t n) {
  std::string out;
  out.reserve(s.size() * n);
  for (size_t i = 0; i < n; ++i) out += s;
  return out;
}

std::string BillionLaughs() {
  std::string dtd = "<!DOCTYPE x:xmpmeta [<!ENTITY a0 'ha'>";
  for (int i = 1; i < 10; ++i) {
    const std::string prev = "&a" + std::to_string(i - 1) + ";";
    dtd += "<!ENTITY a" + std::to_string(i) + " '" + Repeat(prev, 10) + "'>";
  }
  dtd += "]>";
  return dtd + "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF" + std::string(testing::kNamespaces) +
         "><rdf:Description xmp:Label='&a9;'/></rdf:RDF></x:xmpmeta>";
}

std::string MillionAttributes() {
  std::string attributes;
  attributes.reserve(16u << 20);
  for (int i = 0; i < 1000000; ++i) attributes += " crs:a" + std::to_string(i) + "='1'";
  return Described("", attributes);
}

std::string LongElementName() {
  const std::string name = "crs:" + std::string(1u << 20, 'n');
  return Described("<" + name + ">v</" + name + ">");
}

std::string DeepNesting() {
  return Described("<dc:subject>" + Repeat("<rdf:Bag><rdf:li>", 100000));
}

TEST(XmpHostile, PacketsEndWithADamageRowAndKeepWhatCameBefore) {
  const std::string rating = Described("", " xmp:Rating='3'");
  const std::string before = rating.substr(0, rating.find("</rdf:RDF>"));
  struct Case {
    const char* what;
    std::string packet;
    std::vector<std::string> kept;  // property rows before the damage row
  } cases[] = {
      {"a billion laughs", BillionLaughs(), {}},
      {"a DOCTYPE alone",
       "<!DOCTYPE x [<!ELEMENT x ANY>]>" + Described("", " xmp:Rating='3'"), {}},
      {"unclosed tags", before + "<rdf:Description><dc:title>abc", {"レーティング"}},
      {"cut inside a tag", rating.substr(0, rating.find("xmp:Rating='3'") + 12), {}},
      {"cut after a property", before, {"レーティング"}},
      {"invalid UTF-8", before + "<rdf:Description xmp:Label='\xC3\x28'/></rdf:RDF></x:xmpmeta>",
       {"レーティング"}},
      {"overlong UTF-8", before + "<rdf:Description xmp:Label='\xC0\xBC'/>", {"レーティング"}},
      {"an unpaired UTF-16 surrogate",
       std::string("\0<\0x\xD8\x00\0>", 8), {}},
      {"not XML at all", "GIF89a\x01\x02", {}},
      {"an empty packet", "", {}},
      {"an unbound prefix", Packet("<rdf:Description zz:a='1'/>"), {}},
      {"nesting without end", DeepNesting(), {}},
  };
  for (const Case& c : cases) {
    const auto rows = MakeXmpRows(c.packet, {}, false);
    std::vector<std::string> names;
    for (const XmpRow& r : rows) names.push_back(r.name);
    std::vector<std::string> want = c.kept;
    want.push_back("XMP");
    EXPECT_EQ(names, want) << c.what;
    ASSERT_FALSE(rows.empty()) << c.what;
    EXPECT_EQ(rows.back().value, "情報が破損") << c.what;
    EXPECT_EQ(rows.back().style, kStylePlain) << c.what;
  }
}

// Large hostile packets: bounded time, bounded rows, and no allocation
// beyond a few times the packet (expat's own memory is held to that
// measure by the reader; the rest is watched here).
TEST(XmpHostile, LargePacketsStayWithinTheirMeasure) {
  struct Case {
    const char* what;
    std::string packet;
    bool whole;
  } cases[] = {
      {"a million attributes", MillionAttributes(), false},
      {"a 1 MB element name", LongElementName(), true},
      {"a billion laughs", BillionLaughs(), false},
  };
  for (const Case& c : cases) {
    testing::ResetLargestAllocation();
    const auto start = Clock::now();
    XmpProperties p;
    const bool whole = p.Read(c.packet);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    EXPECT_EQ(whole, c.whole) << c.what;
    EXPECT_LE(p.List().size(), kMaxProperties) << c.what;
    EXPECT_LE(testing::LargestAllocation(), 4 * c.packet.size() + (1u << 20)) << c.what;
    EXPECT_LT(seconds, 60.0) << c.what;  // a sanitizer build is slower
  }
}

std::string Chunk(std::string_view guid, uint32_t full, uint32_t offset, std::string_view data) {
  auto be = [](uint32_t v) {
    return std::string{static_cast<char>(v >> 24), static_cast<char>(v >> 16),
                       static_cast<char>(v >> 8), static_cast<char>(v)};
  };
  return std::string(guid) + be(full) + be(offset) + std::string(data);
}

TEST(ExtendedXmp, ChunksJoinOnlyWhenTheyCoverTheWholeExactly) {
  const std::string g = "0123456789ABCDEF0123456789ABCDEF";
  const std::string other = "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF";
  struct Case {
    const char* what;
    std::vector<std::string> segments;
    JoinEnd end;
    std::string packet;
  } cases[] = {
      {"in order", {Chunk(g, 6, 0, "abc"), Chunk(g, 6, 3, "def")}, JoinEnd::kJoined, "abcdef"},
      {"out of order", {Chunk(g, 6, 3, "def"), Chunk(g, 6, 0, "abc")}, JoinEnd::kJoined, "abcdef"},
      {"another GUID left out",
       {Chunk(other, 2, 0, "zz"), Chunk(g, 3, 0, "abc")}, JoinEnd::kJoined, "abc"},
      {"no chunk of the GUID", {Chunk(other, 2, 0, "zz")}, JoinEnd::kMissing, ""},
      {"claims 4 GiB", {Chunk(g, 0xFFFFFFFF, 0, "abc")}, JoinEnd::kDamaged, ""},
      {"overlapping", {Chunk(g, 5, 0, "abc"), Chunk(g, 5, 2, "cde")}, JoinEnd::kDamaged, ""},
      {"the same chunk twice", {Chunk(g, 3, 0, "abc"), Chunk(g, 3, 0, "abc")}, JoinEnd::kDamaged,
       ""},
      {"a gap", {Chunk(g, 6, 0, "ab"), Chunk(g, 6, 3, "def")}, JoinEnd::kDamaged, ""},
      {"past the length", {Chunk(g, 2, 0, "abc")}, JoinEnd::kDamaged, ""},
      {"lengths that disagree", {Chunk(g, 6, 0, "abc"), Chunk(g, 7, 3, "def")}, JoinEnd::kDamaged,
       ""},
  };
  for (const Case& c : cases) {
    std::vector<ExtendedChunk> chunks;
    for (const std::string& s : c.segments)
      if (auto chunk = ParseExtendedChunk(s)) chunks.push_back(*chunk);
    testing::ResetLargestAllocation();
    const JoinedExtension joined = JoinExtendedXmp(chunks, g);
    EXPECT_EQ(joined.end, c.end) << c.what;
    EXPECT_EQ(joined.packet, c.packet) << c.what;
    EXPECT_LT(testing::LargestAllocation(), 4096u) << c.what;
  }
  EXPECT_FALSE(ParseExtendedChunk(g + "\0\0\0"));
}

TEST(ExtendedXmp, TheExtensionsPropertiesJoinTheMainPacketsAfterThem) {
  const std::string g = "0123456789ABCDEF0123456789ABCDEF";
  const std::string main = Described("", " xmpNote:HasExtendedXMP='" + g + "' xmp:Rating='2'");
  const std::string extension = Described("<crs:ToneCurve>0, 0</crs:ToneCurve>");
  const std::string half1 = extension.substr(0, 40), half2 = extension.substr(40);
  const auto size = static_cast<uint32_t>(extension.size());
  const std::string s1 = Chunk(g, size, 0, half1), s2 = Chunk(g, size, 40, half2);
  const std::string broken = Chunk(g, size + 1, 40, half2);
  auto names = [](const std::vector<XmpRow>& rows) {
    std::vector<std::string> out;
    for (const XmpRow& r : rows) out.push_back(r.name + "=" + r.value);
    return out;
  };
  std::vector<ExtendedChunk> whole = {*ParseExtendedChunk(s2), *ParseExtendedChunk(s1)};
  EXPECT_EQ(names(MakeXmpRows(main, whole, false)),
            (std::vector<std::string>{"拡張XMP=" + g, "レーティング=2", "crs:ToneCurve=0, 0"}));
  std::vector<ExtendedChunk> damaged = {*ParseExtendedChunk(s1), *ParseExtendedChunk(broken)};
  EXPECT_EQ(names(MakeXmpRows(main, damaged, false)),
            (std::vector<std::string>{"拡張XMP=" + g, "レーティング=2", "拡張XMP=情報が破損"}));
  EXPECT_EQ(names(MakeXmpRows(main, {}, true)),
            (std::vector<std::string>{"レーティング=2", "拡張XMP=情報が破損"}));
}

}  // namespace
}  // namespace kelvane::xmp
