#include "engine/containers/isobmff.h"

#include <algorithm>

#include "engine/reader/primitives.h"

namespace kelvane::bmff {

namespace {

uint64_t ReadU64(Reader& f, bool intel) {
  const uint64_t first = ReadLong(f, intel);
  const uint64_t second = ReadLong(f, intel);
  return intel ? (second << 32 | first) : (first << 32 | second);
}

}  // namespace

std::string TypeBytes(uint32_t type) {
  std::string s(4, '\0');
  for (int i = 0; i < 4; ++i) s[static_cast<size_t>(i)] = static_cast<char>(type >> (24 - 8 * i));
  return s;
}

std::string TypeText(uint32_t type) {
  std::string out;
  for (int i = 0; i < 4; ++i) {
    const auto c = static_cast<unsigned char>(type >> (24 - 8 * i));
    if (c == 0) continue;
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

Box ReadRawHeader(Reader& f, uint64_t at, bool intel) {
  f.Seek(at);
  Box b;
  b.start = at;
  b.declared = ReadLong(f, intel);
  b.type = ReadLong(f, false);
  b.header = 8;
  if (b.declared == 1) {
    b.declared = ReadU64(f, intel);
    b.header = 16;
  }
  b.size = b.declared;
  return b;
}

std::optional<Box> ReadBox(Reader& f, uint64_t at, uint64_t parent_end) {
  if (at >= parent_end || parent_end - at < 8) return std::nullopt;
  Box b = ReadRawHeader(f, at, false);
  const uint64_t room = parent_end - at;
  if (b.header == 16 && room < 16) return std::nullopt;
  if (b.declared == 0 && b.header == 8) {
    b.to_end = true;
    b.size = room;
  }
  if (b.Is(FourCC("uuid"))) {
    if (room < uint64_t{b.header} + 16) return std::nullopt;
    f.Read(b.user_type.data(), b.user_type.size());
    b.header += 16;
  }
  if (b.size < b.header || b.size > room) return std::nullopt;
  return b;
}

FullBoxHeader ReadFullBoxHeader(Reader& f, const Box& box) {
  f.Seek(box.payload());
  const uint32_t word = ReadLong(f, false);
  return FullBoxHeader{static_cast<uint8_t>(word >> 24), word & 0xFFFFFF};
}

std::optional<Box> FindChild(Reader& f, const Box& parent, uint32_t type, uint64_t skip) {
  std::optional<Box> found;
  if (skip > parent.payload_size()) return found;
  ForEachBox(f, parent.payload() + skip, parent.end(), [&](const Box& b) {
    if (!b.Is(type)) return true;
    found = b;
    return false;
  });
  return found;
}

std::optional<Box> FindTopLevel(Reader& f, uint32_t type) {
  std::optional<Box> found;
  ForEachBox(f, 0, f.Size(), [&](const Box& b) {
    if (!b.Is(type)) return true;
    found = b;
    return false;
  });
  return found;
}

bool FileType::Has(uint32_t brand) const {
  if (major == brand) return true;
  return std::find(compatible.begin(), compatible.begin() + compatible_count, brand) !=
         compatible.begin() + compatible_count;
}

std::optional<FileType> ReadFileType(Reader& f) {
  const std::optional<Box> box = ReadBox(f, 0, f.Size());
  if (!box || !box->Is(FourCC("ftyp")) || box->payload_size() < 8) return std::nullopt;
  FileType t;
  f.Seek(box->payload());
  t.major = ReadLong(f, false);
  f.Skip(4);  // minor version
  const uint64_t count = (box->payload_size() - 8) / 4;
  for (uint64_t i = 0; i < count && i < t.compatible.size(); ++i) {
    const uint32_t brand = ReadLong(f, false);
    t.compatible[static_cast<size_t>(t.compatible_count++)] = brand;
    if (!t.brands.empty()) t.brands += ", ";
    t.brands += TypeText(brand);
  }
  return t;
}

uint64_t ReadSized(Reader& f, int bytes) {
  uint64_t v = 0;
  for (int i = 0; i < bytes; ++i) v = v << 8 | ReadByte(f);
  return v;
}

}  // namespace kelvane::bmff
