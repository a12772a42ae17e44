// Value texts of IFD entries, checked through the walker in both byte orders.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "tests/fixtures/byte_builder.h"
#include "tests/tiff/walk_fixture.h"

namespace kelvane {
namespace {

using fixtures::Bytes;
using fixtures::Ifd;
using fixtures::U16;
using testing::WalkIfd;

using Pairs = std::vector<std::pair<uint32_t, uint32_t>>;

uint32_t Neg(int32_t v) { return static_cast<uint32_t>(v); }

// UTF-16 text in the file's byte order.
std::string Utf16(std::u16string_view s, bool intel) {
  std::string out;
  for (char16_t c : s) out += U16(static_cast<uint16_t>(c), intel);
  return out;
}

struct Case {
  const char* what;
  uint16_t tag;
  std::function<void(Ifd&, bool intel)> add;
  std::string want;
};

void RunCases(const std::vector<Case>& cases) {
  for (bool intel : {true, false}) {
    for (const Case& c : cases) {
      Ifd ifd;
      c.add(ifd, intel);
      EXPECT_EQ(WalkIfd(ifd, intel).Value(c.tag), c.want)
          << c.what << (intel ? " (II)" : " (MM)");
    }
  }
}

TEST(ValueText, ExposureAndApertureRules) {
  RunCases({
      {"exposure 1/125", 0x829A, [](Ifd& d, bool) { d.Rational(0x829A, {{1, 125}}); }, "1/125秒"},
      {"exposure 10/1", 0x829A, [](Ifd& d, bool) { d.Rational(0x829A, {{10, 1}}); }, "10.00秒"},
      {"exposure 0/0", 0x829A, [](Ifd& d, bool) { d.Rational(0x829A, {{0, 0}}); }, "不明"},
      {"exposure x/-1", 0x829A, [](Ifd& d, bool) { d.Rational(0x829A, {{1, Neg(-1)}}); }, "不明"},
      {"exposure 3/10", 0x829A, [](Ifd& d, bool) { d.Rational(0x829A, {{3, 10}}); }, "1/3.3秒"},
      {"exposure 10/1250", 0x829A, [](Ifd& d, bool) { d.Rational(0x829A, {{10, 1250}}); }, "1/125秒"},
      {"exposure 0/5", 0x829A, [](Ifd& d, bool) { d.Rational(0x829A, {{0, 5}}); }, ""},
      {"f-number 28/10", 0x829D, [](Ifd& d, bool) { d.Rational(0x829D, {{28, 10}}); }, "F2.8"},
      {"f-number x/0", 0x829D, [](Ifd& d, bool) { d.Rational(0x829D, {{28, 0}}); }, ""},
      {"aperture 3/1", 0x9202, [](Ifd& d, bool) { d.Rational(0x9202, {{3, 1}}); }, "F2.8"},
      {"max aperture 0/0", 0x9205, [](Ifd& d, bool) { d.Rational(0x9205, {{0, 0}}); }, ""},
      {"shutter -1/1", 0x9201, [](Ifd& d, bool) { d.Rational(0x9201, {{Neg(-1), 1}}, true); }, "2.00秒"},
      {"shutter 0/1", 0x9201, [](Ifd& d, bool) { d.Rational(0x9201, {{0, 1}}, true); }, "1.00秒"},
      {"shutter 697/100", 0x9201, [](Ifd& d, bool) { d.Rational(0x9201, {{697, 100}}, true); }, "1/125秒"},
      {"shutter 1/0", 0x9201, [](Ifd& d, bool) { d.Rational(0x9201, {{1, 0}}, true); }, ""},
      // 2 to the power 2^31 is no number: the value stays empty.
      {"shutter -2^31/1", 0x9201,
       [](Ifd& d, bool) { d.Rational(0x9201, {{0x80000000u, 1}}, true); }, ""},
      {"brightness 0 denominator", 0x9203, [](Ifd& d, bool) { d.Rational(0x9203, {{5, 0}}, true); }, "--"},
      {"brightness 25/10", 0x9203, [](Ifd& d, bool) { d.Rational(0x9203, {{25, 10}}, true); }, "EV2.5"},
      {"brightness rational x/0", 0x9203, [](Ifd& d, bool) { d.Rational(0x9203, {{5, 0}}); }, "不明"},
      {"bias -1/3", 0x9204, [](Ifd& d, bool) { d.Rational(0x9204, {{Neg(-1), 3}}, true); }, "EV-0.3"},
      {"bias 1/0", 0x9204, [](Ifd& d, bool) { d.Rational(0x9204, {{1, 0}}, true); }, ""},
      {"distance 0/0", 0x9206, [](Ifd& d, bool) { d.Rational(0x9206, {{0, 0}}); }, "不明"},
      {"distance 1/-1", 0x9206, [](Ifd& d, bool) { d.Rational(0x9206, {{1, Neg(-1)}}); }, "無限遠"},
      {"distance 25/10", 0x9206, [](Ifd& d, bool) { d.Rational(0x9206, {{25, 10}}); }, "2.50(m)"},
      {"focal length 0/0", 0x920A, [](Ifd& d, bool) { d.Rational(0x920A, {{0, 0}}); }, "不明"},
      {"focal length 55/1", 0x920A, [](Ifd& d, bool) { d.Rational(0x920A, {{55, 1}}); }, "55.00(mm)"},
      {"35mm focal SHORT", 0xA405, [](Ifd& d, bool) { d.Short(0xA405, {35}); }, "35(mm)"},
      {"35mm focal RATIONAL", 0xA405, [](Ifd& d, bool) { d.Rational(0xA405, {{105, 2}}); }, "52.50(mm)"},
      {"compressed bits", 0x9102, [](Ifd& d, bool) { d.Rational(0x9102, {{9, 1}}); }, "9/1 (bit/pixel)"},
      {"lens info", 0xC630,
       [](Ifd& d, bool) { d.Rational(0xC630, {{18, 1}, {55, 1}, {35, 10}, {56, 10}}); },
       "18.0-55.0(mm)  F3.5-F5.6"},
      {"lens info without F-numbers", 0xC630,
       [](Ifd& d, bool) { d.Rational(0xC630, {{18, 1}, {55, 1}, {0, 0}, {0, 0}}); }, "18.0-55.0(mm)"},
      {"lens info 0/0 first", 0xC630,
       [](Ifd& d, bool) { d.Rational(0xC630, {{0, 0}, {55, 1}, {0, 0}, {0, 0}}); }, ""},
  });
}

TEST(ValueText, Vocabularies) {
  RunCases({
      {"flash 0x19", 0x9209, [](Ifd& d, bool) { d.Short(0x9209, {0x19}); }, "発光(自動)"},
      {"flash 2", 0x9209, [](Ifd& d, bool) { d.Short(0x9209, {2}); }, "Unknown (2)"},
      {"colour space 2", 0xA001, [](Ifd& d, bool) { d.Short(0xA001, {2}); }, "Unknown (2)"},
      {"colour space 0xFFFF", 0xA001, [](Ifd& d, bool) { d.Short(0xA001, {0xFFFF}); }, "sRGB以外"},
      {"orientation 8", 0x112, [](Ifd& d, bool) { d.Short(0x112, {8}); }, "左下(縦位置)"},
      {"compression 34713", 0x103, [](Ifd& d, bool) { d.Short(0x103, {34713}); }, "Unknown (34713)"},
      {"resolution unit", 0xA210, [](Ifd& d, bool) { d.Short(0xA210, {3}); }, "センチメートル"},
      {"light source 255", 0x9208, [](Ifd& d, bool) { d.Short(0x9208, {255}); }, "その他"},
      {"metering with two values", 0x9207, [](Ifd& d, bool) { d.Short(0x9207, {5, 1}); }, "分割測光"},
      {"sensing method", 0x9217, [](Ifd& d, bool) { d.Short(0x9217, {2}); }, "１チップカラーエリアセンサー"},
      {"sharpness", 0xA40A, [](Ifd& d, bool) { d.Short(0xA40A, {2}); }, "Hard"},
      {"subsampling 2,1", 0x212, [](Ifd& d, bool) { d.Short(0x212, {2, 1}); }, "YCbCr 4:2:2"},
      {"subsampling 2,2", 0x212, [](Ifd& d, bool) { d.Short(0x212, {2, 2}); }, "YCbCr 4:2:0"},
      {"subsampling 1,1", 0x212, [](Ifd& d, bool) { d.Short(0x212, {1, 1}); }, "1,1"},
      {"subsampling one value", 0x212, [](Ifd& d, bool) { d.Short(0x212, {2}); }, "2"},
      {"components 1,2,3,0", 0x9101, [](Ifd& d, bool) { d.Undefined(0x9101, Bytes({1, 2, 3, 0})); }, "YCbCr"},
      {"components 4,5,6,9", 0x9101, [](Ifd& d, bool) { d.Undefined(0x9101, Bytes({4, 5, 6, 9})); }, "RGB"},
      {"file source 3", 0xA300, [](Ifd& d, bool) { d.Undefined(0xA300, Bytes({3})); }, "DSC"},
      {"file source 1", 0xA300, [](Ifd& d, bool) { d.Undefined(0xA300, Bytes({1})); }, "Unknown (1)"},
      {"scene type 1", 0xA301, [](Ifd& d, bool) { d.Undefined(0xA301, Bytes({1})); }, "直接撮影された画像"},
      {"CFA plane colour", 0xC616, [](Ifd& d, bool) { d.Byte(0xC616, Bytes({0, 1, 2, 7})); }, "RGB7"},
  });
}

TEST(ValueText, VersionsAndBlocks) {
  RunCases({
      {"exif version", 0x9000, [](Ifd& d, bool) { d.Undefined(0x9000, "0220"); }, "0220"},
      {"flashpix version", 0xA000, [](Ifd& d, bool) { d.Undefined(0xA000, "0100"); }, "0100"},
      {"metadata version, long", 0xC365, [](Ifd& d, bool) { d.Undefined(0xC365, "0300xyz"); }, "0300"},
      {"DNG version", 0xC612, [](Ifd& d, bool) { d.Byte(0xC612, Bytes({1, 1, 0, 0})); }, "1.1.0.0"},
      {"XMP as BYTE", 0x2BC, [](Ifd& d, bool) { d.Byte(0x2BC, std::string(6, 'x')); }, "Offset:26 (6byte)"},
      {"ICC profile", 0x8773, [](Ifd& d, bool) { d.Undefined(0x8773, std::string(9, 'p')); }, "9 Bytes"},
      {"PrintIM block", 0xC4A5, [](Ifd& d, bool) { d.Undefined(0xC4A5, std::string(9, 'p')); }, "9Bytes"},
      {"Kodak borders", 0xC36F, [](Ifd& d, bool) { d.Long(0xC36F, {100, 200}); }, "Offset:100,200"},
      {"Faveon data", 0x9355, [](Ifd& d, bool) { d.Long(0x9355, {7, 8}); }, "Offset:26"},
  });
}

TEST(ValueText, CharacterCodedTexts) {
  RunCases({
      {"ASCII comment", 0x9286,
       [](Ifd& d, bool) { d.Undefined(0x9286, std::string("ASCII\0\0\0abc", 11)); }, "abc"},
      {"ASCII comment keeps its NULs", 0x9286,
       [](Ifd& d, bool) { d.Undefined(0x9286, std::string("ASCII\0\0\0ab\0\0", 12)); },
       std::string("ab\0\0", 4)},
      {"undefined code drops NULs", 0x9286,
       [](Ifd& d, bool) { d.Undefined(0x9286, std::string(8, '\0') + std::string("a\0b", 3)); }, "ab"},
      {"JIS comment", 0x9286,
       [](Ifd& d, bool) {
         d.Undefined(0x9286, std::string("JIS\0\0\0\0\0", 8) + Bytes({0x1B, 0x24, 0x42, 0x30, 0x21, 0x1B, 0x28, 0x42, 0x78}));
       },
       Bytes({0x88, 0x9F, 0x78})},
      {"UNICODE comment in the file's order", 0x9286,
       [](Ifd& d, bool intel) { d.Undefined(0x9286, std::string("UNICODE\0", 8) + Utf16(u"日本", intel)); },
       "日本"},
      {"comment shorter than its code", 0x9286,
       [](Ifd& d, bool) { d.Undefined(0x9286, "ASCII"); }, ""},
      {"owner ID keeps JIS as stored", 0xC353,
       [](Ifd& d, bool) { d.Undefined(0xC353, std::string("JIS\0\0\0\0\0", 8) + Bytes({0x1B, 0x24, 0x42, 0x30, 0x21})); },
       Bytes({0x1B, 0x24, 0x42, 0x30, 0x21})},
      {"owner ID in UNICODE", 0xC353,
       [](Ifd& d, bool intel) { d.Undefined(0xC353, std::string("UNICODE\0", 8) + Utf16(u"Ab", intel)); }, "Ab"},
  });
}

TEST(ValueText, GenericTextsByType) {
  RunCases({
      {"BYTE as hex", 0x5000, [](Ifd& d, bool) { d.Byte(0x5000, Bytes({0x0A, 0xFF, 0, 1, 2})); }, "0AFF000102"},
      {"ASCII trimmed", 0x10E, [](Ifd& d, bool) { d.Ascii(0x10E, "A title  \t"); }, "A title"},
      {"ASCII ends at its first NUL", 0x110, [](Ifd& d, bool) { d.Raw(0x110, 2, 6, std::string("K100\0X", 6)); }, "K100"},
      // Copyright holds the photographer's notice, a NUL and the editor's.
      {"copyright of the photographer", 0x8298, [](Ifd& d, bool) { d.Raw(0x8298, 2, 4, std::string("Ann\0", 4)); }, "Ann"},
      {"copyright of both", 0x8298, [](Ifd& d, bool) { d.Raw(0x8298, 2, 8, std::string("Ann\0Bob\0", 8)); },
       "Ann / Bob"},
      {"copyright of the editor only", 0x8298,
       [](Ifd& d, bool) { d.Raw(0x8298, 2, 6, std::string(" \0Bob\0", 6)); }, "Bob"},
      {"SHORT list", 0x102, [](Ifd& d, bool) { d.Short(0x102, {8, 8, 65535}); }, "8,8,65535"},
      {"LONG list is signed", 0x5001, [](Ifd& d, bool) { d.Long(0x5001, {1, 0xFFFFFFFF}); }, "1,-1"},
      {"RATIONAL list", 0x11A, [](Ifd& d, bool) { d.Rational(0x11A, {{72, 1}, {Neg(-3), 2}}); }, "72/1,-3/2"},
      {"UNDEFINED count", 0x5002, [](Ifd& d, bool) { d.Undefined(0x5002, "12345"); }, "5 Bytes"},
      {"SSHORT list", 0x5003, [](Ifd& d, bool) { d.SShort(0x5003, {0xFFFF, 2}); }, "-1,2"},
      {"SRATIONAL list", 0x5004, [](Ifd& d, bool) { d.Rational(0x5004, {{Neg(-1), 3}}, true); }, "-1/3"},
      {"DOUBLE shortest form", 0x5005,
       [](Ifd& d, bool intel) {
         // 1.5 and 0.1
         std::string a = Bytes({0, 0, 0, 0, 0, 0, 0xF8, 0x3F});
         std::string b = Bytes({0x9A, 0x99, 0x99, 0x99, 0x99, 0x99, 0xB9, 0x3F});
         if (!intel) {
           std::reverse(a.begin(), a.end());
           std::reverse(b.begin(), b.end());
         }
         d.Raw(0x5005, 12, 2, a + b);
       },
       "1.5,0.1"},
      {"SLONG list is signed", 0x5006, [](Ifd& d, bool) { d.SLong(0x5006, {5, Neg(-7)}); }, "5,-7"},
      {"SLONG out of the entry", 0x5006,
       [](Ifd& d, bool) { d.SLong(0x5006, {1, 2, Neg(-3)}); }, "1,2,-3"},
      {"SBYTE list is signed", 0x5009, [](Ifd& d, bool) { d.Raw(0x5009, 6, 3, Bytes({0x7F, 0x80, 0xFF})); },
       "127,-128,-1"},
      {"SBYTE out of the entry", 0x5009,
       [](Ifd& d, bool) { d.Raw(0x5009, 6, 5, Bytes({1, 2, 3, 4, 0xFE})); }, "1,2,3,4,-2"},
      // 0.1f and -1.5f: the fewest digits that read back as the same float.
      {"FLOAT shortest form", 0x5007,
       [](Ifd& d, bool intel) {
         d.Raw(0x5007, 11, 2, fixtures::U32(0x3DCCCCCD, intel) + fixtures::U32(0xBFC00000, intel));
       },
       "0.1,-1.5"},
      {"FLOAT in the entry", 0x5007,
       [](Ifd& d, bool intel) { d.Raw(0x5007, 11, 1, fixtures::U32(0x42C80000, intel)); }, "100"},
      {"FLOAT that is no number", 0x5007,
       [](Ifd& d, bool intel) { d.Raw(0x5007, 11, 1, fixtures::U32(0x7FC00000, intel)); }, ""},
      {"IFD offsets are unsigned", 0x500A,
       [](Ifd& d, bool) { d.Numbers(0x500A, 13, {100, 0xFFFFFFF0}); }, "100,4294967280"},
      {"IFD in the entry", 0x500A, [](Ifd& d, bool) { d.Numbers(0x500A, 13, {4096}); }, "4096"},
      {"type 99 has no text", 0x5008, [](Ifd& d, bool) { d.Raw(0x5008, 99, 1, "abcd"); }, ""},
      // Exif 3.0's UTF-8 type: text to its NUL, in the entry or out of it.
      {"UTF-8 text", 0x10E, [](Ifd& d, bool) { d.Raw(0x10E, 129, 10, "湖の朝\0"); }, "湖の朝"},
      {"UTF-8 in the entry", 0x13B, [](Ifd& d, bool) { d.Raw(0x13B, 129, 4, std::string("Ann\0", 4)); }, "Ann"},
  });
}

// Tags with a vocabulary read a LONG or SLONG as they read a SHORT.
TEST(ValueText, VocabulariesOfLongAndSLongValues) {
  RunCases({
      {"orientation LONG", 0x112, [](Ifd& d, bool) { d.Long(0x112, {6}); }, "右下"},
      {"orientation SLONG", 0x112, [](Ifd& d, bool) { d.SLong(0x112, {8}); }, "左下(縦位置)"},
      {"resolution unit LONG", 0x128, [](Ifd& d, bool) { d.Long(0x128, {2}); }, "インチ"},
      {"resolution unit SLONG", 0x128, [](Ifd& d, bool) { d.SLong(0x128, {3}); }, "センチメートル"},
      {"colour space LONG 0xFFFF", 0xA001, [](Ifd& d, bool) { d.Long(0xA001, {0xFFFF}); }, "sRGB以外"},
      {"flash LONG list", 0x9209, [](Ifd& d, bool) { d.Long(0x9209, {0x19, 0}); }, "発光(自動)"},
      {"metering SLONG negative", 0x9207, [](Ifd& d, bool) { d.SLong(0x9207, {Neg(-1)}); }, "Unknown (-1)"},
      {"compression LONG past the vocabulary", 0x103, [](Ifd& d, bool) { d.Long(0x103, {70000}); },
       "Unknown (70000)"},
      // SSHORT and the other types keep their own plain texts.
      {"orientation SSHORT", 0x112, [](Ifd& d, bool) { d.SShort(0x112, {6}); }, "6"},
      {"orientation RATIONAL", 0x112, [](Ifd& d, bool) { d.Rational(0x112, {{6, 1}}); }, "6/1"},
  });
}

// The shutter speed is shown as the exposure time 2^-v would be: a time of
// a second or more with two decimals, a shorter one as 1/x with x whole
// when the APEX value stands for a whole x or x is whole to one decimal,
// else with one decimal.
TEST(ValueText, ShutterSpeedIsShownAsItsExposureTime) {
  RunCases({
      {"shutter 3/4", 0x9201, [](Ifd& d, bool) { d.Rational(0x9201, {{3, 4}}, true); }, "1/1.7秒"},
      {"shutter 5/1", 0x9201, [](Ifd& d, bool) { d.Rational(0x9201, {{5, 1}}, true); }, "1/32秒"},
      {"shutter of 1/125 s", 0x9201,
       [](Ifd& d, bool) { d.Rational(0x9201, {{6965784, 1000000}}, true); }, "1/125秒"},
      // 6.97 is 1/125 s to its two decimals, 6.970000 is not; 0.8 is no
      // whole reciprocal to its one decimal.
      {"shutter 697/100", 0x9201, [](Ifd& d, bool) { d.Rational(0x9201, {{697, 100}}, true); },
       "1/125秒"},
      {"shutter 8/10", 0x9201, [](Ifd& d, bool) { d.Rational(0x9201, {{8, 10}}, true); }, "1/1.7秒"},
      {"shutter 6970000/1000000", 0x9201,
       [](Ifd& d, bool) { d.Rational(0x9201, {{6970000, 1000000}}, true); }, "1/125.4秒"},
      {"shutter of 1.3 s", 0x9201,
       [](Ifd& d, bool) { d.Rational(0x9201, {{Neg(-378512), 1000000}}, true); }, "1.30秒"},
      {"shutter -491/100", 0x9201, [](Ifd& d, bool) { d.Rational(0x9201, {{Neg(-491), 100}}, true); },
       "30.00秒"},
      // 2^(2028/469) is 20.03: "1/20秒", as its ExposureTime of 1/20 reads.
      {"shutter of 1/20.03 s", 0x9201, [](Ifd& d, bool) { d.Rational(0x9201, {{2028, 469}}, true); },
       "1/20秒"},
      {"shutter of 1/3.3 s", 0x9201,
       [](Ifd& d, bool) { d.Rational(0x9201, {{1736966, 1000000}}, true); }, "1/3.3秒"},
      {"shutter of 30 s", 0x9201,
       [](Ifd& d, bool) { d.Rational(0x9201, {{Neg(-4906891), 1000000}}, true); }, "30.00秒"},
      {"shutter 2^31/1", 0x9201, [](Ifd& d, bool) { d.Rational(0x9201, {{0x7FFFFFFF, 1}}, true); }, ""},
  });
}

// ExposureTime and ShutterSpeedValue of one photo agree when the APEX
// value is the time's, written with six decimals as cameras write it.
TEST(ValueText, ShutterSpeedAgreesWithTheExposureTime) {
  struct Time {
    uint32_t n, d;
  };
  const Time times[] = {{1, 8000}, {1, 4000}, {1, 1000}, {1, 250}, {1, 125}, {1, 60}, {1, 30},
                        {1, 15},   {1, 8},    {1, 3},    {3, 10},  {1, 2},   {6, 10}, {1, 1},
                        {2, 1},    {30, 1}};
  for (const Time& t : times) {
    const double apex = -std::log2(static_cast<double>(t.n) / t.d);
    const auto micro = static_cast<int32_t>(std::lround(apex * 1e6));
    Ifd ifd;
    ifd.Rational(0x829A, {{t.n, t.d}}).Rational(0x9201, {{Neg(micro), 1000000}}, true);
    auto w = WalkIfd(ifd, true);
    EXPECT_EQ(w.Value(0x9201), w.Value(0x829A)) << t.n << "/" << t.d;
  }
}

}  // namespace
}  // namespace kelvane
