#include <algorithm>
#include <array>

#include "engine/makernote/maker_table.h"
#include "engine/makernote/tags_canon.h"
#include "engine/makernote/tags_casio.h"
#include "engine/makernote/tags_fujifilm.h"
#include "engine/makernote/tags_kodak.h"
#include "engine/makernote/tags_minolta_pentax_ricoh.h"
#include "engine/makernote/tags_nikon.h"
#include "engine/makernote/tags_olympus.h"
#include "engine/makernote/tags_other_makers.h"
#include "engine/text/encoding.h"

namespace kelvane::maker {

namespace {

struct MakerTable {
  int32_t maker_code;
  std::span<const MakerTag> tags;
};

// Codes without a table (21 Ricoh camera info, 26 Ricoh RDC-7S, 28) name
// no tag: all their entries come out as "Unknown (" rows.
constexpr MakerTable kTables[] = {
    {1, kOlympusTags},       {2, kEpsonTags},      {3, kSanyoTags},
    {5, kCoolpixTags},       {6, kNikonTags},      {7, kCasioTags},
    {8, kCanonTags},         {9, kKonicaTags},     {12, kFujifilmTags},
    {14, kFujifilm230Tags},  {17, kSonyTags},      {18, kMinoltaTags},
    {19, kPentaxTags},       {20, kRicohTags},     {22, kKodakEffectsTags},
    {23, kKodakBordersTags}, {24, kKyoceraTags},   {25, kPanasonicTags},
    {29, kToshibaTags},      {31, kCasio2Tags},    {33, kSigmaTags},
    {35, kKddiTags},
};

// Each table lists a tag once, in ascending order, so that a reviewer can
// read it against the camera's documentation.
constexpr bool TablesAreOrdered() {
  for (const MakerTable& table : kTables) {
    for (size_t i = 1; i < table.tags.size(); ++i)
      if (table.tags[i - 1].tag >= table.tags[i].tag) return false;
  }
  return true;
}
static_assert(TablesAreOrdered());

// Rows take these names without checking them again.
constexpr bool NamesAreUtf8() {
  for (const MakerTable& table : kTables) {
    for (const MakerTag& tag : table.tags)
      if (tag.name && !text::IsValidUtf8(tag.name)) return false;
  }
  return true;
}
static_assert(NamesAreUtf8());

// An enumeration lists each value once (a second row would never be
// reached) and its texts are UTF-8; so does Nikon's text-to-text table.
constexpr bool EnumerationsAreWellFormed() {
  for (const MakerTable& table : kTables) {
    for (const MakerTag& tag : table.tags) {
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

const MakerTag* FindMakerTag(int32_t maker_code, uint16_t tag) {
  if (maker_code == 27) maker_code = 6;
  for (const MakerTable& table : kTables) {
    if (table.maker_code != maker_code) continue;
    auto it = std::lower_bound(table.tags.begin(), table.tags.end(), tag,
                               [](const MakerTag& t, uint16_t wanted) { return t.tag < wanted; });
    if (it != table.tags.end() && it->tag == tag) return &*it;
    return nullptr;
  }
  return nullptr;
}

}  // namespace kelvane::maker
