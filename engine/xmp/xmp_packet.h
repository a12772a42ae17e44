// An XMP packet read into flat properties: each simple value, each array
// (one comma-separated value) and each structure field (a "/" path) once,
// in the order the packet first gives them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kelvane::xmp {

// Element nesting beyond this is not followed: the packet counts as
// damaged and what was read before it stays.
inline constexpr int kMaxDepth = 64;
// Properties beyond this many are not kept (the packet counts as damaged).
inline constexpr size_t kMaxProperties = 5000;

struct XmpProperty {
  std::string path;   // namespace URIs and local names: what tells two apart
  std::string shown;  // captions or prefixed names joined by "/"
  std::string value;
  bool key = false;   // one of the rows the abbreviated view keeps
};

class XmpProperties {
 public:
  // Reads one packet; the properties of a second one (the extended part)
  // join those of the first. Answers false when the packet was damaged:
  // not well-formed, cut short, with a DOCTYPE, too deep or too large. The
  // properties read before the damage stay.
  bool Read(std::string_view packet);

  const std::vector<XmpProperty>& List() const { return list_; }
  // The value of a top-level property; empty when the packet has none.
  std::string_view Value(std::string_view uri, std::string_view local) const;

  // Appends `value` to the property at `path`, made with `shown` and `key`
  // when it is new. False when no more properties may be made.
  bool Add(const std::string& path, std::string_view shown, bool key, std::string_view value);

 private:
  std::vector<XmpProperty> list_;
  std::unordered_map<std::string, size_t> index_;
  bool read_before_ = false;
};

// The path of a top-level property, as XmpProperty::path spells it.
std::string PathOf(std::string_view uri, std::string_view local);

}  // namespace kelvane::xmp
