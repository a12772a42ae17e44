#include "engine/xmp/xmp_captions.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <numeric>

namespace kelvane::xmp {

namespace {

constexpr size_t kCaptionCount = std::size(kPropertyCaptions);
static_assert(kCaptionCount < UINT16_MAX);

// Local name first: it is short and tells most entries apart.
constexpr bool Before(std::string_view local_a, std::string_view uri_a, std::string_view local_b,
                      std::string_view uri_b) {
  return local_a != local_b ? local_a < local_b : uri_a < uri_b;
}

// The table's entries in the order of (local name, URI), made by the
// compiler, so that a lookup is a binary search over views and allocates
// nothing.
constexpr std::array<uint16_t, kCaptionCount> kOrder = [] {
  std::array<uint16_t, kCaptionCount> order{};
  std::iota(order.begin(), order.end(), uint16_t{0});
  std::sort(order.begin(), order.end(), [](uint16_t a, uint16_t b) {
    const PropertyCaption& x = kPropertyCaptions[a];
    const PropertyCaption& y = kPropertyCaptions[b];
    return Before(x.local, x.uri, y.local, y.uri);
  });
  return order;
}();

constexpr bool EachPropertyOnce() {
  for (size_t i = 1; i < kCaptionCount; ++i) {
    const PropertyCaption& a = kPropertyCaptions[kOrder[i - 1]];
    const PropertyCaption& b = kPropertyCaptions[kOrder[i]];
    if (a.local == b.local && a.uri == b.uri) return false;
  }
  return true;
}
static_assert(EachPropertyOnce(), "a property is listed twice in kPropertyCaptions");

}  // namespace

const PropertyCaption* FindCaption(std::string_view uri, std::string_view local) {
  const auto at = std::lower_bound(kOrder.begin(), kOrder.end(), 0, [&](uint16_t i, int) {
    const PropertyCaption& c = kPropertyCaptions[i];
    return Before(c.local, c.uri, local, uri);
  });
  if (at == kOrder.end()) return nullptr;
  const PropertyCaption& c = kPropertyCaptions[*at];
  return c.local == local && c.uri == uri ? &c : nullptr;
}

}  // namespace kelvane::xmp
