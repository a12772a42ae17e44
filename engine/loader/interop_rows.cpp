#include "engine/loader/interop_rows.h"

#include "engine/tiff/interop.h"

namespace kelvane {

namespace {

constexpr const char* kInteropCaption = "ExifR98情報";

}  // namespace

void AddInteropRows(Reader& f, bool intel, uint32_t base, uint32_t interop_ifd,
                    TMakerResult& result, InfoTree& tree) {
  const WalkEnd end = ReadInterop(f, intel, base, uint64_t{base} + interop_ifd, result);
  if (end == WalkEnd::kTooManyEntries) {
    tree.AddRow(kStyleCaption, kInteropCaption, "情報が破損");
    return;
  }
  tree.AddRow(kStyleCaption, kInteropCaption, "");
  for (int32_t i = 0; i < result.Count; ++i) {
    const TIFDItem& item = result.Items[static_cast<size_t>(i)];
    tree.AddRow(kStyleDetail, item.Name, item.Value);
  }
  // An IFD cut short ends the run after the rows read so far.
  if (end == WalkEnd::kCutShort) throw ReadError("interoperability IFD past the end of the file");
}

}  // namespace kelvane
