#include "engine/loader/interop_rows.h"

#include "engine/reader/primitives.h"
#include "engine/tiff/ifd_entry.h"

namespace kelvane {

namespace {

constexpr const char* kInteropCaption = "ExifR98情報";
constexpr uint32_t kMaxInteropEntries = 100;

std::string InteropName(uint16_t tag) {
  if (tag == 1) return "互換性識別子";
  if (tag == 2) return "バージョン";
  return "Unknown (" + std::to_string(tag) + ")";
}

std::string InteropValue(Reader& f, bool intel, uint16_t tag, uint16_t type, uint32_t count) {
  switch (type) {
    case 2:
      return ReadRaw(f, count);
    case 3:
      return std::to_string(ReadWord(f, intel));
    case 4:
      return std::to_string(ReadLong(f, intel));
    case 5: {
      uint32_t n = 0, d = 0;
      ReadRational(f, intel, n, d);
      return std::to_string(n) + "/" + std::to_string(d);
    }
    case 7:
      if (tag == 2) return ReadRaw(f, 4);
      return {};
    default:
      return {};
  }
}

}  // namespace

void AddInteropRows(Reader& f, bool intel, uint32_t base, uint32_t interop_ifd, InfoTree& tree) {
  const uint64_t position = uint64_t{base} + interop_ifd;
  f.Seek(position);
  const uint32_t n = ReadValue(f, intel, 2);
  if (n >= kMaxInteropEntries) {
    tree.AddRow(3, kInteropCaption, "情報が破損");
    return;
  }
  tree.AddRow(3, kInteropCaption, "");
  const uint64_t entries = position + 2;
  ValueBudget budget;
  for (uint32_t i = 0; i < n; ++i) {
    const uint64_t entry = entries + 12 * uint64_t{i};
    f.Seek(entry);
    const uint16_t tag = ReadWord(f, intel);
    const uint16_t type = ReadWord(f, intel);
    const uint32_t count = ReadLong(f, intel);
    const uint32_t value_offset = ReadLong(f, intel);
    const uint64_t size = uint64_t{count} * static_cast<uint64_t>(TypeSize(type));
    const bool is_inline = size <= 4;
    f.Seek(is_inline ? entry + 8 : uint64_t{base} + value_offset);
    std::string value;
    if (budget.Take(is_inline ? 0 : size)) value = InteropValue(f, intel, tag, type, count);
    tree.AddRow(2, InteropName(tag), value);
  }
}

}  // namespace kelvane
