// Compile-time checks of the Exif, TIFF and GPS vocabularies: each lists a
// code once (a second row would never be reached) and its texts are UTF-8,
// as rows take them without checking them again.
#include "engine/text/vocabulary.h"
#include "engine/tiff/exif_vocabularies.h"
#include "engine/tiff/gps_captions.h"

namespace kelvane {
namespace {

constexpr bool ShortVocabulariesAreWellFormed() {
  for (const exif_vocab::ShortVocabulary& vocabulary : exif_vocab::kShortVocabularies)
    if (!IsWellFormedVocabulary(vocabulary.values)) return false;
  return true;
}
static_assert(ShortVocabulariesAreWellFormed());
static_assert(IsWellFormedVocabulary(kGpsCaptions));

}  // namespace
}  // namespace kelvane
