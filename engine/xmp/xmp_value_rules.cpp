#include "engine/xmp/xmp_value_rules.h"

#include <charconv>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/text/number_text.h"
#include "engine/text/vocabulary.h"
#include "engine/tiff/exif_rules.h"
#include "engine/tiff/exif_vocabularies.h"
#include "engine/tiff/exif_vocabularies_modern.h"

namespace kelvane::xmp {

namespace {

using namespace exif_vocab;

constexpr std::string_view kExif = "http://ns.adobe.com/exif/1.0/";
constexpr std::string_view kExifEx = "http://cipa.jp/exif/1.0/";
constexpr std::string_view kTiff = "http://ns.adobe.com/tiff/1.0/";
constexpr std::string_view kAux = "http://ns.adobe.com/exif/1.0/aux/";
constexpr std::string_view kPhotoshop = "http://ns.adobe.com/photoshop/1.0/";
constexpr std::string_view kXmpBasic = "http://ns.adobe.com/xap/1.0/";

// photoshop:ColorMode: the document modes of Adobe's Photoshop file format
// (the mode field of the file header).
constexpr CodeText kColorModes[] = {
    {0, "ビットマップ"}, {1, "グレースケール"}, {2, "インデックスカラー"}, {3, "RGB"},
    {4, "CMYK"},        {7, "マルチチャンネル"}, {8, "ダブルトーン"},      {9, "Lab"},
};
// photoshop:Urgency: IPTC's urgency, 1 the most urgent and 8 the least.
constexpr CodeText kUrgency[] = {
    {0, "なし"},   {1, "1 (最高)"}, {2, "2 (高)"}, {3, "3 (高)"}, {4, "4 (高)"},
    {5, "5 (普通)"}, {6, "6 (低)"},  {7, "7 (低)"}, {8, "8 (最低)"},
};
// The exif:Flash structure's fields (Exif 2.3 for XMP, 1.5.3).
constexpr CodeText kFlashReturn[] = {
    {0, "検出機能なし"}, {1, "予約"}, {2, "リターン不検出"}, {3, "リターン検出"},
};
constexpr CodeText kFlashMode[] = {
    {0, "不明"}, {1, "強制発光"}, {2, "発光禁止"}, {3, "自動"},
};
static_assert(IsWellFormedVocabulary(kColorModes));
static_assert(IsWellFormedVocabulary(kUrgency));
static_assert(IsWellFormedVocabulary(kFlashReturn));
static_assert(IsWellFormedVocabulary(kFlashMode));

enum class Rule {
  kCode,          // a whole number named by `codes`
  kExposureTime,  // "1/125"
  kShutterSpeed,  // APEX
  kFNumber,
  kAperture,      // APEX
  kFocalLength,
  kExposureBias,
  kLens,          // four rationals: the focal range and the F-numbers at it
  kFired,         // exif:Flash/exif:Fired
  kFunction,      // exif:Flash/exif:Function (True: no flash)
  kRedEye,        // exif:Flash/exif:RedEyeMode
  kDate,
};

struct ValueRule {
  std::string_view uri;
  std::string_view local;
  Rule rule;
  std::span<const CodeText> codes = {};
};

// One row per property, each with the Exif tag's own vocabulary or rule.
constexpr ValueRule kRules[] = {
    {kTiff, "Orientation", Rule::kCode, kOrientation},
    {kTiff, "Compression", Rule::kCode, kCompression},
    {kTiff, "PhotometricInterpretation", Rule::kCode, kPhotometric},
    {kTiff, "PlanarConfiguration", Rule::kCode, kPlanarConfiguration},
    {kTiff, "ResolutionUnit", Rule::kCode, kResolutionUnit},
    {kTiff, "YCbCrPositioning", Rule::kCode, kYCbCrPositioning},
    {kTiff, "DateTime", Rule::kDate},
    {kExif, "ExposureProgram", Rule::kCode, kExposureProgram},
    {kExif, "MeteringMode", Rule::kCode, kMeteringMode},
    {kExif, "LightSource", Rule::kCode, kLightSource},
    {kExif, "Flash", Rule::kCode, kFlash},
    {kExif, "Fired", Rule::kFired},
    {kExif, "Return", Rule::kCode, kFlashReturn},
    {kExif, "Mode", Rule::kCode, kFlashMode},
    {kExif, "Function", Rule::kFunction},
    {kExif, "RedEyeMode", Rule::kRedEye},
    {kExif, "SensingMethod", Rule::kCode, kSensingMethod},
    {kExif, "ColorSpace", Rule::kCode, kColorSpace},
    {kExif, "CustomRendered", Rule::kCode, kCustomRendered},
    {kExif, "ExposureMode", Rule::kCode, kExposureMode},
    {kExif, "WhiteBalance", Rule::kCode, kWhiteBalance},
    {kExif, "SceneCaptureType", Rule::kCode, kSceneCaptureType},
    {kExif, "GainControl", Rule::kCode, kGainControl},
    {kExif, "Contrast", Rule::kCode, kContrastSharpness},
    {kExif, "Sharpness", Rule::kCode, kContrastSharpness},
    {kExif, "Saturation", Rule::kCode, kSaturation},
    {kExif, "SubjectDistanceRange", Rule::kCode, kSubjectDistanceRange},
    {kExif, "FocalPlaneResolutionUnit", Rule::kCode, kResolutionUnit},
    {kExif, "SensitivityType", Rule::kCode, kSensitivityType},
    {kExif, "ExposureTime", Rule::kExposureTime},
    {kExif, "ShutterSpeedValue", Rule::kShutterSpeed},
    {kExif, "FNumber", Rule::kFNumber},
    {kExif, "ApertureValue", Rule::kAperture},
    {kExif, "MaxApertureValue", Rule::kAperture},
    {kExif, "FocalLength", Rule::kFocalLength},
    {kExif, "ExposureBiasValue", Rule::kExposureBias},
    {kExif, "DateTimeOriginal", Rule::kDate},
    {kExif, "DateTimeDigitized", Rule::kDate},
    {kExifEx, "SensitivityType", Rule::kCode, kSensitivityType},
    {kExifEx, "CompositeImage", Rule::kCode, kCompositeImage},
    {kExifEx, "LensSpecification", Rule::kLens},
    {kAux, "LensInfo", Rule::kLens},
    {kPhotoshop, "ColorMode", Rule::kCode, kColorModes},
    {kPhotoshop, "Urgency", Rule::kCode, kUrgency},
    {kPhotoshop, "DateCreated", Rule::kDate},
    {kXmpBasic, "CreateDate", Rule::kDate},
    {kXmpBasic, "ModifyDate", Rule::kDate},
    {kXmpBasic, "MetadataDate", Rule::kDate},
};

std::string_view Trimmed(std::string_view v) {
  while (!v.empty() && (v.front() == ' ' || v.front() == '\t' || v.front() == '\n')) v.remove_prefix(1);
  while (!v.empty() && (v.back() == ' ' || v.back() == '\t' || v.back() == '\n')) v.remove_suffix(1);
  return v;
}

std::optional<int64_t> Whole(std::string_view v) {
  v = Trimmed(v);
  if (!v.empty() && v.front() == '+') v.remove_prefix(1);
  int64_t n = 0;
  const auto [end, error] = std::from_chars(v.data(), v.data() + v.size(), n);
  if (error != std::errc() || end != v.data() + v.size()) return std::nullopt;
  return n;
}

// "n/d", or a whole number (d = 1).
std::optional<SignedRational> RationalOf(std::string_view v) {
  v = Trimmed(v);
  const size_t slash = v.find('/');
  const auto n = Whole(v.substr(0, slash));
  const auto d = slash == std::string_view::npos ? std::optional<int64_t>(1) : Whole(v.substr(slash + 1));
  if (!n || !d || *n < INT32_MIN || *n > INT32_MAX || *d < INT32_MIN || *d > INT32_MAX)
    return std::nullopt;
  return SignedRational{static_cast<int32_t>(*n), static_cast<int32_t>(*d)};
}

std::optional<bool> Boolean(std::string_view v) {
  v = Trimmed(v);
  if (v == "True" || v == "true") return true;
  if (v == "False" || v == "false") return false;
  return std::nullopt;
}

std::string Shortest(double v) { return FormatGeneral(v); }

// "18-250mm F3.5-6.3"; a fixed focal length or aperture shows one number.
std::optional<std::string> LensText(std::string_view v) {
  std::vector<SignedRational> parts;
  v = Trimmed(v);
  while (!v.empty() && parts.size() < 5) {
    const size_t space = v.find_first_of(" ,");
    const auto r = RationalOf(v.substr(0, space));
    if (!r || r->d == 0) return std::nullopt;
    parts.push_back(*r);
    if (space == std::string_view::npos) break;
    v = Trimmed(v.substr(space + 1));
  }
  if (parts.size() != 4) return std::nullopt;
  auto number = [](SignedRational r) { return Shortest(Quotient(r.n, r.d)); };
  auto range = [&](SignedRational a, SignedRational b) {
    return number(a) == number(b) ? number(a) : number(a) + "-" + number(b);
  };
  std::string text = range(parts[0], parts[1]) + "mm";
  if (parts[2].n != 0) text += " F" + range(parts[2], parts[3]);
  return text;
}

// "2023-02-21T14:33:08.5+09:00" as the Exif rows show a date:
// "2023:02:21 14:33:08.5+09:00". A value of another form keeps its text.
std::optional<std::string> DateText(std::string_view v) {
  v = Trimmed(v);
  auto digits = [&](size_t at, size_t n) {
    if (at + n > v.size()) return false;
    for (size_t i = at; i < at + n; ++i)
      if (v[i] < '0' || v[i] > '9') return false;
    return true;
  };
  if (!digits(0, 4)) return std::nullopt;
  std::string out(v.substr(0, 4));
  size_t at = 4;
  for (int field = 0; field < 2 && at < v.size(); ++field) {
    if (v[at] != '-' || !digits(at + 1, 2)) return std::nullopt;
    out += ':';
    out += v.substr(at + 1, 2);
    at += 3;
  }
  if (at < v.size()) {
    if (v[at] != 'T') return std::nullopt;
    out += ' ';
    out += v.substr(at + 1);
  }
  if (out.size() == v.size() && out.find(':') == std::string::npos) return std::nullopt;
  return out;
}

std::optional<std::string> Apply(const ValueRule& rule, std::string_view value) {
  try {
    switch (rule.rule) {
      case Rule::kCode: {
        const auto code = Whole(value);
        if (!code) return std::nullopt;
        if (auto text = LookupCode(rule.codes, *code)) return std::string(*text);
        return std::nullopt;
      }
      case Rule::kExposureTime:
      case Rule::kShutterSpeed:
      case Rule::kFNumber:
      case Rule::kAperture:
      case Rule::kFocalLength:
      case Rule::kExposureBias: {
        const auto r = RationalOf(value);
        if (!r || r->d == 0) return std::nullopt;
        std::string text;
        switch (rule.rule) {
          case Rule::kExposureTime: text = ExposureTimeText(*r); break;
          case Rule::kShutterSpeed: text = ApexExposureText(*r); break;
          case Rule::kFNumber: text = FNumberText(*r); break;
          case Rule::kAperture: text = ApexApertureText(*r); break;
          case Rule::kFocalLength: text = FocalLengthText(*r); break;
          default: text = ExposureBiasText(*r); break;
        }
        if (text.empty()) return std::nullopt;
        return text;
      }
      case Rule::kLens:
        return LensText(value);
      case Rule::kFired:
      case Rule::kFunction:
      case Rule::kRedEye: {
        const auto b = Boolean(value);
        if (!b) return std::nullopt;
        if (rule.rule == Rule::kFired) return std::string(*b ? "発光" : "非発光");
        if (rule.rule == Rule::kFunction) return std::string(*b ? "フラッシュなし" : "フラッシュあり");
        return std::string(*b ? "赤目軽減あり" : "赤目軽減なし");
      }
      case Rule::kDate:
        return DateText(value);
    }
  } catch (const FloatError&) {
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> XmpValueText(std::string_view uri, std::string_view local,
                                        std::string_view value) {
  for (const ValueRule& rule : kRules)
    if (rule.local == local && rule.uri == uri) return Apply(rule, value);
  return std::nullopt;
}

std::optional<std::string> XmpValueTextOfPath(std::string_view path, std::string_view value) {
  // A step is the namespace URI, \x01 and the local name; steps are joined
  // by "/", and local names hold no "/".
  const size_t mark = path.rfind('\x01');
  if (mark == std::string_view::npos) return std::nullopt;
  const std::string_view local = path.substr(mark + 1);
  size_t uri_start = 0;
  const size_t previous = mark == 0 ? std::string_view::npos : path.rfind('\x01', mark - 1);
  if (previous != std::string_view::npos) {
    const size_t slash = path.find('/', previous);
    if (slash == std::string_view::npos || slash > mark) return std::nullopt;
    uri_start = slash + 1;
  }
  return XmpValueText(path.substr(uri_start, mark - uri_start), local, value);
}

}  // namespace kelvane::xmp
