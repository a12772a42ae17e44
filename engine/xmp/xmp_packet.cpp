#include "engine/xmp/xmp_packet.h"

#include <algorithm>

#include "engine/text/encoding.h"
#include "engine/xmp/xml_reader.h"
#include "engine/xmp/xmp_captions.h"

namespace kelvane::xmp {

namespace {

constexpr std::string_view kValueSeparator = ", ";

bool IsRdf(const XmlName& n, std::string_view local) {
  return n.uri == ns::kRdf && n.local == local;
}

// What an open element stands for in the RDF of an XMP packet.
enum class Kind {
  kOutside,      // around rdf:RDF (x:xmpmeta, other wrappers)
  kRdf,          // rdf:RDF
  kDescription,  // a node whose attributes and children are properties or fields
  kValue,        // a property, a field or an array item
  kArray,        // rdf:Bag, rdf:Seq or rdf:Alt
};

// An open element. Its path and shown name are prefixes of the reader's
// two name buffers (an element's are its parent's with a step added), so
// that opening an element copies no names.
struct Frame {
  Kind kind = Kind::kOutside;
  // The property's (a description's or an array's: its owner's).
  size_t path_size = 0;
  size_t step_at = 0;
  size_t shown_size = 0;
  bool key = false;
  bool alt = false;        // an array: rdf:Alt
  bool item = false;       // a value: an array item
  bool fields = false;     // a value with rdf:parseType="Resource"
  bool has_parts = false;  // a value with fields or items of its own
  bool has_resource = false;
  std::string lang;
  std::string text;

  // Makes the frame new, keeping its texts' room for the next element.
  void Reset(Kind k) {
    kind = k;
    path_size = step_at = shown_size = 0;
    key = alt = item = fields = has_parts = has_resource = false;
    lang.clear();
    text.clear();
  }
};

// The length of the longest prefix of `s` that is well-formed UTF-8.
size_t ValidUtf8Length(std::string_view s) {
  if (text::IsValidUtf8(s)) return s.size();
  size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    size_t length = c < 0x80 ? 1 : c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3
                                : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
    if (length == 0 || s.size() - i < length ||
        !text::IsValidUtf8(s.substr(i, length)))
      return i;
    i += length;
  }
  return i;
}

// A packet in UTF-16 or UTF-32 is known by how its first "<" (or a byte
// order mark) is stored: the code unit's width, negative for little-endian
// units; 0 for UTF-8.
int WideWidth(std::string_view s) {
  auto starts = [&](std::string_view lead) { return s.substr(0, lead.size()) == lead; };
  using namespace std::string_view_literals;
  if (starts("\0\0\0<"sv) || starts("\0\0\xFE\xFF"sv)) return 4;
  if (starts("<\0\0\0"sv) || starts("\xFF\xFE\0\0"sv)) return -4;
  if (starts("\0<"sv) || starts("\xFE\xFF"sv)) return 2;
  if (starts("<\0"sv) || starts("\xFF\xFE"sv)) return -2;
  return 0;
}

// The packet's UTF-16 or UTF-32 units as UTF-8, up to the first unit that
// is not a character (false then, and for a unit cut short).
bool WideToUtf8(std::string_view s, int width, std::string& out) {
  const size_t size = static_cast<size_t>(width < 0 ? -width : width);
  const bool little = width < 0;
  out.reserve(s.size());
  auto unit = [&](size_t at) {
    uint32_t v = 0;
    for (size_t k = 0; k < size; ++k) {
      const auto b = static_cast<unsigned char>(s[at + (little ? size - 1 - k : k)]);
      v = (v << 8) | b;
    }
    return v;
  };
  size_t i = 0;
  for (; i + size <= s.size(); i += size) {
    uint32_t c = unit(i);
    if (size == 2 && c >= 0xD800 && c <= 0xDBFF) {
      if (i + 2 * size > s.size()) return false;
      const uint32_t low = unit(i + size);
      if (low < 0xDC00 || low > 0xDFFF) return false;
      c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
      i += size;
    } else if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
      return false;
    }
    // A byte order mark opening the packet is not part of its text.
    if (c == 0xFEFF && out.empty()) continue;
    text::AppendUtf8(out, c);
  }
  return i == s.size();
}

class RdfReader final : public XmlEvents {
 public:
  RdfReader(XmpProperties& out, bool wrapper) : out_(out), wrapper_(wrapper) {
    // Frames are kept and reused: a reference to one stays good.
    stack_.resize(static_cast<size_t>(kMaxDepth));
  }

  bool full() const { return full_; }
  bool too_deep() const { return too_deep_; }

  bool Start(const XmlName& name, std::span<const XmlAttribute> attributes) override {
    if (depth_ >= stack_.size()) {
      too_deep_ = true;
      return false;
    }
    Frame* parent = depth_ == 0 ? nullptr : &stack_[depth_ - 1];
    Frame& f = stack_[depth_];
    const Kind at = parent ? parent->kind : Kind::kOutside;
    if (at == Kind::kOutside) {
      f.Reset(IsRdf(name, "RDF") ? Kind::kRdf : Kind::kOutside);
      // The wrapper names the toolkit that wrote the packet.
      // (Older writers name it x:xapmeta, with x:xaptk.)
      if (wrapper_ && name.uri == ns::kMeta && (name.local == "xmpmeta" || name.local == "xapmeta")) {
        for (const XmlAttribute& a : attributes) {
          if (a.name.uri != ns::kMeta) continue;
          Frame field;
          Field(f, a.name, field);
          if (!Add(field, a.value)) return false;
        }
      }
    } else if (at == Kind::kRdf) {
      // rdf:Description, or a typed node standing for one.
      f.Reset(Kind::kDescription);
    } else if (at == Kind::kValue && !parent->fields) {
      parent->has_parts = true;
      if (IsRdf(name, "Bag") || IsRdf(name, "Seq") || IsRdf(name, "Alt")) {
        Owned(*parent, Kind::kArray, f);
        f.alt = name.local == "Alt";
      } else if (IsRdf(name, "Description")) {
        Owned(*parent, Kind::kDescription, f);
      } else {
        Field(*parent, name, f);
      }
    } else if (at == Kind::kArray) {
      Owned(*parent, Kind::kValue, f);
      f.item = true;
    } else {
      // A property of a description, or a field of a parseType="Resource"
      // value.
      if (at == Kind::kValue) parent->has_parts = true;
      Field(*parent, name, f);
    }
    ++depth_;
    return TakeAttributes(f, attributes, parent && parent->alt);
  }

  bool End() override {
    if (depth_ == 0) return true;
    const Frame& f = stack_[--depth_];
    if (f.kind != Kind::kValue || f.has_parts || f.fields) return true;
    if (!f.item || f.lang.empty()) return Add(f, f.text);
    value_.assign("[").append(f.lang).append("] ").append(f.text);
    return Add(f, value_);
  }

  bool Text(std::string_view text) override {
    if (depth_ > 0 && stack_[depth_ - 1].kind == Kind::kValue && !stack_[depth_ - 1].has_resource)
      stack_[depth_ - 1].text.append(text);
    return true;
  }

 private:
  static void Owned(const Frame& owner, Kind kind, Frame& f) {
    f.Reset(kind);
    f.path_size = owner.path_size;
    f.step_at = owner.step_at;
    f.shown_size = owner.shown_size;
    f.key = owner.key;
  }

  // Makes `f` the value named `name` under `owner` (a description's path is
  // its owner's; a top-level description has none): its path and shown
  // name are the owner's with this step added.
  void Field(const Frame& owner, const XmlName& name, Frame& f) {
    // A qualified value keeps its own value in rdf:value, beside the
    // qualifiers.
    if (IsRdf(name, "value") && owner.path_size != 0) return Owned(owner, Kind::kValue, f);
    const bool top = owner.path_size == 0;
    f.Reset(Kind::kValue);
    path_.resize(owner.path_size);
    if (!top) path_.push_back('/');
    f.step_at = path_.size();
    path_.append(name.uri).append("\x01").append(name.local);
    f.path_size = path_.size();
    shown_.resize(owner.shown_size);
    if (!top) shown_.push_back('/');
    const PropertyCaption* c = FindCaption(name.uri, name.local);
    if (c != nullptr)
      shown_.append(c->caption);
    else if (name.prefix.empty())
      shown_.append(name.local);
    else
      shown_.append(name.prefix).append(":").append(name.local);
    f.shown_size = shown_.size();
    f.key = top && c != nullptr && c->key;
  }

  bool TakeAttributes(Frame& f, std::span<const XmlAttribute> attributes, bool in_alt) {
    if (f.kind != Kind::kValue && f.kind != Kind::kDescription) return true;
    Frame field;
    for (const XmlAttribute& a : attributes) {
      // What a top-level description is about (rdf:about, or the older
      // "about" outside every namespace): shown once.
      const bool about =
          (a.name.uri.empty() || a.name.uri == ns::kRdf) && a.name.local == "about";
      if (about && f.kind == Kind::kDescription && f.path_size == 0 && !a.value.empty() &&
          !about_shown_) {
        about_shown_ = true;
        Field(f, {ns::kRdf, "about", "rdf"}, field);
        if (!Add(field, a.value)) return false;
      }
      // No other attribute outside every namespace is a property.
      if (a.name.uri.empty()) continue;
      if (a.name.uri == ns::kXml) {
        if (a.name.local == "lang" && in_alt) f.lang = a.value;
        continue;
      }
      if (a.name.uri == ns::kRdf) {
        if (f.kind != Kind::kValue) continue;
        if (a.name.local == "parseType" && a.value == "Resource") f.fields = true;
        if (a.name.local == "resource") {
          f.has_resource = true;
          f.text = a.value;
        }
        continue;
      }
      // Any other attribute is a property (of a description) or a field
      // (of a value written in the short form).
      if (f.kind == Kind::kValue) f.has_parts = true;
      Field(f, a.name, field);
      if (!Add(field, a.value)) return false;
    }
    return true;
  }

  bool Add(const Frame& f, std::string_view value) {
    const std::string_view path = std::string_view(path_).substr(0, f.path_size);
    const std::string_view shown = std::string_view(shown_).substr(0, f.shown_size);
    if (out_.Add(path, f.step_at, shown, f.key, value)) return true;
    full_ = true;
    return false;
  }

  XmpProperties& out_;
  const bool wrapper_;  // the wrapper's attributes are read
  std::vector<Frame> stack_;
  size_t depth_ = 0;
  std::string path_;   // the open elements' paths
  std::string shown_;  // and shown names
  std::string value_;
  bool full_ = false;
  bool too_deep_ = false;
  bool about_shown_ = false;
};

}  // namespace

std::string PathOf(std::string_view uri, std::string_view local) {
  std::string path;
  path.reserve(uri.size() + local.size() + 1);
  path.append(uri).append("\x01").append(local);
  return path;
}

namespace {

// FNV-1a over the pieces of a path, one after the other.
uint64_t HashOf(std::span<const std::string_view> pieces) {
  uint64_t h = 14695981039346656037u;
  for (std::string_view piece : pieces)
    for (char c : piece) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211u;
  return h;
}

bool SameAs(std::string_view path, std::span<const std::string_view> pieces) {
  for (std::string_view piece : pieces) {
    if (path.substr(0, piece.size()) != piece) return false;
    path.remove_prefix(piece.size());
  }
  return path.empty();
}

}  // namespace

std::string_view XmpProperties::Path(const XmpProperty& p) const {
  return std::string_view(paths_).substr(p.path_at, p.path_size);
}

XmpStep XmpProperties::Step(const XmpProperty& p) const {
  const std::string_view step = Path(p).substr(p.step_at);
  const size_t split = step.rfind('\x01');
  if (split == std::string_view::npos) return {{}, step};
  return {step.substr(0, split), step.substr(split + 1)};
}

size_t XmpProperties::Slot(std::span<const std::string_view> pieces) const {
  const size_t mask = slots_.size() - 1;
  for (size_t i = static_cast<size_t>(HashOf(pieces)) & mask;; i = (i + 1) & mask) {
    if (slots_[i] == 0 || SameAs(Path(list_[slots_[i] - 1]), pieces)) return i;
  }
}

void XmpProperties::Grow() {
  slots_.assign(slots_.empty() ? 64 : 2 * slots_.size(), 0);
  for (size_t k = 0; k < list_.size(); ++k) {
    const std::string_view path = Path(list_[k]);
    slots_[Slot({&path, 1})] = static_cast<uint32_t>(k + 1);
  }
}

bool XmpProperties::Add(std::string_view path, size_t step_at, std::string_view shown, bool key,
                        std::string_view value) {
  // At most half the slots are taken, so that a search ends soon.
  if (2 * (list_.size() + 1) > slots_.size()) Grow();
  const size_t slot = Slot({&path, 1});
  if (slots_[slot] != 0) {
    list_[slots_[slot] - 1].value.append(kValueSeparator).append(value);
    return true;
  }
  if (list_.size() >= kMaxProperties || paths_.size() + path.size() > UINT32_MAX) return false;
  slots_[slot] = static_cast<uint32_t>(list_.size() + 1);
  list_.push_back({std::string(shown), std::string(value), key, static_cast<uint32_t>(paths_.size()),
                   static_cast<uint32_t>(path.size()), static_cast<uint32_t>(step_at)});
  paths_.append(path);
  return true;
}

std::string_view XmpProperties::Value(std::string_view uri, std::string_view local) const {
  if (slots_.empty()) return {};
  const std::string_view pieces[] = {uri, "\x01", local};
  const size_t slot = Slot(pieces);
  return slots_[slot] == 0 ? std::string_view() : std::string_view(list_[slots_[slot] - 1].value);
}

bool XmpProperties::Read(std::string_view packet) {
  std::string converted;
  bool whole = true;
  if (const int width = WideWidth(packet); width != 0) {
    whole = WideToUtf8(packet, width, converted);
    packet = converted;
  }
  // Writers pad a packet's block with NULs behind its end.
  while (!packet.empty() && packet.back() == '\0') packet.remove_suffix(1);
  // Bytes that are not UTF-8 end the packet where they begin, whichever
  // parser reads it.
  const size_t valid = ValidUtf8Length(packet);
  // An extension repeats its main packet's wrapper.
  RdfReader reader(*this, !read_before_);
  read_before_ = true;
  const XmlEnd end = ReadXml(packet.substr(0, valid), reader);
  return whole && valid == packet.size() && end == XmlEnd::kComplete;
}

}  // namespace kelvane::xmp
