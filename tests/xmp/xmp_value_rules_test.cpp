// The XMP properties whose values are codes show the words the Exif rows
// show for the same tags; other values keep their stored text.
#include "engine/xmp/xmp_value_rules.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/xmp/xmp_packet.h"
#include "engine/xmp/xmp_rows.h"

namespace kelvane::xmp {
namespace {

constexpr const char* kExif = "http://ns.adobe.com/exif/1.0/";
constexpr const char* kTiff = "http://ns.adobe.com/tiff/1.0/";
constexpr const char* kAux = "http://ns.adobe.com/exif/1.0/aux/";
constexpr const char* kExifEx = "http://cipa.jp/exif/1.0/";
constexpr const char* kPhotoshop = "http://ns.adobe.com/photoshop/1.0/";
constexpr const char* kXmpBasic = "http://ns.adobe.com/xap/1.0/";

TEST(XmpValueRules, CodesAndNumbersBecomeTheExifRowsTexts) {
  struct Case {
    const char* uri;
    const char* local;
    const char* value;
    const char* want;  // nullptr: the stored text stays
  } cases[] = {
      {kTiff, "Orientation", "6", "右下"},
      {kTiff, "ResolutionUnit", "2", "インチ"},
      {kExif, "MeteringMode", "5", "分割測光"},
      {kExif, "ExposureProgram", "99", nullptr},  // no word for it
      {kExif, "Flash", "16", "発光禁止"},
      {kExif, "Fired", "True", "発光"},
      {kExif, "Fired", "False", "非発光"},
      {kExif, "Return", "3", "リターン検出"},
      {kExif, "Mode", "3", "自動"},
      {kExif, "Function", "False", "フラッシュあり"},
      {kExif, "RedEyeMode", "True", "赤目軽減あり"},
      {kExif, "ExposureTime", "1/125", "1/125秒"},
      {kExif, "ExposureTime", "2/1", "2.00秒"},
      {kExif, "FNumber", "28/10", "F2.8"},
      {kExif, "ApertureValue", "3/1", "F2.8"},
      {kExif, "FocalLength", "50/1", "50.00(mm)"},
      {kExif, "ExposureBiasValue", "-1/3", "EV-0.3"},
      {kExif, "FNumber", "28/0", nullptr},
      {kExif, "FNumber", "F2.8", nullptr},
      {kExif, "DateTimeOriginal", "2023-02-21T14:33:08+09:00", "2023:02:21 14:33:08+09:00"},
      {kXmpBasic, "CreateDate", "2023-02-21", "2023:02:21"},
      {kXmpBasic, "CreateDate", "yesterday", nullptr},
      {kExifEx, "SensitivityType", "2", "推奨露光指数"},
      {kAux, "LensInfo", "18/1 250/1 35/10 63/10", "18-250mm F3.5-6.3"},
      {kAux, "LensInfo", "50/1 50/1 14/10 14/10", "50mm F1.4"},
      {kAux, "LensInfo", "18/1 250/1 0/0 0/0", nullptr},
      {kAux, "LensInfo", "18 250", nullptr},
      {kExifEx, "LensSpecification", "24/1 70/1 28/10 28/10", "24-70mm F2.8"},
      {kPhotoshop, "ColorMode", "3", "RGB"},
      {kPhotoshop, "Urgency", "5", "5 (普通)"},
      {kXmpBasic, "Rating", "3", nullptr},
      {kXmpBasic, "Label", "Red", nullptr},
      {"http://purl.org/dc/elements/1.1/", "format", "3", nullptr},
  };
  for (const auto& c : cases) {
    const auto got = XmpValueText(c.uri, c.local, c.value);
    if (c.want == nullptr) {
      EXPECT_FALSE(got.has_value()) << c.local << " " << c.value << " -> " << got.value_or("");
    } else {
      EXPECT_EQ(got.value_or("(stored text)"), c.want) << c.local << " " << c.value;
    }
  }
}

TEST(XmpValueRules, FieldsOfAStructureAreNamedByTheirLastStep) {
  const std::string flash = PathOf(kExif, "Flash");
  EXPECT_EQ(XmpValueTextOfPath(flash + "/" + PathOf(kExif, "Fired"), "True"), "発光");
  EXPECT_EQ(XmpValueTextOfPath(PathOf(kTiff, "Orientation"), "1"), "左上");
  EXPECT_FALSE(XmpValueTextOfPath(flash + "/" + PathOf("http://example.com/", "Fired"), "True"));
  EXPECT_FALSE(XmpValueTextOfPath("no step", "1"));
}

TEST(XmpValueRules, RowsShowTheTextAndKeepOtherValues) {
  const std::string packet =
      "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF "
      "xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'><rdf:Description "
      "xmlns:photoshop='http://ns.adobe.com/photoshop/1.0/' "
      "xmlns:exif='http://ns.adobe.com/exif/1.0/' photoshop:ColorMode='3' "
      "photoshop:Headline='3'><exif:Flash rdf:parseType='Resource'><exif:Fired>False</exif:Fired>"
      "</exif:Flash></rdf:Description></rdf:RDF></x:xmpmeta>";
  const auto rows = MakeXmpRows(packet, {}, false);
  auto value_of = [&](const std::string& name) {
    for (const XmpRow& r : rows)
      if (r.name.find(name) != std::string::npos) return r.value;
    return std::string("(none)");
  };
  EXPECT_EQ(value_of("カラーモード"), "RGB");
  EXPECT_EQ(value_of("見出し"), "3");
  EXPECT_EQ(value_of("Fired"), "非発光");
}

}  // namespace
}  // namespace kelvane::xmp
