#include "engine/makernote/maker_dispatch.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "engine/makernote/maker_code.h"
#include "engine/reader/primitives.h"

namespace kelvane {

namespace {

using enum MakerCode;

struct TextTest {
  std::string_view text;
  MakerCode code;
};

bool Contains(std::string_view s, std::string_view what) { return s.find(what) != s.npos; }
bool StartsWith(std::string_view s, std::string_view what) { return s.substr(0, what.size()) == what; }

// Make: the first test that matches wins.
constexpr TextTest kMakeContains[] = {
    {"RICOH", kRicohGeneral}, {"CASIO", kCasio}, {"Canon", kCanon}, {"TOSHIBA", kToshibaHex},
    {"Kodak", kKodak}, {"SONY", kSonyPlain},
    // Notes with no header of their own: only the maker tells them.
    {"SAMSUNG", kSamsung}, {"samsung", kSamsung}, {"DJI", kDji},
};

// Model: Nikon bodies whose notes are a plain IFD.
constexpr std::string_view kNikonPrefixes[] = {
    "E990", "E995",  "E885",  "E775",  "E5000",     "E2500",       "E5700",
    "E4500", "E2000", "NIKON D1", "NIKON D2", "NIKON D70", "Mod NIKON D1",
};

constexpr std::string_view kDimageModels[] = {
    "DiMAGE A", "DiMAGE Z", "DiMAGE 7",        "DiMAGE S",
    "DiMAGE F", "DiMAGE 5", "ALPHA-7 DIGITAL", "Dimage 2330 Zoom",
};

// Model: each of these tests runs; a later match overrides an earlier one.
struct ModelTest {
  std::string_view text;
  bool prefix;  // the model starts with the text (else: contains it)
  MakerCode code;
  std::string_view unless = {};  // a model containing this text does not match
};
constexpr ModelTest kModelTests[] = {
    // "EOS D" names the Kodak-made EOS D2000 and D6000; Canon's own "EOS
    // DIGITAL REBEL" bodies write a Canon note.
    {"EOS D", false, kKodakEos, "EOS DIGITAL"},
    {"EOS D30", false, kCanon},
    {"Canon EOS D60", true, kCanon},
    {"KODAK DC4800", false, kKodakDc4800},
    {"DS-230HD", false, kFujifilm230},
    {"PENTAX Optio 330", false, kPentax},
    {"PENTAX Optio 430", false, kPentax},
    {"SP-1500", false, kFdi},
    {"Caplio", false, kRicoh},
    {"RDC-7S", false, kRicohRdc},
    {"RDC-i500", false, kRicoh},
    {"NIKON D100", false, kNikonEmbedded},
    {"PDR-3310", false, kKyocera},
    {"PDR-3300", false, kKyocera},
    {"PDRM81", false, kToshiba},
    {"PDR-M25", false, kToshibaM25},
};

// Signatures whose notes keep their IFD 8 bytes in and whose MakerNote row
// shows the absolute offset of the note.
constexpr struct {
  std::string_view signature;
  MakerCode code;
  std::string_view name;
} kOlympusStyle[] = {
    {"AGFA ", kOlympus, "AGFA"}, {"OLYMP", kOlympus, "Olympus"}, {"EPSON", kEpson, "EPSON"}, {"SANYO", kSanyo, "SANYO"},
};

// Signatures of the scan that need no further reading.
constexpr struct {
  std::string_view signature;
  MakerCode code;
  uint32_t ifd;  // the IFD's offset inside the note
  std::string_view name;
} kPlainSignatures[] = {
    {"SONY ", kSony, 12, "SONY"},     {"KDK00", kKodakEos, 17, "KDK"},    {"KYOCE", kKyocera, 22, "KYOCERA"},
    {"Panas", kPanasonic, 12, "Panasonic"}, {"LEICA", kPanasonic, 8, "LEICA"},  {"KONIC", kKonica, 22, "KONICA"},
};

// Newer Olympus and OM System notes: a signature, the note's own byte
// order ("II" or "MM") and a version word, then the IFD; their offsets
// count from the note's first byte.
constexpr struct {
  std::string_view signature;  // with its NULs
  uint32_t ifd;                // the IFD's offset inside the note
  std::string_view name;
} kOwnOrderSignatures[] = {
    {{"OLYMPUS\0", 8}, 12, "OLYMPUS"},
    {{"OM SYSTEM\0\0\0", 12}, 16, "OM SYSTEM"},
};

// Phones' notes that start with a signature: the byte order is the file's
// unless the note names its own at `order_at`.
constexpr struct {
  std::string_view signature;  // with its NULs
  MakerCode code;
  uint32_t ifd;       // the IFD's offset inside the note
  uint32_t order_at;  // where "II" or "MM" stands (0: none)
  std::string_view name;
} kPhoneSignatures[] = {
    {{"Apple iOS\0", 10}, kApple, 14, 12, "Apple iOS"},
    {{"MOT\0", 4}, kMotorola, 8, 0, "Motorola"},
};

// Huawei's notes: the signature, then a TIFF header of their own whose
// offsets the note's values count from.
constexpr std::string_view kHuaweiSignature{"HUAWEI\0\0", 8};

// A note that is text, not a directory, is shown as its text, up to this
// many bytes.
constexpr uint32_t kMaxTextNote = 1000;
constexpr size_t kMinTextNote = 16;

// Pentax notes (see Locator::Pentax).
constexpr struct {
  std::string_view signature;  // with its NULs
  MakerCode code;
  bool any_order;              // other bytes than "II"/"MM": the file's order
  std::string_view name;
} kPentaxForms[] = {
    {{"AOC\0", 4}, kPentaxAoc, true, "PENTAX"},
    {{"PENTAX \0", 8}, kPentaxNew, false, "PENTAX"},
};

constexpr uint32_t kSigmaIntel = 256;
constexpr uint32_t kSigmaMotorola = 1;
constexpr uint32_t kFujifilmMaxIfd = 30;

// Nikon's embedded-header version words: 2 (D100) and 4098 (0x1002).
bool IsNikonEmbeddedVersion(uint32_t version) { return version == 2 || version == 4098; }

// The maker-note locator at work for one MakerNote entry.
class Locator {
 public:
  Locator(Reader& f, bool intel, uint32_t base, uint32_t offset, uint32_t count, int32_t& code,
          TSubIFDResult& result)
      : f_(f), intel_(intel), base_(base), offset_(offset), count_(count), code_(code),
        result_(result) {}

  std::string Run() {
    result_.MakerNoteOffset = offset_;
    result_.MakerNoteSize = count_;
    switch (ToMakerCode(code_)) {
      case kRicohGeneral:
        // Ricoh-made Pentax bodies write a Pentax note under Ricoh's name.
        if (auto pentax = Pentax()) return *pentax;
        return RicohGeneral();
      case kNikon: return NikonPlain();
      case kCasio:
        if (count_ >= 3 && Signature(3) == "QVC") {
          code_ = Code(kCasio2);
          return Located(6, "CASIO2");
        }
        return Located(0, "CASIO");
      case kCanon: return Located(0, "Canon");
      case kKonica: return Located(8, "KONICA");
      case kToshibaHex: return ToshibaHex();
      case kKodak: return Located(0, "Kodak");
      case kFujifilm230:
        if (Signature(5) == "FUJIF") return Located(12, "FUJIFILM 230HD");
        return Unmatched();
      case kKodakDc4800: {
        const std::string s = count_ >= 14 ? Signature(14) : std::string();
        if (s == "KDK INFODC4800") return Located(16, s);
        return Unmatched();
      }
      case kFdi: {
        SetIfd(9);
        f_.Seek(Start());
        result_.MakerNoteText = ReadRaw(f_, count_);
        return "FUJIFILM FDI Format : " + result_.MakerNoteText;
      }
      case kMinolta:
      case kPentax:
        if (Signature(5) == "FUJIF") {
          code_ = Code(kFujifilm);
          return Located(12, "FUJIFILM");
        }
        return Located(0, ToMakerCode(code_) == kMinolta ? "Minolta" : "PENTAX");
      case kRicoh: {
        const std::string s = Signature(5);
        if (s == "RICOH" || s == "Ricoh") return Located(8, "RIOCH Caplio");
        return Unmatched();
      }
      case kKyocera: return Located(22, "KYOCERA");
      case kRicohRdc: return Located(0, "RIOCH RDC");
      case kNikonEmbedded: return Located(18, "Nikon D100");
      case kSonyPlain:
        if (StartsAsDirectory()) return Located(0, "SONY");
        code_ = Code(kNone);
        return Scan();
      case kToshiba:
        if (Signature(5) == "TOSHI") return Located(22, "TOSHIBA2");
        return Unmatched();
      case kToshibaM25:
        if (Signature(5) == "TOSHI") {
          code_ = Code(kToshiba);
          return Located(10, "TOSHIBA3");
        }
        return Unmatched();
      case kSamsung:
      case kDji: {
        // A plain IFD from the note's first byte; any other note is looked
        // at as a note of unknown maker.
        if (DirectoryAt(0)) return Located(0, ToMakerCode(code_) == kSamsung ? "SAMSUNG" : "DJI");
        code_ = Code(kNone);
        return Scan();
      }
      default: return Scan();
    }
  }

 private:
  uint64_t Start() const { return uint64_t{base_} + offset_; }

  // The first n bytes of the note; empty when the note is shorter.
  std::string Signature(uint32_t n) {
    if (count_ < n) return {};
    f_.Seek(Start());
    return ReadRaw(f_, n);
  }

  // Offsets past 4 GiB cannot be held; they stay at the largest offset,
  // which no file reaches.
  void SetIfd(uint64_t inside) {
    const uint64_t ifd = uint64_t{offset_} + inside;
    result_.MakerNoteIFD = ifd > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(ifd);
  }

  std::string Located(uint64_t inside, std::string_view name) {
    SetIfd(inside);
    return BlockText(name, count_, result_.MakerNoteIFD);
  }

  // A signature that does not match: nothing is decoded.
  std::string Unmatched() {
    code_ = Code(kNone);
    return {};
  }

  // Pentax notes: "AOC\0" and a byte order ("II", "MM", or two blanks for
  // the file's), the IFD 6 bytes in; "PENTAX \0" and the note's own byte
  // order, the IFD 10 bytes in. Nothing when the note is neither.
  std::optional<std::string> Pentax() {
    for (const auto& form : kPentaxForms) {
      const auto n = static_cast<uint32_t>(form.signature.size());
      const std::string head = Signature(n + 2);
      if (head.substr(0, n) != form.signature) continue;
      const std::string order = head.substr(n);
      if (order == "II" || order == "MM") {
        result_.MakerNoteText = order;
      } else if (!form.any_order) {
        continue;
      }
      code_ = Code(form.code);
      return Located(n + 2, form.name);
    }
    return std::nullopt;
  }

  std::string RicohGeneral() {
    f_.Seek(Start());
    result_.MakerNoteText = ReadTextSkipNul(f_, count_);
    return "RIOCH Format : " + std::to_string(count_) + "," + std::to_string(offset_) + "," +
           result_.MakerNoteText;
  }

  std::string NikonPlain() {
    const std::string s = Signature(5);
    uint32_t version = 0;
    if (count_ >= 10) {
      f_.Skip(1);
      version = ReadLong(f_, true);
    }
    if (s == "Nikon" && IsNikonEmbeddedVersion(version)) {
      code_ = Code(kNikonEmbedded);
      return Located(18, "Nikon D100");
    }
    if (count_ == 1) {
      // A one-value entry holds the IFD's offset itself.
      f_.Seek(Start());
      result_.MakerNoteIFD = ReadLong(f_, intel_);
      return BlockText("Nikon D1", count_, result_.MakerNoteIFD);
    }
    return Located(0, "Nikon D1");
  }

  std::string ToshibaHex() {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    f_.Seek(Start());
    const std::string bytes = ReadRaw(f_, count_);
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (char c : bytes) {
      const auto b = static_cast<unsigned char>(c);
      hex.push_back(kDigits[b >> 4]);
      hex.push_back(kDigits[b & 15]);
    }
    result_.MakerNoteText = hex;
    return "TOSHIBA Format : " + hex + " (" + std::to_string(count_) + "Byte)";
  }

  // A note with no header: an entry count the note can hold, in the
  // file's byte order, at its first byte.
  bool StartsAsDirectory() {
    if (count_ < 2 + 12 || Signature(5) == "SONY ") return false;
    f_.Seek(Start());
    const uint32_t n = ReadWord(f_, intel_);
    return n != 0 && n <= 500 && 2 + 12 * uint64_t{n} <= count_;
  }

  // The note holds a directory at `inside`: an entry count of 1 to 500
  // whose table lies inside the note.
  bool DirectoryAt(uint32_t inside) {
    if (uint64_t{inside} + 2 > count_) return false;
    f_.Seek(Start() + inside);
    const uint16_t n = ReadWord(f_, intel_);
    return n >= 1 && n <= 500 && uint64_t{inside} + 2 + 12 * uint64_t{n} <= count_;
  }

  std::optional<std::string> PhoneNote() {
    for (const auto& sig : kPhoneSignatures) {
      const auto n = static_cast<uint32_t>(sig.signature.size());
      if (Signature(n) != sig.signature) continue;
      if (sig.order_at != 0) {
        const std::string head = Signature(sig.order_at + 2);
        const std::string order = head.substr(std::min<size_t>(head.size(), sig.order_at));
        if (order != "II" && order != "MM") continue;
        result_.MakerNoteText = order;
      }
      code_ = Code(sig.code);
      return Located(sig.ifd, sig.name);
    }
    const auto huawei = static_cast<uint32_t>(kHuaweiSignature.size());
    const std::string head = Signature(huawei + 8);
    if (head.substr(0, huawei) == kHuaweiSignature) {
      // The embedded header's IFD follows it straight away.
      const std::string_view header = std::string_view(head).substr(huawei);
      const bool ii = header.substr(0, 4) == std::string_view("II*\0", 4);
      const bool mm = header.substr(0, 4) == std::string_view("MM\0*", 4);
      if ((ii || mm) && header.substr(4) == (ii ? std::string_view("\x08\0\0\0", 4)
                                                : std::string_view("\0\0\0\x08", 4))) {
        code_ = Code(kHuawei);
        return Located(huawei + 8, "HUAWEI");
      }
    }
    return std::nullopt;
  }

  // A note of printable text (some phones write their settings so).
  std::optional<std::string> TextNote() {
    if (count_ == 0) return std::nullopt;
    f_.Seek(Start());
    const std::string bytes = ReadRaw(f_, std::min(count_, kMaxTextNote));
    std::string text = bytes.substr(0, bytes.find('\0'));
    // A line or more of printable ASCII (a signature alone, such as a
    // maker's name padded with NULs, is no such note), and nothing after
    // the text's NUL but NULs.
    if (text.size() < kMinTextNote) return std::nullopt;
    for (size_t i = text.size(); i < bytes.size(); ++i)
      if (bytes[i] != '\0') return std::nullopt;
    for (char c : text) {
      const auto b = static_cast<unsigned char>(c);
      const bool space = b == '\t' || b == '\n' || b == '\r';
      if ((b < 0x20 && !space) || b >= 0x7F) return std::nullopt;
    }
    code_ = Code(kTextNote);
    result_.MakerNoteText = text;
    return "Text Format : " + text;
  }

  std::string Scan() {
    if (Signature(12) == std::string_view("SONY MOBILE\0", 12)) {
      code_ = Code(kSonyMobile);
      return Located(12, "SONY MOBILE");
    }
    if (auto phone = PhoneNote()) return *phone;
    for (const auto& sig : kOwnOrderSignatures) {
      const auto n = static_cast<uint32_t>(sig.signature.size());
      const std::string head = Signature(n + 2);
      if (head.substr(0, n) != sig.signature) continue;
      const std::string order = head.substr(n);
      if (order != "II" && order != "MM") continue;
      code_ = Code(kOlympusNew);
      result_.MakerNoteText = order;
      return Located(sig.ifd, sig.name);
    }
    const std::string s = Signature(5);
    std::string value;
    bool olympus_style = false;
    for (const auto& sig : kOlympusStyle) {
      if (s != sig.signature) continue;
      code_ = Code(sig.code);
      SetIfd(8);
      value = BlockText(sig.name, count_, static_cast<int64_t>(Start()));
      olympus_style = true;
    }
    if (!olympus_style) {
      SetIfd(8);
      if (!s.empty()) value = ScanFurther(s, value);
    }
    if (StartsWith(s, "KDDI")) {
      code_ = Code(kKddi);
      value = Located(8, "KDDI");
    }
    if (StartsWith(s, "AOC") || StartsWith(s, "PENTA")) {
      if (auto pentax = Pentax()) value = *pentax;
    }
    if (code_ == Code(kNone)) {
      if (auto text = TextNote()) return *text;
      value = BlockText("Unknown", count_, static_cast<int64_t>(Start()));
    }
    return value;
  }

  // The file stands just after the five signature bytes.
  std::string ScanFurther(const std::string& s, std::string value) {
    if (s == "Nikon") {
      f_.Skip(1);
      if (IsNikonEmbeddedVersion(ReadLong(f_, true))) {
        code_ = Code(kNikonEmbedded);
        return Located(18, "Nikon D100");
      }
      code_ = Code(kNikonCoolpix);
      return Located(8, "Nikon COOLPIX");
    }
    for (const auto& sig : kPlainSignatures) {
      if (s != sig.signature) continue;
      code_ = Code(sig.code);
      return Located(sig.ifd, sig.name);
    }
    if (s == "FUJIF") {
      f_.Skip(3);
      const uint32_t ifd = ReadLong(f_, true);
      if (ifd < kFujifilmMaxIfd) {
        code_ = Code(kFujifilm);
        SetIfd(ifd);
        return BlockText("FUJIFILM", count_, int64_t{offset_} + 8);
      }
      return value;
    }
    if (s == "SIGMA") {
      f_.Skip(1);
      const uint32_t order = ReadLong(f_, false);
      if (order == kSigmaIntel || order == kSigmaMotorola) {
        if (order == kSigmaMotorola) result_.MakerNoteText = "MM";
        code_ = Code(kSigma);
        return Located(10, "SIGMA");
      }
    }
    return value;
  }

  Reader& f_;
  const bool intel_;
  const uint32_t base_;
  const uint32_t offset_;
  const uint32_t count_;
  int32_t& code_;
  TSubIFDResult& result_;
};

}  // namespace

void MakerCodeFromMake(const std::string& make, int32_t& maker_code) {
  for (const TextTest& test : kMakeContains) {
    if (Contains(make, test.text)) {
      maker_code = Code(test.code);
      return;
    }
  }
}

void MakerCodeFromModel(const std::string& model, int32_t& maker_code, TSubIFDResult& result) {
  bool nikon = false;
  for (std::string_view prefix : kNikonPrefixes) nikon = nikon || StartsWith(model, prefix);
  if (nikon) {
    maker_code = Code(kNikon);
  } else if (Contains(model, "Dimage EX")) {
    maker_code = Code(kKodak);
  } else if (Contains(model, "DiMAGE F100") || Contains(model, "DiMAGE X")) {
    maker_code = Code(kMinolta);
    result.MakerNoteText = "DiMAGE X";
  }
  if (!nikon) {
    for (std::string_view name : kDimageModels)
      if (Contains(model, name)) maker_code = Code(kMinolta);
  }
  for (const ModelTest& test : kModelTests) {
    const bool match = test.prefix ? StartsWith(model, test.text) : Contains(model, test.text);
    if (match && (test.unless.empty() || !Contains(model, test.unless))) maker_code = Code(test.code);
  }
}

std::string LocateMakerNote(Reader& f, bool intel, uint32_t base, uint32_t offset, uint32_t count,
                            int32_t& maker_code, TSubIFDResult& result) {
  return Locator(f, intel, base, offset, count, maker_code, result).Run();
}

namespace {

class Identification final : public MakerIdentification {
 public:
  void FromMake(const std::string& make, int32_t& maker_code) const override {
    MakerCodeFromMake(make, maker_code);
  }
  void FromModel(const std::string& model, int32_t& maker_code,
                 TSubIFDResult& result) const override {
    MakerCodeFromModel(model, maker_code, result);
  }
  std::string Locate(Reader& f, bool intel, uint32_t base, uint32_t offset, uint32_t count,
                     int32_t& maker_code, TSubIFDResult& result) const override {
    return LocateMakerNote(f, intel, base, offset, count, maker_code, result);
  }
};

}  // namespace

const MakerIdentification& MakerNoteIdentification() {
  static const Identification identification;
  return identification;
}

}  // namespace kelvane
