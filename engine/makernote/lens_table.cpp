#include "engine/makernote/lens_table.h"

namespace kelvane::maker {

std::optional<std::string> LensName(std::span<const LensId> list, uint32_t id,
                                    const LensClues&) {
  std::optional<std::string> names;
  for (const LensId& lens : list) {
    if (lens.id != id) continue;
    if (names)
      *names += std::string(" / ") + lens.name;
    else
      names = lens.name;
  }
  return names;
}

std::string UnlistedLensText(uint64_t id) { return "ID " + std::to_string(id); }

std::string LensText(std::span<const LensId> list, uint32_t id, const LensClues& clues) {
  if (auto name = LensName(list, id, clues)) return *name;
  return UnlistedLensText(id);
}

}  // namespace kelvane::maker
