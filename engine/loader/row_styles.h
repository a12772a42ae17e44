// The style each IFD row gets in its group, by tag; tags not listed are
// detail rows.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace kelvane {

struct TagStyleRange {
  uint16_t first;
  uint16_t last;  // inclusive
  int style;
};

inline constexpr TagStyleRange kMainStyles[] = {
    {0x010E, 0x010E, 0}, {0x010F, 0x010F, 0}, {0x0110, 0x0110, 0}, {0x0131, 0x0131, 0},
    {0x9000, 0x9000, 0}, {0x9004, 0x9004, 0}, {0x9102, 0x9102, 0}, {0xA004, 0xA004, 0},
    {0x0132, 0x0132, 1}, {0x8298, 0x8298, 1}, {0x829A, 0x829A, 1}, {0x829D, 0x829D, 1},
    {0x8822, 0x8822, 1}, {0x8827, 0x8827, 1}, {0x9003, 0x9003, 1}, {0x9201, 0x920A, 1},
    {0xA002, 0xA002, 1}, {0xA003, 0xA003, 1}, {0xC630, 0xC630, 1},
};

inline constexpr TagStyleRange kSubStyles[] = {
    {0x9000, 0x9000, 0}, {0x9004, 0x9004, 0}, {0x9102, 0x9102, 0}, {0xA004, 0xA004, 0},
    {0x829A, 0x829A, 1}, {0x829D, 0x829D, 1}, {0x8822, 0x8822, 1}, {0x8827, 0x8827, 1},
    {0x9003, 0x9003, 1}, {0x9201, 0x920A, 1}, {0x9286, 0x9286, 1}, {0xA002, 0xA002, 1},
    {0xA003, 0xA003, 1}, {0xA402, 0xA40A, 1}, {0xA40C, 0xA40C, 1},
};

inline constexpr TagStyleRange kGpsStyles[] = {
    {0x01, 0x07, 0},
    {0x0C, 0x19, 0},
    {0x20, 0x20, 0},
};

// A table's ranges ordered by their first tag, sorted by the compiler, so
// that a row's style takes a binary search instead of a pass over the table.
template <size_t N>
class StyleIndex {
 public:
  constexpr explicit StyleIndex(const TagStyleRange (&table)[N]) {
    for (size_t i = 0; i < N; ++i) {
      size_t j = i;
      for (; j > 0 && ranges_[j - 1].first > table[i].first; --j) ranges_[j] = ranges_[j - 1];
      ranges_[j] = table[i];
    }
  }

  // No tag lies in two ranges, so the search finds what a pass over the
  // table in its own order would.
  constexpr bool Disjoint() const {
    for (size_t i = 0; i < N; ++i) {
      if (ranges_[i].first > ranges_[i].last) return false;
      if (i > 0 && ranges_[i - 1].last >= ranges_[i].first) return false;
    }
    return true;
  }

  // The style of a row with `tag`; tags in no range are detail rows.
  constexpr int StyleOf(int32_t tag) const {
    size_t low = 0, high = N;  // the ranges before `low` start at or below tag
    while (low < high) {
      const size_t mid = (low + high) / 2;
      if (ranges_[mid].first <= tag)
        low = mid + 1;
      else
        high = mid;
    }
    if (low > 0 && tag <= ranges_[low - 1].last) return ranges_[low - 1].style;
    return 2;
  }

 private:
  std::array<TagStyleRange, N> ranges_{};
};

inline constexpr StyleIndex kMainStyleIndex{kMainStyles};
inline constexpr StyleIndex kSubStyleIndex{kSubStyles};
inline constexpr StyleIndex kGpsStyleIndex{kGpsStyles};
static_assert(kMainStyleIndex.Disjoint() && kSubStyleIndex.Disjoint() && kGpsStyleIndex.Disjoint());

}  // namespace kelvane
