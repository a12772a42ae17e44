#include "engine/makernote/maker_dispatch.h"

#include <string_view>

#include "engine/reader/primitives.h"

namespace kelvane {

namespace {

struct TextTest {
  std::string_view text;
  int32_t code;
};

bool Contains(std::string_view s, std::string_view what) { return s.find(what) != s.npos; }
bool StartsWith(std::string_view s, std::string_view what) { return s.substr(0, what.size()) == what; }

// Make: the first test that matches wins.
constexpr TextTest kMakeContains[] = {
    {"RICOH", 4}, {"CASIO", 7}, {"Canon", 8}, {"TOSHIBA", 10}, {"Kodak", 11},
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
  int32_t code;
  std::string_view unless = {};  // a model containing this text does not match
};
constexpr ModelTest kModelTests[] = {
    // "EOS D" names the Kodak-made EOS D2000 and D6000; Canon's own "EOS
    // DIGITAL REBEL" bodies write a Canon note.
    {"EOS D", false, 13, "EOS DIGITAL"},
    {"EOS D30", false, 8},
    {"Canon EOS D60", true, 8},
    {"KODAK DC4800", false, 15},
    {"DS-230HD", false, 14},
    {"PENTAX Optio 330", false, 19},
    {"PENTAX Optio 430", false, 19},
    {"SP-1500", false, 16},
    {"Caplio", false, 20},
    {"RDC-7S", false, 26},
    {"RDC-i500", false, 20},
    {"NIKON D100", false, 27},
    {"PDR-3310", false, 24},
    {"PDR-3300", false, 24},
    {"PDRM81", false, 29},
    {"PDR-M25", false, 30},
};

// Signatures whose notes keep their IFD 8 bytes in and whose MakerNote row
// shows the absolute offset of the note.
constexpr struct {
  std::string_view signature;
  int32_t code;
  std::string_view name;
} kOlympusStyle[] = {
    {"AGFA ", 1, "AGFA"}, {"OLYMP", 1, "Olympus"}, {"EPSON", 2, "EPSON"}, {"SANYO", 3, "SANYO"},
};

// Signatures of the scan that need no further reading.
constexpr struct {
  std::string_view signature;
  int32_t code;
  uint32_t ifd;  // the IFD's offset inside the note
  std::string_view name;
} kPlainSignatures[] = {
    {"SONY ", 17, 12, "SONY"},     {"KDK00", 13, 17, "KDK"},    {"KYOCE", 24, 22, "KYOCERA"},
    {"Panas", 25, 12, "Panasonic"}, {"LEICA", 25, 8, "LEICA"},  {"KONIC", 9, 22, "KONICA"},
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
    switch (code_) {
      case 4: return RicohGeneral();
      case 6: return NikonPlain();
      case 7:
        if (count_ >= 3 && Signature(3) == "QVC") {
          code_ = 31;
          return Located(6, "CASIO2");
        }
        return Located(0, "CASIO");
      case 8: return Located(0, "Canon");
      case 9: return Located(8, "KONICA");
      case 10: return ToshibaHex();
      case 11: return Located(0, "Kodak");
      case 14:
        if (Signature(5) == "FUJIF") return Located(12, "FUJIFILM 230HD");
        return Unmatched();
      case 15: {
        const std::string s = count_ >= 14 ? Signature(14) : std::string();
        if (s == "KDK INFODC4800") return Located(16, s);
        return Unmatched();
      }
      case 16: {
        SetIfd(9);
        f_.Seek(Start());
        result_.MakerNoteText = ReadRaw(f_, count_);
        return "FUJIFILM FDI Format : " + result_.MakerNoteText;
      }
      case 18:
      case 19:
        if (Signature(5) == "FUJIF") {
          code_ = 12;
          return Located(12, "FUJIFILM");
        }
        return Located(0, code_ == 18 ? "Minolta" : "PENTAX");
      case 20: {
        const std::string s = Signature(5);
        if (s == "RICOH" || s == "Ricoh") return Located(8, "RIOCH Caplio");
        return Unmatched();
      }
      case 24: return Located(22, "KYOCERA");
      case 26: return Located(0, "RIOCH RDC");
      case 27: return Located(18, "Nikon D100");
      case 29:
        if (Signature(5) == "TOSHI") return Located(22, "TOSHIBA2");
        return Unmatched();
      case 30:
        if (Signature(5) == "TOSHI") {
          code_ = 29;
          return Located(10, "TOSHIBA3");
        }
        return Unmatched();
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
    code_ = 0;
    return {};
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
      code_ = 27;
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

  std::string Scan() {
    const std::string s = Signature(5);
    std::string value;
    bool olympus_style = false;
    for (const auto& sig : kOlympusStyle) {
      if (s != sig.signature) continue;
      code_ = sig.code;
      SetIfd(8);
      value = BlockText(sig.name, count_, static_cast<int64_t>(Start()));
      olympus_style = true;
    }
    if (!olympus_style) {
      SetIfd(8);
      if (!s.empty()) value = ScanFurther(s, value);
    }
    if (StartsWith(s, "KDDI")) {
      code_ = 35;
      value = Located(8, "KDDI");
    }
    if (StartsWith(s, "AOC")) {
      code_ = 31;
      value = Located(6, "CASIO2");
    }
    if (code_ == 0) value = BlockText("Unknown", count_, static_cast<int64_t>(Start()));
    return value;
  }

  // The file stands just after the five signature bytes.
  std::string ScanFurther(const std::string& s, std::string value) {
    if (s == "Nikon") {
      f_.Skip(1);
      if (IsNikonEmbeddedVersion(ReadLong(f_, true))) {
        code_ = 27;
        return Located(18, "Nikon D100");
      }
      code_ = 5;
      return Located(8, "Nikon COOLPIX");
    }
    for (const auto& sig : kPlainSignatures) {
      if (s != sig.signature) continue;
      code_ = sig.code;
      return Located(sig.ifd, sig.name);
    }
    if (s == "FUJIF") {
      f_.Skip(3);
      const uint32_t ifd = ReadLong(f_, true);
      if (ifd < kFujifilmMaxIfd) {
        code_ = 12;
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
        code_ = 33;
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
      maker_code = test.code;
      return;
    }
  }
}

void MakerCodeFromModel(const std::string& model, int32_t& maker_code, TSubIFDResult& result) {
  bool nikon = false;
  for (std::string_view prefix : kNikonPrefixes) nikon = nikon || StartsWith(model, prefix);
  if (nikon) {
    maker_code = 6;
  } else if (Contains(model, "Dimage EX")) {
    maker_code = 11;
  } else if (Contains(model, "DiMAGE F100") || Contains(model, "DiMAGE X")) {
    maker_code = 18;
    result.MakerNoteText = "DiMAGE X";
  }
  if (!nikon) {
    for (std::string_view name : kDimageModels)
      if (Contains(model, name)) maker_code = 18;
  }
  for (const ModelTest& test : kModelTests) {
    const bool match = test.prefix ? StartsWith(model, test.text) : Contains(model, test.text);
    if (match && (test.unless.empty() || !Contains(model, test.unless))) maker_code = test.code;
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
