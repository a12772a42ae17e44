#include "engine/containers/jp2.h"

#include <algorithm>
#include <string>

#include "engine/containers/isobmff.h"
#include "engine/reader/primitives.h"
#include "engine/text/vocabulary.h"

namespace kelvane {

namespace {

using bmff::Box;
using bmff::FourCC;

// How a `colr` box gives the colour (its method byte), and the enumerated
// colour spaces of ISO/IEC 15444-1, Annex I.5.3.3 (Table I.10), with the
// extended spaces of 15444-2 (Table M.25) that cameras and scanners write.
constexpr CodeText kMethods[] = {
    {1, "列挙型の色空間"},
    {2, "制限付きICCプロファイル"},
    {3, "ICCプロファイル"},
    {4, "ベンダー定義の色空間"},
};
constexpr CodeText kEnumeratedSpaces[] = {
    {0, "Bi-level"},     {1, "YCbCr(1)"}, {3, "YCbCr(2)"}, {4, "YCbCr(3)"},
    {9, "PhotoYCC"},     {11, "CMY"},     {12, "CMYK"},    {13, "YCCK"},
    {14, "CIELab"},      {15, "Bi-level(2)"}, {16, "sRGB"}, {17, "グレースケール"},
    {18, "sYCC"},        {19, "CIEJab"},  {20, "e-sRGB"},  {21, "ROMM-RGB"},
    {22, "YPbPr(1125/60)"}, {23, "YPbPr(1250/50)"}, {24, "e-sYCC"},
};
static_assert(IsWellFormedVocabulary(kMethods));
static_assert(IsWellFormedVocabulary(kEnumeratedSpaces));

constexpr int kMaxBoxes = 256;

void ReadColour(Reader& f, const Box& colr, TMakerResult& rows, Jp2Findings& found) {
  if (colr.payload_size() < 3) return;
  f.Seek(colr.payload());
  const uint8_t method = ReadByte(f);
  f.Skip(2);  // precedence, approximation
  AddItem(rows, "色指定の方法", CodeTextOrUnknown(kMethods, method));
  if (method == 1 && colr.payload_size() >= 7) {
    AddItem(rows, "色空間", CodeTextOrUnknown(kEnumeratedSpaces, ReadLong(f, false)));
  } else if ((method == 2 || method == 3) && colr.payload_size() > 3) {
    found.icc.Note(colr.payload() + 3, colr.payload_size() - 3);
  }
}

// An XML box that holds an XMP packet rather than other XML: the packet's
// wrapper or its root element comes first.
bool IsXmpPacket(Reader& f, const Box& xml) {
  f.Seek(xml.payload());
  const std::string head = ReadRaw(f, static_cast<int64_t>(std::min<uint64_t>(xml.payload_size(), 512)));
  return head.find("<?xpacket") != std::string::npos || head.find("<x:xmpmeta") != std::string::npos;
}

}  // namespace

Jp2Findings ReadJp2(Reader& f, TMakerResult& rows) {
  Jp2Findings found;
  try {
    bmff::ForEachBox(f, 0, f.Size(), [&](const Box& b) {
      if (b.Is(FourCC("jp2h"))) {
        bmff::ForEachBox(f, b.payload(), b.end(), [&](const Box& child) {
          if (child.Is(FourCC("colr")) && !found.icc.Found()) ReadColour(f, child, rows, found);
          return true;
        }, kMaxBoxes);
      } else if (b.Is(FourCC("uuid")) && found.xmp_pos == 0 &&
                 std::equal(b.user_type.begin(), b.user_type.end(), std::begin(kXmpUuid)) &&
                 b.payload_size() > 0) {
        found.xmp_pos = b.payload();
        found.xmp_length = b.payload_size();
      } else if (b.Is(FourCC("xml ")) && found.xmp_pos == 0 && IsXmpPacket(f, b)) {
        // Some writers keep the packet in an XML box instead.
        found.xmp_pos = b.payload();
        found.xmp_length = b.payload_size();
      }
      return true;
    }, kMaxBoxes);
  } catch (const ReadError&) {
    // A box cut short: what was found before it stands.
  }
  return found;
}

}  // namespace kelvane
