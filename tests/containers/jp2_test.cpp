// JPEG 2000: the XMP packet in its `uuid` box (or an `xml ` box) joins the
// XMP group; other XML boxes do not.
#include "engine/containers/jp2.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/fixtures/byte_builder.h"
#include "tests/support/load_helpers.h"

namespace kelvane {
namespace {

using fixtures::Atom;
using testing::Row;

constexpr const char* kPacket =
    "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF "
    "xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'><rdf:Description "
    "xmlns:dc='http://purl.org/dc/elements/1.1/'><dc:format>image/jp2</dc:format>"
    "</rdf:Description></rdf:RDF></x:xmpmeta>";

std::string Jp2(const std::string& boxes) {
  return Atom("jP  ", "\r\n\x87\n") + Atom("ftyp", "jp2 " + fixtures::BE32(0) + "jp2 ") + boxes;
}

bool HasValue(const std::vector<Row>& rows, const std::string& value) {
  return std::any_of(rows.begin(), rows.end(), [&](const Row& r) { return r.value == value; });
}

TEST(Jp2Xmp, PacketInItsBoxesIsRead) {
  const std::string uuid(reinterpret_cast<const char*>(kXmpUuid), 16);
  struct Case {
    const char* what;
    std::string boxes;
    bool read;
  } cases[] = {
      {"uuid box", Atom("uuid", uuid + kPacket), true},
      {"xml box", Atom("xml ", std::string("<?xpacket begin=''?>") + kPacket), true},
      {"other uuid", Atom("uuid", std::string(16, 'x') + kPacket), false},
      {"other xml", Atom("xml ", "<IMAGE_CREATION><dc:format>image/jp2</dc:format></IMAGE_CREATION>"),
       false},
  };
  for (const auto& c : cases) {
    const auto rows = testing::LoadBytes(Jp2(c.boxes), "a.jp2").rows;
    EXPECT_EQ(HasValue(rows, "image/jp2"), c.read) << c.what;
  }
}

}  // namespace
}  // namespace kelvane
