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

struct Frame {
  Kind kind = Kind::kOutside;
  std::string path;   // the property's (a description's or an array's: its owner's)
  std::string shown;
  bool key = false;
  bool alt = false;        // an array: rdf:Alt
  bool item = false;       // a value: an array item
  bool fields = false;     // a value with rdf:parseType="Resource"
  bool has_parts = false;  // a value with fields or items of its own
  bool has_resource = false;
  std::string lang;
  std::string text;
};

std::string_view ShownStep(const XmlName& n, std::string& scratch) {
  if (const PropertyCaption* c = FindCaption(n.uri, n.local)) return c->caption;
  if (n.prefix.empty()) return n.local;
  scratch.assign(n.prefix).append(":").append(n.local);
  return scratch;
}

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

void AppendUtf8(std::string& out, uint32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
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
    AppendUtf8(out, c);
  }
  return i == s.size();
}

class RdfReader final : public XmlEvents {
 public:
  RdfReader(XmpProperties& out, bool wrapper) : out_(out), wrapper_(wrapper) {}

  bool full() const { return full_; }
  bool too_deep() const { return too_deep_; }

  bool Start(const XmlName& name, std::span<const XmlAttribute> attributes) override {
    if (stack_.size() >= static_cast<size_t>(kMaxDepth)) {
      too_deep_ = true;
      return false;
    }
    Frame f;
    Frame* parent = stack_.empty() ? nullptr : &stack_.back();
    const Kind at = parent ? parent->kind : Kind::kOutside;
    if (at == Kind::kOutside) {
      f.kind = IsRdf(name, "RDF") ? Kind::kRdf : Kind::kOutside;
      // The wrapper names the toolkit that wrote the packet.
      // (Older writers name it x:xapmeta, with x:xaptk.)
      if (wrapper_ && name.uri == ns::kMeta && (name.local == "xmpmeta" || name.local == "xapmeta")) {
        for (const XmlAttribute& a : attributes)
          if (a.name.uri == ns::kMeta && !Add(Field(f, a.name), a.value)) return false;
      }
    } else if (at == Kind::kRdf) {
      // rdf:Description, or a typed node standing for one.
      f.kind = Kind::kDescription;
    } else if (at == Kind::kValue && !parent->fields) {
      parent->has_parts = true;
      if (IsRdf(name, "Bag") || IsRdf(name, "Seq") || IsRdf(name, "Alt")) {
        f = Owned(*parent, Kind::kArray);
        f.alt = name.local == "Alt";
      } else if (IsRdf(name, "Description")) {
        f = Owned(*parent, Kind::kDescription);
      } else {
        f = Field(*parent, name);
      }
    } else if (at == Kind::kArray) {
      f = Owned(*parent, Kind::kValue);
      f.item = true;
    } else {
      // A property of a description, or a field of a parseType="Resource"
      // value.
      if (at == Kind::kValue) parent->has_parts = true;
      f = Field(*parent, name);
    }
    if (!TakeAttributes(f, attributes, parent && parent->alt)) return false;
    stack_.push_back(std::move(f));
    return true;
  }

  bool End() override {
    if (stack_.empty()) return true;
    Frame f = std::move(stack_.back());
    stack_.pop_back();
    if (f.kind != Kind::kValue || f.has_parts || f.fields) return true;
    std::string value;
    if (f.item && !f.lang.empty()) value.append("[").append(f.lang).append("] ");
    value.append(f.text);
    return Add(f, value);
  }

  bool Text(std::string_view text) override {
    if (!stack_.empty() && stack_.back().kind == Kind::kValue && !stack_.back().has_resource)
      stack_.back().text.append(text);
    return true;
  }

 private:
  static Frame Owned(const Frame& owner, Kind kind) {
    Frame f;
    f.kind = kind;
    f.path = owner.path;
    f.shown = owner.shown;
    f.key = owner.key;
    return f;
  }

  // A value named `name` under `owner` (a description's path is its
  // owner's; a top-level description has none).
  Frame Field(const Frame& owner, const XmlName& name) {
    // A qualified value keeps its own value in rdf:value, beside the
    // qualifiers.
    if (IsRdf(name, "value") && !owner.path.empty()) return Owned(owner, Kind::kValue);
    Frame f;
    f.kind = Kind::kValue;
    const bool top = owner.path.empty();
    f.path = top ? PathOf(name.uri, name.local)
                 : owner.path + "/" + PathOf(name.uri, name.local);
    const std::string_view step = ShownStep(name, scratch_);
    f.shown = top ? std::string(step) : owner.shown + "/" + std::string(step);
    if (top) {
      const PropertyCaption* c = FindCaption(name.uri, name.local);
      f.key = c != nullptr && c->key;
    }
    return f;
  }

  bool TakeAttributes(Frame& f, std::span<const XmlAttribute> attributes, bool in_alt) {
    if (f.kind != Kind::kValue && f.kind != Kind::kDescription) return true;
    for (const XmlAttribute& a : attributes) {
      // What a top-level description is about (rdf:about, or the older
      // "about" outside every namespace): shown once.
      const bool about =
          (a.name.uri.empty() || a.name.uri == ns::kRdf) && a.name.local == "about";
      if (about && f.kind == Kind::kDescription && f.path.empty() && !a.value.empty() &&
          !about_shown_) {
        about_shown_ = true;
        if (!Add(Field(f, {ns::kRdf, "about", "rdf"}), a.value)) return false;
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
      Frame field = Field(f, a.name);
      if (!Add(field, a.value)) return false;
    }
    return true;
  }

  bool Add(const Frame& f, std::string_view value) {
    if (out_.Add(f.path, f.shown, f.key, value)) return true;
    full_ = true;
    return false;
  }

  XmpProperties& out_;
  const bool wrapper_;  // the wrapper's attributes are read
  std::vector<Frame> stack_;
  std::string scratch_;
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

const PropertyCaption* FindCaption(std::string_view uri, std::string_view local) {
  for (const PropertyCaption& c : kPropertyCaptions)
    if (c.local == local && c.uri == uri) return &c;
  return nullptr;
}

bool XmpProperties::Add(const std::string& path, std::string_view shown, bool key,
                        std::string_view value) {
  auto [it, made] = index_.try_emplace(path, list_.size());
  if (!made) {
    std::string& v = list_[it->second].value;
    v.append(kValueSeparator).append(value);
    return true;
  }
  if (list_.size() >= kMaxProperties) {
    index_.erase(it);
    return false;
  }
  list_.push_back({path, std::string(shown), std::string(value), key});
  return true;
}

std::string_view XmpProperties::Value(std::string_view uri, std::string_view local) const {
  auto it = index_.find(PathOf(uri, local));
  return it == index_.end() ? std::string_view() : std::string_view(list_[it->second].value);
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
