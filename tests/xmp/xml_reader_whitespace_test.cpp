// Line breaks, tabs, character references and the predefined entities in
// element text and in attribute values read alike with expat (Linux) and
// XmlLite (Windows): this file is built into both test programs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/xmp/xml_reader.h"

namespace kelvane::xmp {
namespace {

// The root's first attribute and the text of the whole document (every
// piece, in order).
struct Recorded : XmlEvents {
  std::string attribute;
  std::string text;
  bool Start(const XmlName&, std::span<const XmlAttribute> attributes) override {
    if (!attributes.empty() && attribute.empty()) attribute = std::string(attributes[0].value);
    return true;
  }
  bool End() override { return true; }
  bool Text(std::string_view piece) override {
    text += piece;
    return true;
  }
};

Recorded Read(const std::string& document) {
  Recorded r;
  EXPECT_EQ(ReadXml(document, r), XmlEnd::kComplete) << document;
  return r;
}

struct Case {
  const char* what;
  const char* written;  // as the file holds it
  const char* text;     // read as element text
  const char* value;    // read as an attribute value
};

// Element text keeps its line breaks (CR LF and a lone CR read as LF) and
// tabs; an attribute value's literal line breaks and tabs read as spaces
// (XML's attribute-value normalisation). Written as references, each keeps
// its own character in both places.
constexpr Case kCases[] = {
    {"LF", "one\ntwo", "one\ntwo", "one two"},
    {"CR LF", "one\r\ntwo", "one\ntwo", "one two"},
    {"lone CR", "one\rtwo", "one\ntwo", "one two"},
    {"two line breaks", "one\n\ntwo", "one\n\ntwo", "one  two"},
    {"tab", "one\ttwo", "one\ttwo", "one two"},
    {"spaces kept", "  one   two  ", "  one   two  ", "  one   two  "},
    {"LF, CR and tab as references", "a&#10;b&#13;c&#9;d&#xA;e&#xD;f", "a\nb\rc\td\ne\rf",
     "a\nb\rc\td\ne\rf"},
    {"CR LF as references", "one&#13;&#10;two", "one\r\ntwo", "one\r\ntwo"},
    {"predefined entities", "&amp;&lt;&gt;&quot;&apos;", "&<>\"'", "&<>\"'"},
    {"character references beyond ASCII", "&#x3042;&#12356;&#x1F600;", "あい😀", "あい😀"},
    {"UTF-8 text", "夕焼け\r\n空", "夕焼け\n空", "夕焼け 空"},
    {"private-use characters beside a reference", "\uF8F9\uF8FA\uF8FB\uF8FC&#10;\uF8FA",
     "\uF8F9\uF8FA\uF8FB\uF8FC\n\uF8FA", "\uF8F9\uF8FA\uF8FB\uF8FC\n\uF8FA"},
};

TEST(XmlReaderWhitespace, TextAndAttributesReadAsOnEveryBuild) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    const Recorded in_text = Read(std::string("<r>") + c.written + "</r>");
    EXPECT_EQ(in_text.text, c.text);
    const Recorded in_attribute = Read(std::string("<r a=\"") + c.written + "\"/>");
    EXPECT_EQ(in_attribute.attribute, c.value);
  }
}

TEST(XmlReaderWhitespace, CdataAndWhitespaceBetweenElements) {
  struct Text {
    const char* what;
    const char* document;
    const char* text;
  } cases[] = {
      {"CDATA keeps markup, its CR LF reads as LF", "<r><![CDATA[a\r\nb <c> &amp;]]></r>",
       "a\nb <c> &amp;"},
      {"whitespace between elements", "<r>\r\n  <a>x</a>\r\n\t<b/>\n</r>", "\n  x\n\t\n"},
      {"text beside CDATA", "<r>a\r\n<![CDATA[b\rc]]>d</r>", "a\nb\ncd"},
      {"a reference in CDATA is text", "<r><![CDATA[&#10;\uF8FA]]>&#10;</r>", "&#10;\uF8FA\n"},
      {"a comment and an instruction are no text", "<r>a<!-- &#10; --><?pi &#13;?>&#9;b</r>",
       "a\tb"},
  };
  for (const Text& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Read(c.document).text, c.text);
  }
}

}  // namespace
}  // namespace kelvane::xmp
