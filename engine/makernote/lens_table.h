// Lens lists as data: a maker's lens ID and the lens its public list names
// for it, one row per (ID, lens), in the list's order (lenses_<family>.h).
// Several lenses may share an ID (third-party lenses that report a maker's
// ID); LensName then chooses by what the file records of the lens.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace kelvane::maker {

struct LensId {
  uint32_t id;        // the maker's ID
  const char* name;   // the public list's name of the lens
};
// Nikon's lens ID: eight bytes read as one number, most significant first.
struct LensId64 {
  uint64_t id;
  const char* name;
};

// What the file records about the lens (0: not recorded): its focal range
// in millimetres and its largest aperture as an F-number.
struct LensClues {
  double focal_min = 0, focal_max = 0, aperture_max = 0;
};

// The lens of `id`: its one name when the list holds the ID once or the
// clues leave one candidate; every candidate the clues leave (all of them
// when they leave none), joined by " / ", otherwise; nothing when the list
// does not hold the ID.
std::optional<std::string> LensName(std::span<const LensId> list, uint32_t id,
                                    const LensClues& clues);
std::optional<std::string> LensName(std::span<const LensId64> list, uint64_t id,
                                    const LensClues& clues);

// The text of an ID that no list names: "ID 123".
std::string UnlistedLensText(uint64_t id);

// The lens row's text: the list's name, else the unlisted ID's text.
std::string LensText(std::span<const LensId> list, uint32_t id, const LensClues& clues);

// What a lens name says of its focal range and largest aperture
// ("18-55mm F3.5-5.6" -> 18, 55, 3.5); zeros where it says nothing.
LensClues CluesFromName(std::string_view name);

}  // namespace kelvane::maker
