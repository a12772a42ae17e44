#include "engine/tiff/exif_rules.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>

#include "engine/reader/primitives.h"
#include "engine/text/jis.h"
#include "engine/text/number_text.h"
#include "engine/text/text_list.h"
#include "engine/text/vocabulary.h"

namespace kelvane {

namespace {

constexpr const char* kUnknownValue = "不明";
constexpr const char* kSeconds = "秒";
constexpr uint32_t kCompressionOldJpeg = 6;
constexpr uint32_t kListedByTagsLimit = 24;

SignedRational ReadSignedRational(Reader& f, bool intel) {
  uint32_t n = 0, d = 0;
  ReadRational(f, intel, n, d);
  return {static_cast<int32_t>(n), static_cast<int32_t>(d)};
}

// The value's first rational, signed.
SignedRational FirstRational(TiffWalk& w, const IfdEntry& e) {
  w.f.Seek(ValuePos(e));
  return ReadSignedRational(w.f, w.intel);
}

uint32_t Clamp32(uint64_t v) {
  return static_cast<uint32_t>(std::min<uint64_t>(v, std::numeric_limits<uint32_t>::max()));
}

// ---- plain texts by type ----

std::string NumberList(Reader& f, bool intel, const IfdEntry& e, int size, bool is_signed) {
  TextList list(",", e.count);
  for (uint32_t v : ReadNumbers(f, intel, ValuePos(e), e.count, size)) {
    if (list.Full()) break;
    if (!is_signed)
      list.AddNumber(v);
    else if (size == 1)
      list.AddNumber(static_cast<int8_t>(v));
    else if (size == 2)
      list.AddNumber(static_cast<int16_t>(v));
    else
      list.AddNumber(static_cast<int32_t>(v));
  }
  return list.Take();
}

std::string RationalList(Reader& f, bool intel, const IfdEntry& e) {
  const ValueNumbers words = ReadNumbers(f, intel, ValuePos(e), uint64_t{e.count} * 2, 4);
  TextList list(",", e.count);
  for (size_t i = 0; i + 1 < words.size() && !list.Full(); i += 2)
    list.AddFraction(static_cast<int32_t>(words[i]), static_cast<int32_t>(words[i + 1]));
  return list.Take();
}

// Each FLOAT in its shortest form.
std::string FloatList(Reader& f, bool intel, const IfdEntry& e) {
  TextList list(",", e.count);
  for (uint32_t bits : ReadNumbers(f, intel, ValuePos(e), e.count, 4)) {
    if (list.Full()) break;
    list.Add(FormatShortest(std::bit_cast<float>(bits)));
  }
  return list.Take();
}

std::string DoubleList(Reader& f, bool intel, const IfdEntry& e) {
  f.Seek(ValuePos(e));
  if (f.Remaining() < e.ByteSize()) throw ReadError("double list past the end of the file");
  TextList list(",", e.count);
  for (uint32_t i = 0; i < e.count && !list.Full(); ++i) list.Add(FormatGeneral(ReadDouble(f, intel)));
  return list.Take();
}

std::string AsciiText(Reader& f, const IfdEntry& e) {
  f.Seek(ValuePos(e));
  return ReadAsciiValue(f, e.count);
}

// An exposure of `seconds`, whose reciprocal `per_second` the caller gives
// as exactly as it has it (it is not used for a second or more): a second or more with two decimals ("2.00秒"),
// a shorter time as a fraction of a second ("1/125秒", "1/3.3秒"). Both
// ExposureTime and ShutterSpeedValue are shown by it, so that the two rows
// of one photo agree.
std::string ExposureText(double seconds, double per_second) {
  if (seconds >= 1) return FormatFixed(seconds, 2) + kSeconds;
  const int64_t whole = RoundNearest(per_second);
  if (per_second - static_cast<double>(whole) == 0) return "1/" + std::to_string(whole) + kSeconds;
  return "1/" + FormatFixed(per_second, 1) + kSeconds;
}

}  // namespace

std::string ExposureTimeText(SignedRational r) {
  if (r.d == 0 || r.d == -1) return kUnknownValue;
  if (r.n == 0) return {};  // no time, shorter than a second
  return ExposureText(Quotient(r.n, r.d), Quotient(r.d, r.n));
}

// The exposure time of an APEX shutter speed v = n/d: 2^-v seconds. The
// value stands for every time whose APEX value is v to the digits it was
// written with (half of 1/d): 1/125 s is written 6.965784 or 697/100, and
// 2^6.965784 is 124.99997, 2^6.97 125.37. When a whole number of seconds,
// or a whole reciprocal, is among those times, the time is that number.
std::string ApexExposureText(SignedRational r) {
  const double v = Quotient(r.n, r.d);
  const double tolerance = 0.5 / std::fabs(static_cast<double>(r.d));
  // x = 2^apex, apex >= 0
  auto whole_if_written = [&](double x, double apex) {
    if (!std::isfinite(x)) return x;
    const double nearest = std::nearbyint(x);
    if (nearest >= 1 && std::fabs(std::log2(nearest) - apex) <= tolerance) return nearest;
    return x;
  };
  const double seconds = std::pow(2.0, -v);
  if (seconds >= 1) return ExposureText(whole_if_written(seconds, -v), 1);
  // A reciprocal that shows as x.0 is the whole x: an APEX time is no more
  // exact than its one decimal, and "1/20.0秒" beside an ExposureTime of
  // "1/20秒" would read as two different times.
  double per_second = whole_if_written(std::pow(2.0, v), v);
  if (std::isfinite(per_second) && std::nearbyint(per_second * 10) == std::nearbyint(per_second) * 10)
    per_second = std::nearbyint(per_second);
  return ExposureText(seconds, per_second);
}

std::string FNumberText(SignedRational r) {
  if (r.d == 0) return {};
  return "F" + FormatFixed(Quotient(r.n, r.d), 1);
}

std::string ApexApertureText(SignedRational r) {
  if (r.d == 0) return {};
  return "F" + FormatFixed(std::pow(std::sqrt(2.0), Quotient(r.n, r.d)), 1);
}

std::string FocalLengthText(SignedRational r) {
  if (r.d == 0) return kUnknownValue;
  return FormatFixed(Quotient(r.n, r.d), 2) + "(mm)";
}

std::string ExposureBiasText(SignedRational r) { return "EV" + FormatFixed(Quotient(r.n, r.d), 1); }

namespace {

// A LONG that stands for an offset, a length or a count: also stored as
// SLONG or as IFD by some writers.
bool IsLongLike(const IfdEntry& e) {
  return e.type == kTypeLong || e.type == kTypeSLong || e.type == kTypeIfd;
}

// SHORT: the first value; LONG: the last value of the list.
uint32_t ImageNumber(TiffWalk& w, const IfdEntry& e) {
  if (IsLongLike(e) && e.count > 1) {
    w.f.Seek(ValuePos(e) + (uint64_t{e.count} - 1) * 4);
    return ReadLong(w.f, w.intel);
  }
  return FirstNumber(w.f, w.intel, e);
}

// The image facts are read from a SHORT, or a LONG or SLONG as a SHORT
// would be.
bool IsShortOrLong(const IfdEntry& e) {
  return e.type == kTypeShort || e.type == kTypeLong || e.type == kTypeSLong;
}

// A pointer's value (LONG, SLONG or IFD), or nothing for another type.
void NoteLong(TiffWalk& w, const IfdEntry& e, uint32_t& to) {
  if (IsLongLike(e)) to = FirstNumber(w.f, w.intel, e);
}

void ListIFD(TempData& temp, uint32_t limit, uint32_t offset, std::string name) {
  if (temp.SubIFDCount >= limit) return;
  temp.SubIFDOffset[temp.SubIFDCount] = offset;
  temp.SubIFDName[temp.SubIFDCount] = std::move(name);
  ++temp.SubIFDCount;
}

// A list of IFD offsets (LONG, SLONG or IFD), each listed under the
// caption `name(i)`.
template <typename Caption>
void ListIFDs(TiffWalk& w, const IfdEntry& e, Caption caption) {
  if (!IsLongLike(e)) return;
  const ValueNumbers offsets = ReadNumbers(w.f, w.intel, ValuePos(e), e.count, 4);
  for (size_t i = 0; i < offsets.size(); ++i)
    ListIFD(w.temp, kListedByTagsLimit, offsets[i], caption(i));
}

}  // namespace

std::string PlainIfdText(Reader& f, bool intel, const IfdEntry& e) {
  switch (e.type) {
    case kTypeByte:
      return HexBytes(ValueBytes(f, e));
    case kTypeAscii:
    case kTypeUtf8:
      return AsciiText(f, e);
    case kTypeShort:
      return NumberList(f, intel, e, 2, false);
    case kTypeLong:
      return NumberList(f, intel, e, 4, true);
    case kTypeRational:
    case kTypeSRational:
      return RationalList(f, intel, e);
    case kTypeUndefined:
      return std::to_string(e.count) + " Bytes";
    case kTypeSShort:
      return NumberList(f, intel, e, 2, true);
    case kTypeDouble:
      return DoubleList(f, intel, e);
    case kTypeSByte:
      return NumberList(f, intel, e, 1, true);
    case kTypeSLong:
      return NumberList(f, intel, e, 4, true);
    case kTypeFloat:
      return FloatList(f, intel, e);
    case kTypeIfd:
      return NumberList(f, intel, e, 4, false);
    default:
      // Types TIFF does not define have no text.
      return {};
  }
}

uint64_t PlainIfdCost(const IfdEntry& e) {
  if (e.is_inline) return 0;
  switch (e.type) {
    case kTypeByte:
    case kTypeAscii:
    case kTypeUtf8:
    case kTypeShort:
    case kTypeLong:
    case kTypeRational:
    case kTypeSShort:
    case kTypeSRational:
    case kTypeDouble:
    case kTypeSByte:
    case kTypeSLong:
    case kTypeFloat:
    case kTypeIfd:
      return e.ByteSize();
    default:
      return 0;
  }
}

std::string LensInfoText(Reader& f, bool intel, const IfdEntry& e, double& min_focal,
                         double& max_focal) {
  f.Seek(ValuePos(e));
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
  f.Seek(ValuePos(e));
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

namespace ifd_rule {

std::string OffsetAndBytes(TiffWalk&, const IfdEntry& e) {
  return "Offset:" + std::to_string(e.value_offset) + " (" + std::to_string(e.count) + "byte)";
}

std::string DottedBytes(TiffWalk& w, const IfdEntry& e) {
  TextList list(".");
  for (char c : ValueBytes(w.f, e)) list.AddNumber(static_cast<uint8_t>(c));
  return list.Take();
}

std::string TiffEpVersion(TiffWalk& w, const IfdEntry& e) {
  std::string value = DottedBytes(w, e);
  w.result.VersionText = "EP" + value;
  return value;
}

std::string PlaneColours(TiffWalk& w, const IfdEntry& e) {
  static constexpr CodeText kPlaneColours[] = {{0, "R"}, {1, "G"}, {2, "B"}};
  std::string out;
  for (char c : ValueBytes(w.f, e)) {
    auto b = static_cast<uint8_t>(c);
    auto colour = LookupCode(kPlaneColours, b);
    out += colour ? std::string(*colour) : std::to_string(b);
  }
  return out;
}

std::string Make(TiffWalk& w, const IfdEntry& e) {
  std::string value = AsciiText(w.f, e);
  if (w.makers) w.makers->FromMake(value, w.maker_code);
  return value;
}

// Copyright: the photographer's notice, a NUL, then the editor's (Exif
// keeps both in one value); both are shown, so the editor's is not lost.
std::string Copyright(TiffWalk& w, const IfdEntry& e) {
  w.f.Seek(ValuePos(e));
  const std::string bytes = ReadRaw(w.f, e.count);
  const size_t nul = bytes.find('\0');
  const std::string photographer = AsciiValue(std::string_view(bytes).substr(0, nul));
  const std::string editor =
      nul == std::string::npos ? std::string() : AsciiValue(std::string_view(bytes).substr(nul + 1));
  const bool blank = photographer.find_first_not_of(' ') == std::string::npos;
  if (editor.empty()) return photographer;
  return blank ? editor : photographer + " / " + editor;
}

std::string Model(TiffWalk& w, const IfdEntry& e) {
  std::string value = AsciiText(w.f, e);
  w.result.Model = value;
  if (w.makers) w.makers->FromModel(value, w.maker_code, w.result);
  return value;
}

std::string SubSampling(TiffWalk& w, const IfdEntry& e) {
  if (e.count < 2) return NumberList(w.f, w.intel, e, 2, false);
  w.f.Seek(ValuePos(e));
  const uint16_t horizontal = ReadWord(w.f, w.intel);
  const uint16_t vertical = ReadWord(w.f, w.intel);
  if (horizontal == 2 && vertical == 1) return "YCbCr 4:2:2";
  if (horizontal == 2 && vertical == 2) return "YCbCr 4:2:0";
  return std::to_string(horizontal) + "," + std::to_string(vertical);
}

std::string FocalLength35(TiffWalk& w, const IfdEntry& e) {
  if (e.type == kTypeShort) return std::to_string(FirstNumber(w.f, w.intel, e)) + "(mm)";
  return FocalLength(w, e);
}

std::string OffsetList(TiffWalk& w, const IfdEntry& e) {
  return "Offset:" + PlainIfdText(w.f, w.intel, e);
}

std::string OffsetOnly(TiffWalk&, const IfdEntry& e) {
  return "Offset:" + std::to_string(e.value_offset);
}

std::string ExposureTime(TiffWalk& w, const IfdEntry& e) {
  return ExposureTimeText(FirstRational(w, e));
}

std::string FNumber(TiffWalk& w, const IfdEntry& e) { return FNumberText(FirstRational(w, e)); }

std::string BitsPerPixel(TiffWalk& w, const IfdEntry& e) {
  const SignedRational r = FirstRational(w, e);
  return std::to_string(r.n) + "/" + std::to_string(r.d) + " (bit/pixel)";
}

std::string ApexAperture(TiffWalk& w, const IfdEntry& e) {
  return ApexApertureText(FirstRational(w, e));
}

std::string SubjectDistance(TiffWalk& w, const IfdEntry& e) {
  const SignedRational r = FirstRational(w, e);
  if (r.d == 0) return kUnknownValue;
  if (r.d == -1) return "無限遠";
  return FormatFixed(Quotient(r.n, r.d), 2) + "(m)";
}

std::string FocalLength(TiffWalk& w, const IfdEntry& e) { return FocalLengthText(FirstRational(w, e)); }

std::string LensInfo(TiffWalk& w, const IfdEntry& e) {
  return LensInfoText(w.f, w.intel, e, w.temp.LensMinFocal, w.temp.LensMaxFocal);
}

// RATIONAL: an unknown brightness is "不明"; SRATIONAL: "--".
std::string Brightness(TiffWalk& w, const IfdEntry& e) {
  const SignedRational r = FirstRational(w, e);
  if (e.type == kTypeRational) {
    if (r.d == 0 || r.d == -1) return kUnknownValue;
  } else if (r.d == 0) {
    return "--";
  }
  return "EV" + FormatFixed(Quotient(r.n, r.d), 1);
}

std::string ShutterSpeed(TiffWalk& w, const IfdEntry& e) {
  return ApexExposureText(FirstRational(w, e));
}

std::string ExposureBias(TiffWalk& w, const IfdEntry& e) {
  return ExposureBiasText(FirstRational(w, e));
}

// Four bytes of a version field: from the entry when the value fits in it.
std::string VersionBytes(TiffWalk& w, const IfdEntry& e) {
  if (e.count <= 4) return std::string(reinterpret_cast<const char*>(e.field.data()), 4);
  w.f.Seek(ValuePos(e));
  return ReadRaw(w.f, 4);
}

std::string Components(TiffWalk&, const IfdEntry& e) {
  static constexpr CodeText kComponents[] = {{1, "Y"}, {2, "Cb"}, {3, "Cr"},
                                             {4, "R"}, {5, "G"},  {6, "B"}};
  std::string out;
  for (uint8_t b : e.field)
    if (auto name = LookupCode(kComponents, b)) out += *name;
  return out;
}

std::string UserComment(TiffWalk& w, const IfdEntry& e) {
  return CharacterCodedText(w.f, w.intel, e, JisHandling::kConvert);
}

std::string CameraOwner(TiffWalk& w, const IfdEntry& e) {
  return CharacterCodedText(w.f, w.intel, e, JisHandling::kKeepRaw);
}

std::string FileSource(TiffWalk&, const IfdEntry& e) {
  return e.field[0] == 3 ? std::string("DSC") : UnknownText(e.field[0]);
}

std::string SceneType(TiffWalk&, const IfdEntry& e) {
  return e.field[0] == 1 ? std::string("直接撮影された画像") : UnknownText(e.field[0]);
}

std::string ByteCount(TiffWalk&, const IfdEntry& e) { return std::to_string(e.count) + "Bytes"; }

std::string MakerNote(TiffWalk& w, const IfdEntry& e) {
  if (!w.makers) return PlainIfdText(w.f, w.intel, e);
  w.f.Seek(ValuePos(e));
  return w.makers->Locate(w.f, w.intel, w.base, e.value_offset, Clamp32(e.ByteSize()),
                          w.maker_code, w.result);
}

std::string DngPrivateData(TiffWalk& w, const IfdEntry& e) {
  std::string text = PlainIfdText(w.f, w.intel, e);
  // Only a note the file holds whole is looked at: a block past the end
  // keeps its row as it is.
  if (!w.makers || e.ByteSize() < 10 || ValuePos(e) + e.ByteSize() > w.f.Size()) return text;
  w.f.Seek(ValuePos(e));
  const std::string head = ReadRaw(w.f, 8);
  if (head == std::string_view("PENTAX \0", 8) || head.substr(0, 4) == std::string_view("AOC\0", 4)) {
    w.f.Seek(ValuePos(e));
    w.makers->Locate(w.f, w.intel, w.base, e.value_offset, Clamp32(e.ByteSize()), w.maker_code,
                     w.result);
  }
  return text;
}

}  // namespace ifd_rule

namespace ifd_note {

void ExifIFD(TiffWalk& w, const IfdEntry& e) { NoteLong(w, e, w.result.ExifIFD); }
void GpsIFD(TiffWalk& w, const IfdEntry& e) { NoteLong(w, e, w.result.GPSIFD); }
void InteropIFD(TiffWalk& w, const IfdEntry& e) { NoteLong(w, e, w.result.InteropIFD); }
void ThumbOffset(TiffWalk& w, const IfdEntry& e) { NoteLong(w, e, w.result.ThumbOffset); }
void ThumbLength(TiffWalk& w, const IfdEntry& e) { NoteLong(w, e, w.result.ThumbLength); }
void NewSubFileType(TiffWalk& w, const IfdEntry& e) { NoteLong(w, e, w.temp.NewSubFileType); }

void Compression(TiffWalk& w, const IfdEntry& e) {
  if (!IsShortOrLong(e)) return;
  const uint32_t compression = FirstNumber(w.f, w.intel, e);
  w.old_jpeg = compression == kCompressionOldJpeg;
  w.temp.Compression = static_cast<uint16_t>(compression);
}

void ImageWidth(TiffWalk& w, const IfdEntry& e) {
  if (IsShortOrLong(e)) w.temp.ImageWidth = ImageNumber(w, e);
}

void ImageLength(TiffWalk& w, const IfdEntry& e) {
  if (IsShortOrLong(e)) w.temp.ImageLength = ImageNumber(w, e);
}

void Photometric(TiffWalk& w, const IfdEntry& e) {
  if (IsShortOrLong(e)) w.temp.Photometric = static_cast<uint8_t>(ImageNumber(w, e));
}

// With old-style JPEG compression the strip is the thumbnail.
void StripOffsets(TiffWalk& w, const IfdEntry& e) {
  if (!IsShortOrLong(e)) return;
  w.temp.StripOffset = ImageNumber(w, e);
  if (w.old_jpeg) w.result.ThumbOffset = w.temp.StripOffset;
}

void StripByteCounts(TiffWalk& w, const IfdEntry& e) {
  if (!IsShortOrLong(e)) return;
  w.temp.StripByteCount = ImageNumber(w, e);
  if (w.old_jpeg) w.result.ThumbLength = w.temp.StripByteCount;
}

void Orientation(TiffWalk& w, const IfdEntry& e) {
  if (!IsShortOrLong(e)) return;
  const uint32_t orientation = FirstNumber(w.f, w.intel, e);
  w.result.Rotation = (orientation == 6 || orientation == 7) ? 1 : orientation == 8 ? 3 : 0;
  w.result.OrientationPos = ValuePos(e);
}

void FocalLength(TiffWalk& w, const IfdEntry& e) {
  if (e.type != kTypeRational) return;
  const SignedRational r = FirstRational(w, e);
  w.result.FocalLength = r.d == 0 ? 0.0f : static_cast<float>(static_cast<double>(r.n) / r.d);
}

void SubIFDs(TiffWalk& w, const IfdEntry& e) {
  ListIFDs(w, e, [](size_t i) { return "SubIFD(" + std::to_string(i) + ")"; });
}

void GlobalParameterIFD(TiffWalk& w, const IfdEntry& e) {
  ListIFDs(w, e, [](size_t i) { return "GlobalParameterIFD(" + std::to_string(i) + ")"; });
}

void KodakSpecialEffectsIFD(TiffWalk& w, const IfdEntry& e) {
  ListIFDs(w, e, [](size_t) { return std::string("KodakSpecialEffects IFD"); });
}

void KodakBordersIFD(TiffWalk& w, const IfdEntry& e) {
  ListIFDs(w, e, [](size_t) { return std::string("KodakBorders IFD"); });
}

void KodakCameraInfoIFD(TiffWalk& w, const IfdEntry& e) {
  if (IsLongLike(e)) w.temp.KodakCameraInfoIFD = ImageNumber(w, e);
}

void IptcBlock(TiffWalk& w, const IfdEntry& e) {
  w.temp.IPTCPos = static_cast<uint64_t>(e.value_pos);
  w.temp.IPTCSize = Clamp32(e.ByteSize());
}

void AdobeResource(TiffWalk& w, const IfdEntry& e) {
  if (e.type != kTypeByte) return;
  w.temp.PhotoshopPos = static_cast<uint64_t>(e.value_pos);
  w.temp.PhotoshopCount = e.count;
}

// The first XMP packet of the walks is the one shown.
void XmpPacket(TiffWalk& w, const IfdEntry& e) {
  if (w.temp.XmpPos != 0 || e.value_pos <= 0 || (e.type != kTypeByte && e.type != kTypeUndefined))
    return;
  w.temp.XmpPos = static_cast<uint64_t>(e.value_pos);
  w.temp.XmpLength = e.count;
}

void IccProfile(TiffWalk& w, const IfdEntry& e) {
  if (e.type != kTypeUndefined) return;
  w.temp.ICCOffset = e.value_offset;
  w.temp.ICCSize = Clamp32(e.ByteSize());
}

void PrintImIFD(TiffWalk& w, const IfdEntry& e) {
  if (e.type == kTypeUndefined) ListIFD(w.temp, kListedIFDCapacity, e.value_offset, "PrintIM IFD");
}

void EmbeddedJpeg(TiffWalk& w, const IfdEntry& e) {
  if (e.type != kTypeUndefined || e.is_inline) return;
  w.temp.PreviewOffset = e.value_offset;
  w.temp.PreviewLength = e.count;
}

}  // namespace ifd_note

}  // namespace kelvane
