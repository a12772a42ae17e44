// RDF read into flat properties: the forms writers use for simple values,
// arrays, language alternatives and structures.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/text/encoding.h"
#include "engine/xmp/xmp_captions.h"
#include "engine/xmp/xmp_packet.h"
#include "tests/xmp/xmp_fixtures.h"

namespace kelvane::xmp {
namespace {

using testing::Described;
using testing::Packet;
using Shown = std::vector<std::pair<std::string, std::string>>;

Shown Read(const std::string& packet, bool* whole = nullptr) {
  XmpProperties p;
  const bool ok = p.Read(packet);
  if (whole) *whole = ok;
  Shown out;
  for (const XmpProperty& prop : p.List()) out.emplace_back(prop.shown, prop.value);
  return out;
}

TEST(XmpPacket, PropertyForms) {
  struct Case {
    const char* what;
    std::string packet;
    Shown want;
  } cases[] = {
      {"attribute", Described("", " xmp:Rating='5' xmp:Label='Red'"),
       {{"レーティング", "5"}, {"ラベル", "Red"}}},
      {"element", Described("<xmp:CreatorTool>Darktable 4.2</xmp:CreatorTool>"),
       {{"作成ソフトウェア", "Darktable 4.2"}}},
      {"language alternatives",
       Described("<dc:title><rdf:Alt><rdf:li xml:lang='x-default'>夕焼け</rdf:li>"
                 "<rdf:li xml:lang='en'>Sunset</rdf:li></rdf:Alt></dc:title>"),
       {{"タイトル", "[x-default] 夕焼け, [en] Sunset"}}},
      {"bag and sequence",
       Described("<dc:subject><rdf:Bag><rdf:li>sea</rdf:li><rdf:li>sky</rdf:li></rdf:Bag>"
                 "</dc:subject><dc:creator><rdf:Seq><rdf:li>Ann</rdf:li></rdf:Seq></dc:creator>"),
       {{"キーワード", "sea, sky"}, {"作成者", "Ann"}}},
      {"resource", Described("<xmpMM:DerivedFrom rdf:resource='uuid:1234'/>"),
       {{"xmpMM:DerivedFrom", "uuid:1234"}}},
      {"parseType Resource",
       Described("<Iptc4xmpCore:CreatorContactInfo rdf:parseType='Resource'>"
                 "<Iptc4xmpCore:CiAdrCity>Kyoto</Iptc4xmpCore:CiAdrCity>"
                 "<Iptc4xmpCore:CiEmailWork>a@b.jp</Iptc4xmpCore:CiEmailWork>"
                 "</Iptc4xmpCore:CreatorContactInfo>"),
       {{"作成者の連絡先/市区町村", "Kyoto"}, {"作成者の連絡先/メールアドレス", "a@b.jp"}}},
      {"nested description and short form",
       Described("<Iptc4xmpCore:CreatorContactInfo><rdf:Description "
                 "Iptc4xmpCore:CiAdrCtry='Japan'><Iptc4xmpCore:CiUrlWork>https://x.jp"
                 "</Iptc4xmpCore:CiUrlWork></rdf:Description></Iptc4xmpCore:CreatorContactInfo>"
                 "<xmpMM:DerivedFrom xmpMM:DocumentID='d1'/>"),
       {{"作成者の連絡先/国", "Japan"},
        {"作成者の連絡先/URL", "https://x.jp"},
        {"xmpMM:DerivedFrom/文書ID", "d1"}}},
      {"array of structures, one value per field",
       Described("<xmpMM:History><rdf:Seq>"
                 "<rdf:li stEvt:action='created' stEvt:when='2024-01-01'/>"
                 "<rdf:li rdf:parseType='Resource'><stEvt:action>saved</stEvt:action></rdf:li>"
                 "</rdf:Seq></xmpMM:History>"),
       {{"xmpMM:History/stEvt:action", "created, saved"},
        {"xmpMM:History/stEvt:when", "2024-01-01"}}},
      {"a qualified value",
       Described("<dc:creator><rdf:Seq><rdf:li rdf:parseType='Resource'><rdf:value>Ann"
                 "</rdf:value><crs:role>photographer</crs:role></rdf:li></rdf:Seq></dc:creator>"),
       {{"作成者", "Ann"}, {"作成者/crs:role", "photographer"}}},
      {"captions follow the URI, not the prefix",
       Packet("<rdf:Description xmlns:d='http://purl.org/dc/elements/1.1/' "
              "xmlns:a='http://ns.adobe.com/xap/1.0/' a:Rating='2'><d:rights>"
              "<rdf:Alt><rdf:li xml:lang='x-default'>CC0</rdf:li></rdf:Alt></d:rights>"
              "</rdf:Description>"),
       {{"レーティング", "2"}, {"著作権", "[x-default] CC0"}}},
      {"unknown schema: the prefixed name",
       Described("<crs:Exposure2012>+0.35</crs:Exposure2012>", " crs:Version='15.0'"),
       {{"crs:Version", "15.0"}, {"crs:Exposure2012", "+0.35"}}},
      {"values as the packet has them",
       Described("<dc:description><rdf:Alt><rdf:li xml:lang='x-default'>  a &amp; b\n"
                 "</rdf:li></rdf:Alt></dc:description>"),
       {{"説明", "[x-default]   a & b\n"}}},
      {"two descriptions, the wrapper's toolkit",
       "<x:xmpmeta xmlns:x='adobe:ns:meta/' x:xmptk='XMP Core 6.0'><rdf:RDF" +
           std::string(testing::kNamespaces) +
           "><rdf:Description xmp:Rating='1'/><rdf:Description><dc:format>image/jpeg"
           "</dc:format></rdf:Description></rdf:RDF></x:xmpmeta>",
       {{"XMPツールキット", "XMP Core 6.0"}, {"レーティング", "1"}, {"ファイル形式", "image/jpeg"}}},
      {"the older wrapper, and what the packet is about",
       "<x:xapmeta xmlns:x='adobe:ns:meta/' x:xaptk='XMP toolkit 2.8'><rdf:RDF" +
           std::string(testing::kNamespaces) +
           "><rdf:Description about='uuid:1' xmp:Rating='1'/><rdf:Description "
           "rdf:about='uuid:1'/></rdf:RDF></x:xapmeta>",
       {{"XMPツールキット", "XMP toolkit 2.8"}, {"対象リソース", "uuid:1"}, {"レーティング", "1"}}},
      {"the same name in two schemas stays two properties",
       Described("<dc:source>film</dc:source>", " xmlns:ps='http://ns.adobe.com/photoshop/1.0/'"
                                                " ps:Source='scan'"),
       {{"ソース", "scan"}, {"出典", "film"}}},
  };
  for (const Case& c : cases) {
    bool whole = false;
    EXPECT_EQ(Read(c.packet, &whole), c.want) << c.what;
    EXPECT_TRUE(whole) << c.what;
  }
}

// Packets in UTF-16 and UTF-32 (either order, with or without a byte order
// mark) read as their UTF-8 form; NUL padding behind a packet is no damage.
TEST(XmpPacket, EncodingsAndPadding) {
  const std::string utf8 = Described("<dc:title><rdf:Alt><rdf:li xml:lang='x-default'>"
                                     "夕焼け 🌅</rdf:li></rdf:Alt></dc:title>");
  std::u32string wide;
  for (size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    const size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    char32_t v = n == 1 ? c : n == 2 ? c & 0x1F : n == 3 ? c & 0x0F : c & 0x07;
    for (size_t k = 1; k < n; ++k) v = (v << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    wide.push_back(v);
    i += n;
  }
  auto encode = [&](int width, bool little, bool bom) {
    std::string out;
    auto put = [&](uint32_t unit) {
      for (int k = 0; k < width; ++k) {
        const int shift = 8 * (little ? k : width - 1 - k);
        out.push_back(static_cast<char>((unit >> shift) & 0xFF));
      }
    };
    if (bom) put(0xFEFF);
    for (char32_t c : wide) {
      if (width == 2 && c > 0xFFFF) {
        put(0xD800 + ((c - 0x10000) >> 10));
        put(0xDC00 + ((c - 0x10000) & 0x3FF));
      } else {
        put(c);
      }
    }
    return out;
  };
  const Shown want = {{"タイトル", "[x-default] 夕焼け 🌅"}};
  struct Case {
    const char* what;
    std::string packet;
  } cases[] = {
      {"UTF-8 padded with NULs", utf8 + std::string(64, '\0')},
      {"UTF-16BE", encode(2, false, false)},
      {"UTF-16LE with BOM", encode(2, true, true)},
      {"UTF-32BE", encode(4, false, false)},
      {"UTF-32LE with BOM", encode(4, true, true)},
  };
  for (const Case& c : cases) {
    bool whole = false;
    EXPECT_EQ(Read(c.packet, &whole), want) << c.what;
    EXPECT_TRUE(whole) << c.what;
  }
}

TEST(XmpPacket, KeyRowsAndTopLevelValues) {
  XmpProperties p;
  ASSERT_TRUE(p.Read(Described("<dc:rights>r</dc:rights><crs:Temp>5000</crs:Temp>",
                               " xmpNote:HasExtendedXMP='ABC' xmp:Rating='4'")));
  std::vector<std::pair<std::string, bool>> keys;
  for (const XmpProperty& prop : p.List()) keys.emplace_back(prop.shown, prop.key);
  EXPECT_EQ(keys, (std::vector<std::pair<std::string, bool>>{
                      {"拡張XMP", false}, {"レーティング", true}, {"著作権", true},
                      {"crs:Temp", false}}));
  EXPECT_EQ(p.Value(ns::kXmpNote, "HasExtendedXMP"), "ABC");
  EXPECT_EQ(p.Value(ns::kXmp, "Label"), "");
}

TEST(XmpCaptions, OneEntryPerPropertyEachWithUtf8Text) {
  for (size_t i = 0; i < std::size(kPropertyCaptions); ++i) {
    const PropertyCaption& a = kPropertyCaptions[i];
    EXPECT_TRUE(text::IsValidUtf8(a.caption)) << a.local;
    EXPECT_FALSE(a.caption.empty()) << a.local;
    EXPECT_EQ(FindCaption(a.uri, a.local), &a) << a.uri << a.local;
    for (size_t j = i + 1; j < std::size(kPropertyCaptions); ++j) {
      const PropertyCaption& b = kPropertyCaptions[j];
      EXPECT_FALSE(a.uri == b.uri && a.local == b.local) << a.local;
    }
  }
}

}  // namespace
}  // namespace kelvane::xmp
