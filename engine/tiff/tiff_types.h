// The TIFF field types: their numbers and byte sizes, for every directory
// the engine walks (IFD0, Exif, GPS, Interop, maker notes, Kodak IFDs).
#pragma once

#include <cstdint>
#include <initializer_list>

namespace kelvane {

enum TiffType : uint16_t {
  kTypeByte = 1,
  kTypeAscii = 2,
  kTypeShort = 3,
  kTypeLong = 4,
  kTypeRational = 5,
  kTypeSByte = 6,
  kTypeUndefined = 7,
  kTypeSShort = 8,
  kTypeSLong = 9,
  kTypeSRational = 10,
  kTypeFloat = 11,
  kTypeDouble = 12,
  kTypeIfd = 13,  // a LONG that is the offset of an IFD
  kTypeUtf8 = 129,  // Exif 3.0: UTF-8 text, NUL-terminated like ASCII
};

// Byte size of a TIFF field type; codes outside 1..13 give 1 (UTF-8, 129,
// is counted in bytes too).
constexpr int TypeSize(int type) {
  constexpr int kSizes[14] = {1, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8, 4};
  if (type < 0 || type > 13) return 1;
  return kSizes[type];
}

// The types whose values are whole numbers of 1, 2 or 4 bytes.
constexpr bool IsIntegerType(uint16_t type) {
  switch (type) {
    case kTypeByte:
    case kTypeShort:
    case kTypeLong:
    case kTypeSByte:
    case kTypeSShort:
    case kTypeSLong:
    case kTypeIfd:
      return true;
    default:
      return false;
  }
}

// A set of types, for the rules that apply to some types only.
using TypeSet = uint16_t;
constexpr TypeSet Types(std::initializer_list<TiffType> types) {
  TypeSet set = 0;
  for (TiffType t : types) set = static_cast<TypeSet>(set | (1u << t));
  return set;
}
inline constexpr TypeSet kAnyTypeSet = 0xFFFF;
constexpr bool InSet(TypeSet set, uint16_t type) {
  return type < 16 && ((static_cast<unsigned>(set) >> type) & 1u) != 0;
}

}  // namespace kelvane
