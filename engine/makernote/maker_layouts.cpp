#include <algorithm>
#include <array>

#include "engine/makernote/maker_layouts.h"
#include "engine/makernote/maker_table.h"
#include "engine/makernote/tags_apple.h"
#include "engine/makernote/tags_canon.h"
#include "engine/makernote/tags_casio.h"
#include "engine/makernote/tags_dji.h"
#include "engine/makernote/tags_fujifilm.h"
#include "engine/makernote/tags_kodak.h"
#include "engine/makernote/tags_minolta_pentax_ricoh.h"
#include "engine/makernote/tags_motorola.h"
#include "engine/makernote/tags_nikon.h"
#include "engine/makernote/tags_olympus.h"
#include "engine/makernote/tags_other_makers.h"
#include "engine/makernote/tags_sony.h"
#include "engine/makernote/tags_panasonic.h"
#include "engine/makernote/tags_samsung.h"
#include "engine/makernote/tags_pentax.h"
#include "engine/text/encoding.h"

namespace kelvane::maker {

namespace {

using enum MakerCode;

constexpr DirectoryRules kSonyWalk{.max_entries = 500, .last_type = 30,
                                   .float_error_costs_value = false};

constexpr MakerLayout kLayouts[] = {
    {.code = kOlympus, .tags = kOlympusTags},
    {.code = kEpson, .tags = kEpsonTags},
    {.code = kSanyo, .tags = kSanyoTags},
    {.code = kNikonCoolpix, .tags = kCoolpixTags},
    {.code = kNikon, .tags = kNikonTags},
    {.code = kCasio, .tags = kCasioTags},
    {.code = kCanon, .tags = kCanonTags},
    {.code = kKonica, .tags = kKonicaTags},
    {.code = kFujifilm, .tags = kFujifilmTags, .anchor = Anchor::kFujifilmStart,
     .order = Order::kIntel},
    {.code = kFujifilm230, .tags = kFujifilm230Tags},
    {.code = kSony, .tags = kSonyTags, .walk = kSonyWalk},
    {.code = kMinolta, .tags = kMinoltaTags},
    {.code = kPentax, .tags = kPentaxTags},
    {.code = kRicoh, .tags = kRicohTags},
    {.code = kRicohCameraInfo, .exif_note = false},
    {.code = kKodakEffects, .tags = kKodakEffectsTags, .exif_note = false},
    {.code = kKodakBorders, .tags = kKodakBordersTags, .exif_note = false},
    {.code = kKyocera, .tags = kKyoceraTags},
    {.code = kPanasonic, .tags = kPanasonicTags},
    {.code = kRicohRdc},
    {.code = kNikonEmbedded, .tags = kNikonTags, .anchor = Anchor::kEmbeddedHeader,
     .order = Order::kEmbeddedHeader, .key = kNikon},
    {.code = kReserved28},
    {.code = kToshiba, .tags = kToshibaTags},
    {.code = kCasio2, .tags = kCasio2Tags},
    {.code = kSigma, .tags = kSigmaTags, .order = Order::kSignature},
    {.code = kKddi, .tags = kKddiTags, .anchor = Anchor::kEmbeddedHeader,
     .order = Order::kEmbeddedHeader},
    {.code = kOlympusNew, .tags = kOlympusTags, .anchor = Anchor::kNoteStart,
     .order = Order::kSignature, .key = kOlympus},
    {.code = kSonyPlain, .tags = kSonyTags, .key = kSony, .walk = kSonyWalk,
     .named_style = kStyleDetail},
    {.code = kSonyMobile, .tags = kSonyTags, .key = kSony, .walk = kSonyWalk,
     .named_style = kStyleDetail},
    {.code = kApple, .tags = kAppleTags, .anchor = Anchor::kNoteStart, .order = Order::kSignature,
     .named_style = kStyleDetail},
    {.code = kSamsung, .tags = kSamsungTags, .named_style = kStyleDetail},
    // Huawei's tags have no public names: every entry is an "Unknown (" row.
    {.code = kHuawei, .anchor = Anchor::kEmbeddedHeader, .order = Order::kEmbeddedHeader,
     .named_style = kStyleDetail},
    {.code = kMotorola, .tags = kMotorolaTags, .anchor = Anchor::kNoteStart,
     .named_style = kStyleDetail},
    {.code = kDji, .tags = kDjiTags, .named_style = kStyleDetail},
    {.code = kPentaxAoc, .tags = kPentaxTags2, .order = Order::kSignature,
     .named_style = kStyleDetail},
    {.code = kPentaxNew, .tags = kPentaxTags2, .anchor = Anchor::kNoteStart,
     .order = Order::kSignature, .key = kPentaxAoc, .named_style = kStyleDetail},
};

// Each tag table lists a tag once, in ascending order, so that a reviewer
// can read it against the camera's documentation; each code has one layout.
constexpr bool LayoutsAreOrdered() {
  for (size_t i = 0; i < std::size(kLayouts); ++i) {
    if (i > 0 && Code(kLayouts[i - 1].code) >= Code(kLayouts[i].code)) return false;
    const auto tags = kLayouts[i].tags;
    for (size_t j = 1; j < tags.size(); ++j)
      if (tags[j - 1].tag >= tags[j].tag) return false;
  }
  return true;
}
static_assert(LayoutsAreOrdered());

// Rows take these names without checking them again.
constexpr bool NamesAreUtf8() {
  for (const MakerLayout& layout : kLayouts) {
    for (const MakerTag& tag : layout.tags)
      if (tag.name && !text::IsValidUtf8(tag.name)) return false;
  }
  return true;
}
static_assert(NamesAreUtf8());

// An enumeration lists each value once (a second row would never be
// reached) and its texts are UTF-8; so does Nikon's text-to-text table.
constexpr bool EnumerationsAreWellFormed() {
  for (const MakerLayout& layout : kLayouts) {
    for (const MakerTag& tag : layout.tags) {
      if (!IsWellFormedVocabulary(tag.values)) return false;
      for (size_t i = 0; i < tag.finish.size(); ++i) {
        if (!text::IsValidUtf8(tag.finish[i].text)) return false;
        for (size_t j = i + 1; j < tag.finish.size(); ++j)
          if (tag.finish[i].from == tag.finish[j].from) return false;
      }
    }
  }
  return true;
}
static_assert(EnumerationsAreWellFormed());

}  // namespace

const MakerLayout* FindLayout(int32_t code) {
  for (const MakerLayout& layout : kLayouts)
    if (Code(layout.code) == code) return &layout;
  return nullptr;
}

const MakerTag* FindMakerTag(std::span<const MakerTag> tags, uint16_t tag) {
  auto it = std::lower_bound(tags.begin(), tags.end(), tag,
                             [](const MakerTag& t, uint16_t wanted) { return t.tag < wanted; });
  return it != tags.end() && it->tag == tag ? &*it : nullptr;
}


}  // namespace kelvane::maker
