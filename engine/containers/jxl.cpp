#include "engine/containers/jxl.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <string>
#include <string_view>

#include "engine/containers/decompress.h"
#include "engine/reader/primitives.h"

namespace kelvane {

namespace {

constexpr std::string_view kSignatureBox{"\0\0\0\x0CJXL \r\n\x87\n", 12};
constexpr int kMaxBoxes = 10000;

std::string PlaceText(uint64_t position, uint64_t length) {
  return "Offset:" + std::to_string(position) + " (" + std::to_string(length) + "byte)";
}

// Bits of the codestream, least significant first.
class BitReader {
 public:
  explicit BitReader(std::string_view bytes) : bytes_(bytes) {}
  // False once a read ran past the bytes held.
  bool ok() const { return ok_; }
  uint32_t Bits(int n) {
    uint32_t v = 0;
    for (int i = 0; i < n; ++i) {
      if (pos_ >= 8 * bytes_.size()) {
        ok_ = false;
        return 0;
      }
      const auto byte = static_cast<unsigned char>(bytes_[pos_ / 8]);
      v |= uint32_t{(byte >> (pos_ % 8)) & 1u} << i;
      ++pos_;
    }
    return v;
  }

 private:
  std::string_view bytes_;
  size_t pos_ = 0;
  bool ok_ = true;
};

struct Size {
  uint32_t width = 0, height = 0;
};

// The size header behind the codestream's FF 0A.
std::optional<Size> SizeHeader(std::string_view after_signature) {
  BitReader b(after_signature);
  auto u32_size = [&] {
    static constexpr std::array<int, 4> kBits = {9, 13, 18, 30};
    return b.Bits(kBits[b.Bits(2)]) + 1;
  };
  Size s;
  const bool small = b.Bits(1) != 0;
  s.height = small ? (b.Bits(5) + 1) * 8 : u32_size();
  const uint32_t ratio = b.Bits(3);
  if (ratio == 0) {
    s.width = small ? (b.Bits(5) + 1) * 8 : u32_size();
  } else {
    static constexpr std::array<std::pair<uint64_t, uint64_t>, 8> kRatios = {{
        {1, 1}, {1, 1}, {12, 10}, {4, 3}, {3, 2}, {16, 9}, {5, 4}, {2, 1}}};
    const auto [num, den] = kRatios[ratio];
    s.width = static_cast<uint32_t>(uint64_t{s.height} * num / den);
  }
  if (!b.ok()) return std::nullopt;
  return s;
}

class JxlWalk {
 public:
  JxlWalk(Reader& f, TMakerResult& result, EmbeddedMetadata& found)
      : f_(f), result_(result), found_(found) {}

  // The codestream starting at `position` (its FF 0A), `length` bytes.
  void Codestream(uint64_t position, uint64_t length) {
    if (have_size_ || length < 2) return;
    f_.Seek(position);
    if (ReadRaw(f_, 2) != "\xFF\x0A") return;
    // The size header takes at most 2 + 2 x 32 bits.
    const uint64_t take = std::min<uint64_t>(length - 2, 12);
    const std::string header = ReadRaw(f_, static_cast<int64_t>(take));
    const auto size = SizeHeader(header);
    if (!size) return;
    have_size_ = true;
    AddItem(result_, "画像の幅", std::to_string(size->width));
    AddItem(result_, "画像の高さ", std::to_string(size->height));
  }

  // The boxes from behind the signature box to the end of the file. A box
  // walk of its own: size (32 bits, 1: a 64-bit size follows, 0: to the
  // end of the file), type, data.
  void Boxes() {
    uint64_t pos = kSignatureBox.size();
    const uint64_t end = f_.Size();
    for (int n = 0; n < kMaxBoxes && end - pos >= 8; ++n) {
      f_.Seek(pos);
      uint64_t size = ReadBigEndian(f_, 4);
      const std::string type = ReadRaw(f_, 4);
      uint64_t header = 8;
      if (size == 1) {
        if (end - pos < 16) return;
        size = uint64_t{ReadBigEndian(f_, 4)} << 32 | ReadBigEndian(f_, 4);
        header = 16;
      } else if (size == 0) {
        size = end - pos;
      }
      if (size < header || size > end - pos) return;  // runs past the file
      Box(type, pos + header, size - header);
      pos += size;
    }
  }

 private:
  void Box(const std::string& type, uint64_t data, uint64_t length) {
    if (type == "jxlc") {
      Codestream(data, length);
    } else if (type == "jxlp") {
      // A part of the codestream behind its 4-byte index; the first part
      // holds the size header.
      if (length > 4) Codestream(data + 4, length - 4);
    } else if (type == "Exif") {
      AddItem(result_, "Exif", PlaceText(data, length));
      ExifBox(data, length);
    } else if (type == "xml ") {
      AddItem(result_, "XMP", PlaceText(data, length));
      if (found_.xmp_pos == 0) {
        found_.xmp_pos = data;
        found_.xmp_length = length;
      }
    } else if (type == "brob") {
      CompressedBox(data, length);
    }
  }

  // The Exif box: a 4-byte offset from behind it to the TIFF header.
  void ExifBox(uint64_t data, uint64_t length) {
    if (found_.HasExif() || length < 4) return;
    f_.Seek(data);
    const uint32_t offset = ReadBigEndian(f_, 4);
    if (offset > length - 4) return;
    const uint64_t tiff = data + 4 + offset;
    f_.Seek(tiff);
    if (f_.Remaining() >= 4) found_.exif_tiff_pos = tiff;
  }

  // A brotli-compressed box: the type of the box it stands for, then the
  // compressed data.
  void CompressedBox(uint64_t data, uint64_t length) {
    if (length < 4) return;
    f_.Seek(data);
    const std::string inner = ReadRaw(f_, 4);
    const std::string name = "brob(" + inner + ")";
    if (!CanDecompressBrotli()) {
      AddItem(result_, name, "brotli圧縮 (展開できません) " + PlaceText(data + 4, length - 4));
      return;
    }
    Decompressed d = DecompressBrotli(f_, data + 4, length - 4);
    if (!d.complete) {
      AddItem(result_, name, d.capped ? std::string("展開サイズが上限を超えています")
                                      : std::string("情報が破損"));
      return;
    }
    AddItem(result_, name,
            "brotli圧縮 " + std::to_string(length - 4) + "byte (展開後 " +
                std::to_string(d.bytes.size()) + "byte)");
    if (inner == "Exif" && !found_.HasExif() && d.bytes.size() >= 4) {
      const uint32_t offset = LongAt(reinterpret_cast<const unsigned char*>(d.bytes.data()), false);
      if (offset <= d.bytes.size() - 4) {
        std::string tiff = d.bytes.substr(4 + offset);
        if (StartsAsTiff(tiff)) found_.exif_block = std::move(tiff);
      }
    } else if (inner == "xml " && found_.xmp_pos == 0) {
      found_.xmp_pos = data + 4;
      found_.xmp_length = length - 4;
      found_.xmp_compressed = true;
    }
  }

  Reader& f_;
  TMakerResult& result_;
  EmbeddedMetadata& found_;
  bool have_size_ = false;
};

}  // namespace

JxlForm JxlFormOf(Reader& f) {
  f.Seek(0);
  if (f.Remaining() >= 2 && ReadRaw(f, 2) == "\xFF\x0A") return JxlForm::kCodestream;
  f.Seek(0);
  if (f.Remaining() >= kSignatureBox.size() && ReadRaw(f, 12) == kSignatureBox)
    return JxlForm::kBoxes;
  return JxlForm::kNone;
}

bool ReadJxl(Reader& f, TMakerResult& result, EmbeddedMetadata& found) {
  result.Clear();
  found = EmbeddedMetadata{};
  const JxlForm form = JxlFormOf(f);
  if (form == JxlForm::kNone) return false;
  JxlWalk walk(f, result, found);
  try {
    if (form == JxlForm::kCodestream) {
      AddItem(result, "形式", "コードストリーム");
      walk.Codestream(0, f.Size());
    } else {
      AddItem(result, "形式", "ボックス形式");
      walk.Boxes();
    }
  } catch (const ReadError&) {
    // A box cut short keeps what was read before it.
  }
  return true;
}

}  // namespace kelvane
