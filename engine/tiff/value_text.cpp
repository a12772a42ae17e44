#include "engine/tiff/value_text.h"

#include <cmath>
#include <cstdio>

#include "engine/text/jis.h"
#include "engine/text/number_text.h"
#include "engine/text/text_list.h"
#include "engine/text/vocabulary.h"
#include "engine/tiff/exif_vocabularies.h"

namespace kelvane {

namespace {

constexpr const char* kUnknownValue = "不明";
constexpr const char* kSeconds = "秒";

// Tags with value rules of their own.
enum : uint16_t {
  kXmlMetadata = 0x02BC,
  kYCbCrSubSampling = 0x0212,
  kExposureTime = 0x829A,
  kFNumber = 0x829D,
  kIptcNaa = 0x83BB,
  kAdobeResource = 0x8649,
  kIccProfile = 0x8773,
  kExifVersion = 0x9000,
  kComponentsConfiguration = 0x9101,
  kCompressedBitsPerPixel = 0x9102,
  kShutterSpeedValue = 0x9201,
  kApertureValue = 0x9202,
  kBrightnessValue = 0x9203,
  kExposureBiasValue = 0x9204,
  kMaxApertureValue = 0x9205,
  kSubjectDistance = 0x9206,
  kFocalLength = 0x920A,
  kTiffEpStandardId = 0x9216,
  kFaveonData = 0x9355,
  kUserComment = 0x9286,
  kMakerNote = 0x927C,
  kFlashpixVersion = 0xA000,
  kFileSource = 0xA300,
  kSceneType = 0xA301,
  kFocalLengthIn35mmFilm = 0xA405,
  kCameraOwnerId = 0xC353,
  kMetadataVersionNumber = 0xC365,
  kKodakSpecialEffectsIfd = 0xC36E,
  kKodakBordersIfd = 0xC36F,
  kPrintImIfd = 0xC4A5,
  kDngVersion = 0xC612,
  kDngBackwardVersion = 0xC613,
  kCfaPlaneColor = 0xC616,
  kLensInfo = 0xC630,
};

struct SignedRational {
  int32_t n = 0;
  int32_t d = 0;
};

SignedRational ReadSignedRational(Reader& f, bool intel) {
  uint32_t n = 0, d = 0;
  ReadRational(f, intel, n, d);
  return {static_cast<int32_t>(n), static_cast<int32_t>(d)};
}

// Trailing blanks and control characters go.
std::string TrimTrailing(std::string s) {
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= 0x20) s.pop_back();
  return s;
}

// ---- generic texts by type ----

std::string NumberList(Reader& f, bool intel, const IfdEntry& e, int size, bool is_signed) {
  TextList list(",");
  for (uint32_t v : ReadNumbers(f, intel, e.value_pos, e.count, size)) {
    if (!is_signed)
      list.AddNumber(v);
    else if (size == 2)
      list.AddNumber(static_cast<int16_t>(v));
    else
      list.AddNumber(static_cast<int32_t>(v));
  }
  return list.Take();
}

std::string RationalList(Reader& f, bool intel, const IfdEntry& e) {
  const ValueNumbers words = ReadNumbers(f, intel, e.value_pos, uint64_t{e.count} * 2, 4);
  TextList list(",");
  for (size_t i = 0; i + 1 < words.size(); i += 2)
    list.AddFraction(static_cast<int32_t>(words[i]), static_cast<int32_t>(words[i + 1]));
  return list.Take();
}

std::string DoubleList(Reader& f, bool intel, const IfdEntry& e) {
  f.Seek(e.value_pos);
  if (f.Remaining() < e.ByteSize()) throw ReadError("double list past the end of the file");
  TextList list(",");
  for (uint32_t i = 0; i < e.count; ++i) list.Add(FormatGeneral(ReadDouble(f, intel)));
  return list.Take();
}

std::string CountBytes(const IfdEntry& e) { return std::to_string(e.count) + " Bytes"; }

// ---- BYTE ----

std::string ByteText(Reader& f, const IfdEntry& e) {
  switch (e.tag) {
    case kXmlMetadata:
    case kIptcNaa:
    case kAdobeResource:
      return "Offset:" + std::to_string(e.value_offset) + " (" + std::to_string(e.count) +
             "byte)";
    default:
      break;
  }
  const std::string bytes = ValueBytes(f, e);
  switch (e.tag) {
    case kTiffEpStandardId:
    case kDngVersion:
    case kDngBackwardVersion: {
      TextList list(".");
      for (char c : bytes) list.AddNumber(static_cast<uint8_t>(c));
      return list.Take();
    }
    case kCfaPlaneColor: {
      static constexpr CodeText kPlaneColours[] = {{0, "R"}, {1, "G"}, {2, "B"}};
      std::string out;
      for (char c : bytes) {
        auto b = static_cast<uint8_t>(c);
        auto colour = LookupCode(kPlaneColours, b);
        out += colour ? std::string(*colour) : std::to_string(b);
      }
      return out;
    }
    default:
      return HexBytes(bytes);
  }
}

// ---- SHORT ----

std::string ShortText(Reader& f, bool intel, const IfdEntry& e) {
  for (const auto& vocabulary : exif_vocab::kShortVocabularies)
    if (vocabulary.tag == e.tag)
      return CodeTextOrUnknown(vocabulary.values, FirstNumber(f, intel, e));
  if (e.tag == kYCbCrSubSampling && e.count >= 2) {
    f.Seek(e.value_pos);
    const uint16_t horizontal = ReadWord(f, intel);
    const uint16_t vertical = ReadWord(f, intel);
    if (horizontal == 2 && vertical == 1) return "YCbCr 4:2:2";
    if (horizontal == 2 && vertical == 2) return "YCbCr 4:2:0";
    return std::to_string(horizontal) + "," + std::to_string(vertical);
  }
  if (e.tag == kFocalLengthIn35mmFilm) return std::to_string(FirstNumber(f, intel, e)) + "(mm)";
  return NumberList(f, intel, e, 2, false);
}

// ---- LONG ----

std::string LongText(Reader& f, bool intel, const IfdEntry& e) {
  switch (e.tag) {
    case kKodakSpecialEffectsIfd:
    case kKodakBordersIfd:
      return "Offset:" + NumberList(f, intel, e, 4, true);
    case kFaveonData:
      return "Offset:" + std::to_string(e.value_offset);
    default:
      return NumberList(f, intel, e, 4, true);
  }
}

// ---- RATIONAL ----

std::string ExposureTimeText(SignedRational r) {
  if (r.d == 0 || r.d == -1) return kUnknownValue;
  const double v = Quotient(r.n, r.d);
  if (v >= 1) return FormatFixed(v, 2) + kSeconds;
  if (r.n == 0) return {};
  const double x = Quotient(r.d, r.n);
  const int64_t whole = RoundNearest(x);
  if (x - static_cast<double>(whole) == 0) return "1/" + std::to_string(whole) + kSeconds;
  return "1/" + FormatFixed(x, 1) + kSeconds;
}

std::string ApexApertureText(SignedRational r) {
  if (r.d == 0) return {};
  return "F" + FormatFixed(std::pow(std::sqrt(2.0), Quotient(r.n, r.d)), 1);
}

std::string RationalText(Reader& f, bool intel, const IfdEntry& e) {
  if (e.tag == kLensInfo) {
    double min_focal = 0, max_focal = 0;
    return LensInfoText(f, intel, e, min_focal, max_focal);
  }
  f.Seek(e.value_pos);
  switch (e.tag) {
    case kExposureTime:
      return ExposureTimeText(ReadSignedRational(f, intel));
    case kFNumber: {
      SignedRational r = ReadSignedRational(f, intel);
      if (r.d == 0) return {};
      return "F" + FormatFixed(Quotient(r.n, r.d), 1);
    }
    case kCompressedBitsPerPixel: {
      SignedRational r = ReadSignedRational(f, intel);
      return std::to_string(r.n) + "/" + std::to_string(r.d) + " (bit/pixel)";
    }
    case kApertureValue:
    case kMaxApertureValue:
      return ApexApertureText(ReadSignedRational(f, intel));
    case kBrightnessValue: {
      SignedRational r = ReadSignedRational(f, intel);
      if (r.d == 0 || r.d == -1) return kUnknownValue;
      return "EV" + FormatFixed(Quotient(r.n, r.d), 1);
    }
    case kSubjectDistance: {
      SignedRational r = ReadSignedRational(f, intel);
      if (r.d == 0) return kUnknownValue;
      if (r.d == -1) return "無限遠";
      return FormatFixed(Quotient(r.n, r.d), 2) + "(m)";
    }
    case kFocalLength:
    case kFocalLengthIn35mmFilm: {
      SignedRational r = ReadSignedRational(f, intel);
      if (r.d == 0) return kUnknownValue;
      return FormatFixed(Quotient(r.n, r.d), 2) + "(mm)";
    }
    default:
      return RationalList(f, intel, e);
  }
}

// ---- SRATIONAL ----

std::string SRationalText(Reader& f, bool intel, const IfdEntry& e) {
  f.Seek(e.value_pos);
  switch (e.tag) {
    case kShutterSpeedValue: {
      SignedRational r = ReadSignedRational(f, intel);
      const double v = Quotient(r.n, r.d);
      if (v > 0) return "1/" + std::to_string(RoundNearest(std::pow(2.0, v))) + kSeconds;
      return FormatFixed(std::pow(2.0, -v), 2) + kSeconds;
    }
    case kBrightnessValue: {
      SignedRational r = ReadSignedRational(f, intel);
      if (r.d == 0) return "--";
      return "EV" + FormatFixed(Quotient(r.n, r.d), 1);
    }
    case kExposureBiasValue: {
      SignedRational r = ReadSignedRational(f, intel);
      return "EV" + FormatFixed(Quotient(r.n, r.d), 1);
    }
    default:
      return RationalList(f, intel, e);
  }
}

// ---- UNDEFINED ----

// Four bytes of a version field: from the entry when the value fits in it.
std::string VersionBytes(Reader& f, const IfdEntry& e) {
  if (e.count <= 4) return std::string(reinterpret_cast<const char*>(e.field.data()), 4);
  f.Seek(e.value_pos);
  return ReadRaw(f, 4);
}

std::string ComponentsText(const IfdEntry& e) {
  static constexpr CodeText kComponents[] = {{1, "Y"}, {2, "Cb"}, {3, "Cr"},
                                             {4, "R"}, {5, "G"},  {6, "B"}};
  std::string out;
  for (uint8_t b : e.field)
    if (auto name = LookupCode(kComponents, b)) out += *name;
  return out;
}

std::string UndefinedText(Reader& f, bool intel, const IfdEntry& e) {
  switch (e.tag) {
    case kExifVersion:
    case kFlashpixVersion:
    case kMetadataVersionNumber:
      return VersionBytes(f, e);
    case kComponentsConfiguration:
      return ComponentsText(e);
    case kUserComment:
      return CharacterCodedText(f, intel, e, JisHandling::kConvert);
    case kCameraOwnerId:
      return CharacterCodedText(f, intel, e, JisHandling::kKeepRaw);
    case kFileSource:
      return e.field[0] == 3 ? std::string("DSC") : UnknownText(e.field[0]);
    case kSceneType:
      return e.field[0] == 1 ? std::string("直接撮影された画像") : UnknownText(e.field[0]);
    case kPrintImIfd:
      return std::to_string(e.count) + "Bytes";
    case kIccProfile:
    default:
      return CountBytes(e);
  }
}

}  // namespace

std::string LensInfoText(Reader& f, bool intel, const IfdEntry& e, double& min_focal,
                         double& max_focal) {
  f.Seek(e.value_pos);
  SignedRational shortest = ReadSignedRational(f, intel);
  const double min_mm = Quotient(shortest.n, shortest.d);
  std::string text = FormatFixed(min_mm, 1) + "-";
  min_focal = min_mm;
  SignedRational longest = ReadSignedRational(f, intel);
  if (longest.n == 0) longest.n = 10;
  if (longest.d != 0) {
    const double max_mm = Quotient(longest.n, longest.d);
    text += FormatFixed(max_mm, 1) + "(mm)";
    max_focal = max_mm;
  }
  SignedRational wide_f = ReadSignedRational(f, intel);
  if (wide_f.d != 0) text += "  F" + FormatFixed(Quotient(wide_f.n, wide_f.d), 1) + "-";
  SignedRational tele_f = ReadSignedRational(f, intel);
  if (tele_f.d != 0) text += "F" + FormatFixed(Quotient(tele_f.n, tele_f.d), 1);
  return text;
}

std::string CharacterCodedText(Reader& f, bool intel, const IfdEntry& e, JisHandling jis) {
  f.Seek(e.value_pos);
  const std::string code = ReadRaw(f, 8);
  const int64_t rest = int64_t{e.count} - 8;
  auto names = [&](const char* what) { return code.find(what) != std::string::npos; };
  if (names("JIS")) {
    std::string raw = ReadRaw(f, rest);
    return jis == JisHandling::kConvert ? text::JisEscapeToSjis(raw) : raw;
  }
  if (names("UNICODE")) return intel ? ReadUnicodeLE(f, rest) : ReadUnicodeBE(f, rest);
  if (names("ASCII")) return ReadRaw(f, rest);
  return ReadTextSkipNul(f, rest);
}

uint64_t ValueReadCost(const IfdEntry& e) {
  if (e.is_inline) return 0;
  switch (e.type) {
    case kTypeByte:
      return (e.tag == kXmlMetadata || e.tag == kIptcNaa || e.tag == kAdobeResource) ? 0
                                                                                   : e.ByteSize();
    case kTypeUndefined:
      return (e.tag == kUserComment || e.tag == kCameraOwnerId || e.tag == kMakerNote) ? e.ByteSize()
                                                                                  : 0;
    case kTypeAscii:
    case kTypeShort:
    case kTypeLong:
    case kTypeRational:
    case kTypeSShort:
    case kTypeSRational:
    case kTypeDouble:
      return e.ByteSize();
    default:
      return 0;
  }
}

std::string ValueText(Reader& f, bool intel, const IfdEntry& e) {
  switch (e.type) {
    case kTypeByte:
      return ByteText(f, e);
    case kTypeAscii:
      f.Seek(e.value_pos);
      return TrimTrailing(ReadTextSkipNul(f, e.count));
    case kTypeShort:
      return ShortText(f, intel, e);
    case kTypeLong:
      return LongText(f, intel, e);
    case kTypeRational:
      return RationalText(f, intel, e);
    case kTypeUndefined:
      return UndefinedText(f, intel, e);
    case kTypeSShort:
      return NumberList(f, intel, e, 2, true);
    case kTypeSRational:
      return SRationalText(f, intel, e);
    case kTypeDouble:
      return DoubleList(f, intel, e);
    default:
      // SBYTE, SLONG, FLOAT and unknown types have no text.
      return {};
  }
}

}  // namespace kelvane
