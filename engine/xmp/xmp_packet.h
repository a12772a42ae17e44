// An XMP packet read into flat properties: each simple value, each array
// (one comma-separated value) and each structure field (a "/" path) once,
// in the order the packet first gives them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane::xmp {

// Element nesting beyond this is not followed: the packet counts as
// damaged and what was read before it stays.
inline constexpr int kMaxDepth = 64;
// Properties beyond this many are not kept (the packet counts as damaged).
inline constexpr size_t kMaxProperties = 5000;

struct XmpProperty {
  std::string shown;  // captions or prefixed names joined by "/"
  std::string value;
  bool key = false;   // one of the rows the abbreviated view keeps
  // Where the property's path (namespace URIs and local names: what tells
  // two apart) lies in its XmpProperties' store, and where its last step
  // (the property's or field's own URI and local name) begins.
  uint32_t path_at = 0;
  uint32_t path_size = 0;
  uint32_t step_at = 0;
};

// A property's own namespace URI and local name (a field's, for a field of
// a structure).
struct XmpStep {
  std::string_view uri;
  std::string_view local;
};

class XmpProperties {
 public:
  // Reads one packet; the properties of a second one (the extended part)
  // join those of the first. Answers false when the packet was damaged:
  // not well-formed, cut short, with a DOCTYPE, too deep or too large. The
  // properties read before the damage stay.
  bool Read(std::string_view packet);

  const std::vector<XmpProperty>& List() const { return list_; }
  // The same, to take the texts from.
  std::span<XmpProperty> Edit() { return list_; }
  std::string_view Path(const XmpProperty& p) const;
  XmpStep Step(const XmpProperty& p) const;
  // The value of a top-level property; empty when the packet has none.
  std::string_view Value(std::string_view uri, std::string_view local) const;

  // Appends `value` to the property at `path`, made with `shown` and `key`
  // when it is new. False when no more properties may be made.
  // `step_at` is where the last step begins in `path`.
  bool Add(std::string_view path, size_t step_at, std::string_view shown, bool key,
           std::string_view value);

 private:
  // The slot of `list_`'s index that holds the path made of `pieces`, or
  // the empty slot where it would go.
  size_t Slot(std::span<const std::string_view> pieces) const;
  void Grow();

  std::vector<XmpProperty> list_;
  std::string paths_;  // every property's path, one after the other
  // Open addressing over list_: each slot holds an index + 1 (0: empty).
  std::vector<uint32_t> slots_;
  bool read_before_ = false;
};

// The path of a top-level property, as XmpProperty::path spells it.
std::string PathOf(std::string_view uri, std::string_view local);

}  // namespace kelvane::xmp
