#include "engine/tiff/ifd_entry.h"

namespace kelvane {

namespace {

// A number of `size` bytes in the file's byte order; SHORTs and LONGs, the
// common sizes, without a loop.
inline uint32_t Word(const unsigned char* p, bool intel, int size) {
  if (size == 2) return WordAt(p, intel);
  if (size == 4) return LongAt(p, intel);
  uint32_t v = 0;
  if (intel) {
    for (int i = size - 1; i >= 0; --i) v = (v << 8) | p[i];
  } else {
    for (int i = 0; i < size; ++i) v = (v << 8) | p[i];
  }
  return v;
}

}  // namespace

IfdEntry DecodeEntry(const unsigned char* bytes, bool intel, int64_t anchor, uint64_t entry_pos) {
  IfdEntry e;
  e.tag = static_cast<uint16_t>(Word(bytes, intel, 2));
  e.type = static_cast<uint16_t>(Word(bytes + 2, intel, 2));
  e.count = Word(bytes + 4, intel, 4);
  for (int i = 0; i < 4; ++i) e.field[static_cast<size_t>(i)] = bytes[8 + i];
  e.is_inline = e.ByteSize() <= 4;
  if (e.is_inline) {
    e.value_pos = static_cast<int64_t>(entry_pos + 8);
    e.value_offset = static_cast<uint32_t>(e.value_pos - anchor);
  } else {
    e.value_offset = Word(bytes + 8, intel, 4);
    e.value_pos = anchor + e.value_offset;
  }
  return e;
}

uint64_t ValuePos(const IfdEntry& e) {
  if (e.value_pos < 0) throw ReadError("value before the start of the file");
  return static_cast<uint64_t>(e.value_pos);
}

uint16_t FieldShort(const IfdEntry& e, bool intel) {
  return static_cast<uint16_t>(Word(e.field.data(), intel, 2));
}

uint32_t FieldLong(const IfdEntry& e, bool intel) { return Word(e.field.data(), intel, 4); }

uint32_t FirstNumber(Reader& f, bool intel, const IfdEntry& e) {
  const int size = IsIntegerType(e.type) ? TypeSize(e.type) : 2;
  if (e.count == 1) return Word(e.field.data(), intel, size);
  f.Seek(ValuePos(e));
  unsigned char bytes[4];
  f.Read(bytes, static_cast<size_t>(size));
  return Word(bytes, intel, size);
}

int64_t FirstInteger(Reader& f, bool intel, const IfdEntry& e) {
  const uint32_t bits = FirstNumber(f, intel, e);
  switch (e.type) {
    case kTypeSByte: return static_cast<int8_t>(bits);
    case kTypeSShort: return static_cast<int16_t>(bits);
    case kTypeSLong: return static_cast<int32_t>(bits);
    default: return bits;
  }
}

ValueNumbers ReadNumbers(Reader& f, bool intel, uint64_t pos, uint64_t n, int size) {
  f.Seek(pos);
  if (n * static_cast<uint64_t>(size) > f.Remaining())
    throw ReadError("read past the end of the file");
  ValueNumbers values(static_cast<size_t>(n));
  uint32_t* out = values.data();
  unsigned char bytes[4];
  for (uint64_t i = 0; i < n; ++i) {
    // Fixed sizes let each read compile to a plain load.
    switch (size) {
      case 1: f.Read(bytes, 1); break;
      case 2: f.Read(bytes, 2); break;
      case 4: f.Read(bytes, 4); break;
      default: f.Read(bytes, static_cast<size_t>(size)); break;
    }
    out[i] = Word(bytes, intel, size);
  }
  return values;
}

std::string ValueBytes(Reader& f, const IfdEntry& e) {
  if (e.is_inline)
    return std::string(reinterpret_cast<const char*>(e.field.data()), static_cast<size_t>(e.ByteSize()));
  f.Seek(ValuePos(e));
  return f.ReadString(e.ByteSize());
}

}  // namespace kelvane
