// One small interface over the XML parser the build has: expat on Linux,
// XmlLite on Windows. The reader hands a whole document to the parser with
// namespaces resolved and reports elements and text as events. Documents
// with a DOCTYPE are refused (no DTD, so no entity is ever defined or
// expanded); the handler may stop the reading at any event.
#pragma once

#include <span>
#include <string_view>

namespace kelvane::xmp {

// An element's or attribute's name: its namespace URI (empty: none), local
// name and the prefix the document wrote.
struct XmlName {
  std::string_view uri;
  std::string_view local;
  std::string_view prefix;
};

struct XmlAttribute {
  XmlName name;
  std::string_view value;
};

// Callbacks of one reading; each answers false to stop it. Namespace
// declarations (xmlns attributes) are not reported as attributes. Text may
// come in several pieces for one run of character data.
class XmlEvents {
 public:
  virtual ~XmlEvents() = default;
  virtual bool Start(const XmlName& name, std::span<const XmlAttribute> attributes) = 0;
  virtual bool End() = 0;
  virtual bool Text(std::string_view text) = 0;
};

enum class XmlEnd {
  kComplete,   // the document was read to its end
  kMalformed,  // not well-formed XML, or cut short
  kDoctype,    // a DOCTYPE: refused before anything in it was read
  kStopped,    // a handler answered false
};

// Reads `document` (UTF-8) through `events`.
XmlEnd ReadXml(std::string_view document, XmlEvents& events);

}  // namespace kelvane::xmp
