// The XML reader over libexpat.
// Debian's expat is built with DTD support; its header declares the
// amplification limits only when told so.
#ifndef XML_DTD
#define XML_DTD
#endif
#include <expat.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine/xmp/xml_reader.h"

namespace kelvane::xmp {

namespace {

// Expat joins a name's URI, local name and prefix with this byte; it cannot
// occur in a well-formed name.
constexpr char kSeparator = '\x01';

// Expat's memory, counted against a budget of a few times the document's
// size: a document that would make it hold more is refused (expat reports
// it out of memory), so no packet makes the parser allocate beyond its
// own measure. Each block carries its size in front of it.
struct Budget {
  size_t left = 0;
};
thread_local Budget* t_budget = nullptr;
constexpr size_t kHeader = alignof(std::max_align_t);

void* Take(size_t size) {
  if (t_budget == nullptr || size > t_budget->left || size > SIZE_MAX - kHeader) return nullptr;
  auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
  if (block == nullptr) return nullptr;
  t_budget->left -= size;
  std::memcpy(block, &size, sizeof size);
  return block + kHeader;
}

size_t SizeOf(void* p) {
  size_t size = 0;
  std::memcpy(&size, static_cast<unsigned char*>(p) - kHeader, sizeof size);
  return size;
}

void Give(void* p) {
  if (p == nullptr) return;
  if (t_budget != nullptr) t_budget->left += SizeOf(p);
  std::free(static_cast<unsigned char*>(p) - kHeader);
}

void* Resize(void* p, size_t size) {
  if (p == nullptr) return Take(size);
  const size_t old = SizeOf(p);
  if (t_budget == nullptr || (size > old && size - old > t_budget->left) ||
      size > SIZE_MAX - kHeader)
    return nullptr;
  auto* block = static_cast<unsigned char*>(
      std::realloc(static_cast<unsigned char*>(p) - kHeader, size + kHeader));
  if (block == nullptr) return nullptr;
  t_budget->left = t_budget->left + old - size;
  std::memcpy(block, &size, sizeof size);
  return block + kHeader;
}

const XML_Memory_Handling_Suite kMemory = {Take, Resize, Give};

// What expat may hold at once for a document of `size` bytes: its input
// buffer (a copy of the document, grown by doubling), a long name kept
// twice (as written and with its namespace), and its fixed tables.
size_t BudgetFor(size_t size) {
  constexpr size_t kFloor = size_t{1} << 20;
  return size > (SIZE_MAX - kFloor) / 8 ? SIZE_MAX : 8 * size + kFloor;
}

XmlName SplitName(const XML_Char* joined) {
  std::string_view all(joined);
  XmlName name;
  const size_t first = all.find(kSeparator);
  if (first == std::string_view::npos) {
    name.local = all;
    return name;
  }
  name.uri = all.substr(0, first);
  const std::string_view rest = all.substr(first + 1);
  const size_t second = rest.find(kSeparator);
  name.local = rest.substr(0, second);
  if (second != std::string_view::npos) name.prefix = rest.substr(second + 1);
  return name;
}

struct Reading {
  XML_Parser parser;
  XmlEvents& events;
  std::vector<XmlAttribute> attributes;
  bool doctype = false;
  bool stopped = false;

  void Stop() {
    stopped = true;
    XML_StopParser(parser, XML_FALSE);
  }
};

void OnStart(void* data, const XML_Char* name, const XML_Char** attributes) {
  auto& r = *static_cast<Reading*>(data);
  r.attributes.clear();
  for (const XML_Char** a = attributes; a[0] != nullptr && a[1] != nullptr; a += 2)
    r.attributes.push_back({SplitName(a[0]), std::string_view(a[1])});
  if (!r.events.Start(SplitName(name), r.attributes)) r.Stop();
}

void OnEnd(void* data, const XML_Char*) {
  auto& r = *static_cast<Reading*>(data);
  if (!r.events.End()) r.Stop();
}

void OnText(void* data, const XML_Char* text, int length) {
  auto& r = *static_cast<Reading*>(data);
  if (length > 0 && !r.events.Text(std::string_view(text, static_cast<size_t>(length)))) r.Stop();
}

void OnDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
  auto& r = *static_cast<Reading*>(data);
  r.doctype = true;
  XML_StopParser(r.parser, XML_FALSE);
}

}  // namespace

XmlEnd ReadXml(std::string_view document, XmlEvents& events) {
  Budget budget{BudgetFor(document.size())};
  Budget* const outer = t_budget;
  t_budget = &budget;
  struct Restore {
    Budget* outer;
    ~Restore() { t_budget = outer; }
  } restore{outer};
  // The encoding is given: a declaration inside the packet cannot change it.
  static const XML_Char kSeparatorText[] = {kSeparator, 0};
  XML_Parser parser = XML_ParserCreate_MM("UTF-8", &kMemory, kSeparatorText);
  if (parser == nullptr) return XmlEnd::kMalformed;
  Reading r{parser, events, {}};
  XML_SetUserData(parser, &r);
  XML_SetReturnNSTriplet(parser, 1);
  XML_SetParamEntityParsing(parser, XML_PARAM_ENTITY_PARSING_NEVER);
#if XML_MAJOR_VERSION > 2 || (XML_MAJOR_VERSION == 2 && XML_MINOR_VERSION >= 4)
  // No DTD is ever read; should one slip through, it may not amplify.
  XML_SetBillionLaughsAttackProtectionMaximumAmplification(parser, 2.0f);
  XML_SetBillionLaughsAttackProtectionActivationThreshold(parser, 1024);
#endif
  XML_SetElementHandler(parser, OnStart, OnEnd);
  XML_SetCharacterDataHandler(parser, OnText);
  XML_SetStartDoctypeDeclHandler(parser, OnDoctype);

  XmlEnd end = XmlEnd::kComplete;
  const char* p = document.data();
  size_t left = document.size();
  // Expat takes an int length: a large document goes in pieces.
  constexpr size_t kPiece = size_t{1} << 30;
  do {
    const size_t piece = left < kPiece ? left : kPiece;
    left -= piece;
    if (XML_Parse(parser, p, static_cast<int>(piece), left == 0 ? 1 : 0) != XML_STATUS_OK) {
      end = r.doctype ? XmlEnd::kDoctype : r.stopped ? XmlEnd::kStopped : XmlEnd::kMalformed;
      break;
    }
    p += piece;
  } while (left > 0);
  XML_ParserFree(parser);
  return end;
}

}  // namespace kelvane::xmp
