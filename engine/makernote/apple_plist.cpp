#include "engine/makernote/apple_plist.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "engine/text/number_text.h"
#include "engine/text/encoding.h"

namespace kelvane::maker {

namespace {

constexpr std::string_view kMagic = "bplist00";
constexpr size_t kTrailerSize = 32;

// Kinds of object by the high half of their marker byte.
enum class Kind : uint8_t {
  kSimple = 0x0,  // null, false, true, fill
  kInteger = 0x1,
  kReal = 0x2,
  kDate = 0x3,
  kData = 0x4,
  kAscii = 0x5,
  kUtf16 = 0x6,
  kUid = 0x8,
  kArray = 0xA,
  kSet = 0xC,
  kDict = 0xD,
};

// The byte at `position`, which the caller has checked lies inside `bytes`
// (so it fits a size_t on a 32-bit build too).
uint8_t ByteAt(std::span<const uint8_t> bytes, uint64_t position) {
  return bytes[static_cast<size_t>(position)];
}

uint64_t BigEndian(std::span<const uint8_t> bytes, uint64_t position, size_t width) {
  uint64_t v = 0;
  for (size_t i = 0; i < width; ++i) v = (v << 8) | ByteAt(bytes, position + i);
  return v;
}

}  // namespace

// One object: its kind, the low half of its marker, where its contents
// start and how many bytes (numbers, texts, data) or references
// (containers) they hold.
struct BinaryPlist::Object {
  Kind kind;
  uint8_t low;
  uint64_t start;
  uint64_t length;
};

std::optional<BinaryPlist> BinaryPlist::Parse(std::span<const uint8_t> bytes) {
  if (bytes.size() < kMagic.size() + kTrailerSize) return std::nullopt;
  if (std::memcmp(bytes.data(), kMagic.data(), kMagic.size()) != 0) return std::nullopt;
  const uint64_t trailer = bytes.size() - kTrailerSize;
  const uint8_t offset_size = ByteAt(bytes, trailer + 6);
  const uint8_t ref_size = ByteAt(bytes, trailer + 7);
  const uint64_t objects = BigEndian(bytes, trailer + 8, 8);
  const uint64_t top = BigEndian(bytes, trailer + 16, 8);
  const uint64_t table = BigEndian(bytes, trailer + 24, 8);
  if (offset_size < 1 || offset_size > 8 || ref_size < 1 || ref_size > 8) return std::nullopt;
  if (objects == 0 || objects > kMaxPlistObjects || top >= objects) return std::nullopt;
  // The objects lie between the magic and the offset table, which ends
  // before the trailer.
  if (table < kMagic.size() || table > trailer || objects * offset_size > trailer - table)
    return std::nullopt;
  return BinaryPlist(bytes, offset_size, ref_size, objects, top, table);
}

std::optional<uint64_t> BinaryPlist::Ref(uint64_t position) const {
  if (position > table_ || ref_size_ > table_ - position) return std::nullopt;
  const uint64_t ref = BigEndian(bytes_, position, ref_size_);
  if (ref >= objects_) return std::nullopt;
  return ref;
}

std::optional<BinaryPlist::Object> BinaryPlist::At(uint64_t index) const {
  if (index >= objects_) return std::nullopt;
  const uint64_t at = BigEndian(bytes_, table_ + index * offset_size_, offset_size_);
  if (at < kMagic.size() || at >= table_) return std::nullopt;
  const uint8_t marker = ByteAt(bytes_, at);
  Object o{static_cast<Kind>(marker >> 4), static_cast<uint8_t>(marker & 0x0F), at + 1, 0};
  switch (o.kind) {
    case Kind::kSimple: break;
    case Kind::kInteger:
    case Kind::kReal:
      if (o.low > 3) return std::nullopt;  // 16-byte integers are not read
      o.length = uint64_t{1} << o.low;
      break;
    case Kind::kDate: o.length = 8; break;
    case Kind::kUid: o.length = uint64_t{o.low} + 1; break;
    case Kind::kData:
    case Kind::kAscii:
    case Kind::kUtf16:
    case Kind::kArray:
    case Kind::kSet:
    case Kind::kDict: {
      o.length = o.low;
      if (o.low == 0x0F) {
        // A longer length follows as an integer object of its own.
        if (o.start >= table_) return std::nullopt;
        const uint8_t size_marker = ByteAt(bytes_, o.start);
        if ((size_marker >> 4) != 0x1 || (size_marker & 0x0F) > 3) return std::nullopt;
        const size_t width = size_t{1} << (size_marker & 0x0F);
        if (width > table_ - o.start - 1) return std::nullopt;
        o.length = BigEndian(bytes_, o.start + 1, width);
        o.start += 1 + width;
      }
      break;
    }
    default: return std::nullopt;
  }
  // The contents must lie before the offset table.
  uint64_t units = 1;
  if (o.kind == Kind::kUtf16) units = 2;
  if (o.kind == Kind::kArray || o.kind == Kind::kSet) units = ref_size_;
  if (o.kind == Kind::kDict) units = 2 * uint64_t{ref_size_};
  if (o.start > table_ || o.length > (table_ - o.start) / units) return std::nullopt;
  return o;
}

std::optional<BinaryPlist::Object> BinaryPlist::Lookup(std::string_view key) const {
  const auto top = At(top_);
  if (!top || top->kind != Kind::kDict) return std::nullopt;
  for (uint64_t i = 0; i < top->length; ++i) {
    const auto k = Ref(top->start + i * ref_size_);
    if (!k) continue;
    const auto name = At(*k);
    if (!name || name->kind != Kind::kAscii) continue;
    const std::string_view text(reinterpret_cast<const char*>(bytes_.data() + name->start),
                                static_cast<size_t>(name->length));
    if (text != key) continue;
    const auto v = Ref(top->start + (top->length + i) * ref_size_);
    if (!v) return std::nullopt;
    return At(*v);
  }
  return std::nullopt;
}

std::optional<int64_t> BinaryPlist::Integer(std::string_view key) const {
  const auto o = Lookup(key);
  if (!o || o->kind != Kind::kInteger) return std::nullopt;
  // 8-byte integers are signed; shorter ones are unsigned.
  return static_cast<int64_t>(BigEndian(bytes_, o->start, static_cast<size_t>(o->length)));
}

std::optional<double> BinaryPlist::Number(std::string_view key) const {
  const auto o = Lookup(key);
  if (!o) return std::nullopt;
  if (o->kind == Kind::kInteger)
    return static_cast<double>(
        static_cast<int64_t>(BigEndian(bytes_, o->start, static_cast<size_t>(o->length))));
  if (o->kind != Kind::kReal || o->length < 4) return std::nullopt;
  const uint64_t raw = BigEndian(bytes_, o->start, static_cast<size_t>(o->length));
  if (o->length == 4) return double{std::bit_cast<float>(static_cast<uint32_t>(raw))};
  return std::bit_cast<double>(raw);
}

std::string BinaryPlist::Text() const {
  std::string out;
  uint64_t path[kMaxPlistDepth + 1];
  AppendText(top_, 0, path, out);
  if (out.size() > kMaxPlistText) {
    // Cut on a character boundary.
    size_t cut = kMaxPlistText;
    while (cut > 0 && (static_cast<uint8_t>(out[cut]) & 0xC0) == 0x80) --cut;
    out.resize(cut);
    out += "...";
  }
  return out;
}

// `path` holds the containers from the top down to this object; an object
// already on it is a list that holds itself and is shown as "...".
void BinaryPlist::AppendText(uint64_t index, int depth, std::span<uint64_t> path,
                             std::string& out) const {
  if (out.size() > kMaxPlistText) return;
  const auto o = At(index);
  if (!o) {
    out += "?";
    return;
  }
  const auto d = static_cast<size_t>(depth);
  switch (o->kind) {
    case Kind::kSimple:
      out += o->low == 0x8 ? "false" : o->low == 0x9 ? "true" : "null";
      return;
    case Kind::kInteger: {
      const uint64_t v = BigEndian(bytes_, o->start, static_cast<size_t>(o->length));
      out += o->length == 8 ? std::to_string(static_cast<int64_t>(v)) : std::to_string(v);
      return;
    }
    case Kind::kReal:
    case Kind::kDate: {
      if (o->length < 4) {
        out += "?";
        return;
      }
      const uint64_t raw = BigEndian(bytes_, o->start, static_cast<size_t>(o->length));
      const double v = o->length == 4 ? double{std::bit_cast<float>(static_cast<uint32_t>(raw))}
                                      : std::bit_cast<double>(raw);
      out += std::isfinite(v) ? FormatGeneral(v) : "?";
      return;
    }
    case Kind::kUid: out += "UID " + std::to_string(BigEndian(bytes_, o->start, static_cast<size_t>(o->length))); return;
    case Kind::kData: out += "<" + std::to_string(o->length) + " bytes>"; return;
    case Kind::kAscii:
      out.append(reinterpret_cast<const char*>(bytes_.data() + o->start),
                 static_cast<size_t>(std::min<uint64_t>(o->length, kMaxPlistText)));
      return;
    case Kind::kUtf16: {
      const uint64_t n = std::min<uint64_t>(o->length, kMaxPlistText);
      for (uint64_t i = 0; i < n; ++i) {
        uint32_t c = static_cast<uint32_t>(BigEndian(bytes_, o->start + 2 * i, 2));
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < n) {
          const auto low = static_cast<uint32_t>(BigEndian(bytes_, o->start + 2 * i + 2, 2));
          if (low >= 0xDC00 && low < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
            ++i;
          }
        }
        if (c >= 0xD800 && c < 0xE000) c = 0xFFFD;  // an unpaired half
        text::AppendUtf8(out, c);
      }
      return;
    }
    case Kind::kArray:
    case Kind::kSet:
    case Kind::kDict: break;
  }
  // A container: nested no deeper than the limit, never inside itself.
  if (d >= kMaxPlistDepth || std::find(path.begin(), path.begin() + depth, index) !=
                                 path.begin() + depth) {
    out += "...";
    return;
  }
  path[d] = index;
  const bool dict = o->kind == Kind::kDict;
  out += dict ? "{" : "[";
  for (uint64_t i = 0; i < o->length && out.size() <= kMaxPlistText; ++i) {
    if (i > 0) out += ", ";
    if (dict) {
      const auto key = Ref(o->start + i * ref_size_);
      if (key) AppendText(*key, depth + 1, path, out);
      out += ": ";
    }
    const auto value = Ref(o->start + ((dict ? o->length : 0) + i) * ref_size_);
    if (value) AppendText(*value, depth + 1, path, out);
    else out += "?";
  }
  out += dict ? "}" : "]";
}

}  // namespace kelvane::maker
