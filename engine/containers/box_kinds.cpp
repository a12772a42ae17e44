#include "engine/containers/box_kinds.h"

#include <optional>

#include "engine/containers/heif.h"
#include "engine/containers/isobmff.h"

namespace kelvane {

namespace {

using bmff::FourCC;

// Brands of `ftyp`-first files that are neither HEIF, CR3 nor a movie.
constexpr uint32_t kOtherBrands[] = {FourCC("jp2 "), FourCC("jpx "), FourCC("jpm "),
                                     FourCC("mjp2"), FourCC("jxl "), FourCC("crx ")};

BoxFileKind ByExtension(std::string_view ext) {
  if (ext == ".heic" || ext == ".heif" || ext == ".hif" || ext == ".avif") return BoxFileKind::kHeif;
  if (ext == ".cr3") return BoxFileKind::kCr3;
  if (ext == ".mp4" || ext == ".m4v" || ext == ".3gp" || ext == ".3g2") return BoxFileKind::kMovie;
  return BoxFileKind::kNone;
}

}  // namespace

BoxFileKind RecognizeBoxFile(Reader& f, std::string_view lower_ext) {
  std::optional<bmff::FileType> type;
  try {
    type = bmff::ReadFileType(f);
  } catch (const ReadError&) {
    // A file too short for its first box header is judged by its name.
  }
  if (type) {
    if (type->major == FourCC("crx ")) return BoxFileKind::kCr3;
    if (IsHeifType(*type)) return BoxFileKind::kHeif;
    bool other = false;
    for (uint32_t brand : kOtherBrands) other = other || type->major == brand;
    if (!other) return BoxFileKind::kMovie;
  }
  // A JPEG is a JPEG whatever its name.
  try {
    f.Seek(0);
    unsigned char soi[2];
    f.Read(soi, 2);
    if (soi[0] == 0xFF && soi[1] == 0xD8) return BoxFileKind::kNone;
  } catch (const ReadError&) {
  }
  return ByExtension(lower_ext);
}

}  // namespace kelvane
