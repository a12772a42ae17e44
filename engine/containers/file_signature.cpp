#include "engine/containers/file_signature.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "engine/containers/jxl.h"
#include "engine/containers/png.h"
#include "engine/containers/webp.h"
#include "engine/reader/primitives.h"

namespace kelvane {

namespace {

constexpr std::array<std::string_view, 6> kTiffHeaders = {{
    {"II*\0", 4}, {"MM\0*", 4}, {"IIRO", 4}, {"IIRS", 4}, {"MMOR", 4}, {"IIU\0", 4}}};

}  // namespace

SignatureKind RecognizeSignature(Reader& f) {
  f.Seek(0);
  const std::string head = ReadRaw(f, static_cast<int64_t>(std::min<uint64_t>(f.Remaining(), 12)));
  if (head.starts_with(kPngSignature)) return SignatureKind::kPng;
  if (IsWebP(f)) return SignatureKind::kWebP;
  if (JxlFormOf(f) != JxlForm::kNone) return SignatureKind::kJxl;
  const std::string_view first4 = std::string_view(head).substr(0, 4);
  if (std::find(kTiffHeaders.begin(), kTiffHeaders.end(), first4) != kTiffHeaders.end())
    return SignatureKind::kTiff;
  return SignatureKind::kNone;
}

}  // namespace kelvane
