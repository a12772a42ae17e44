// The XML reader over XmlLite, the parser Windows ships (xmllite.dll, taken
// from the system folder when first needed).
#include <windows.h>
#include <objbase.h>
#include <xmllite.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/xmp/xml_reader.h"

namespace kelvane::xmp {

namespace {

using CreateReader = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);
using CreateInput = HRESULT(WINAPI*)(IUnknown*, IMalloc*, LPCWSTR, BOOL, LPCWSTR, IXmlReaderInput**);

constexpr IID kXmlReaderIid = {0x7279fc81, 0x709d, 0x4095, {0xb6, 0x3d, 0x69, 0xfe, 0x4b, 0x0d, 0x90, 0x30}};
constexpr const wchar_t* kXmlnsUri = L"http://www.w3.org/2000/xmlns/";

struct XmlLite {
  CreateReader create_reader = nullptr;
  CreateInput create_input = nullptr;
};

const XmlLite& Library() {
  static const XmlLite library = [] {
    XmlLite l;
    wchar_t folder[MAX_PATH];
    const UINT n = GetSystemDirectoryW(folder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return l;
    const std::wstring path = std::wstring(folder, n) + L"\\xmllite.dll";
    HMODULE module = LoadLibraryW(path.c_str());
    if (module == nullptr) return l;
    l.create_reader = reinterpret_cast<CreateReader>(
        reinterpret_cast<void*>(GetProcAddress(module, "CreateXmlReader")));
    l.create_input = reinterpret_cast<CreateInput>(
        reinterpret_cast<void*>(GetProcAddress(module, "CreateXmlReaderInputWithEncodingName")));
    return l;
  }();
  return library;
}

template <typename T>
struct Released {
  T* p = nullptr;
  ~Released() {
    if (p != nullptr) p->Release();
  }
};

// XmlLite (Wine's at least) reads the character references &#9; &#10; and
// &#13; as spaces and drops references beyond U+FFFF, where expat keeps the
// character: an XMP description written with "&#xA;" between its lines
// lost its line breaks. Before XmlLite reads a document that has such
// references, each of the three becomes a private-use stand-in, turned back
// into its character in what is reported, and each reference beyond U+FFFF
// becomes the character itself. A stand-in written in the document itself
// is kept apart by the escape character put before it.
constexpr WCHAR kTabStandIn = 0xF8F9, kLineFeedStandIn = 0xF8FA, kReturnStandIn = 0xF8FB,
                kEscape = 0xF8FC;
// The four in UTF-8 share their first two bytes.
constexpr char kStandInLead[] = "\xEF\xA3";

bool IsStandInUtf8(std::string_view d, size_t i) {
  return i + 2 < d.size() && d[i] == kStandInLead[0] && d[i + 1] == kStandInLead[1] &&
         static_cast<unsigned char>(d[i + 2]) >= 0xB9 && static_cast<unsigned char>(d[i + 2]) <= 0xBC;
}

void PutUtf8(std::string& out, uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The character reference at `at` ("&#...;"): its code point and length,
// or 0 when it is none or names no character (left for XmlLite to refuse).
uint32_t CharacterReference(std::string_view d, size_t at, size_t& length) {
  size_t i = at + 2;
  const bool hex = i < d.size() && d[i] == 'x';
  if (hex) ++i;
  uint32_t value = 0;
  size_t digits = 0;
  for (; i < d.size() && d[i] != ';'; ++i, ++digits) {
    const char c = d[i];
    uint32_t v = 0;
    if (c >= '0' && c <= '9') v = static_cast<uint32_t>(c - '0');
    else if (hex && c >= 'a' && c <= 'f') v = static_cast<uint32_t>(c - 'a' + 10);
    else if (hex && c >= 'A' && c <= 'F') v = static_cast<uint32_t>(c - 'A' + 10);
    else return 0;
    value = value * (hex ? 16u : 10u) + v;
    if (value > 0x10FFFF) return 0;
  }
  if (i >= d.size() || digits == 0) return 0;
  if (value >= 0xD800 && value <= 0xDFFF) return 0;
  length = i + 1 - at;
  return value;
}

// The document as XmlLite should be given it; false when it is to be read
// as it is. Character references in CDATA sections, comments and
// processing instructions are text and stay.
bool WithStandIns(std::string_view d, std::string& out) {
  bool needed = false;
  for (size_t i = 0; i < d.size() && !needed; ++i)
    needed = (d[i] == '&' && i + 1 < d.size() && d[i + 1] == '#') || IsStandInUtf8(d, i);
  if (!needed) return false;
  out.clear();
  out.reserve(d.size() + 16);
  bool changed = false;
  for (size_t i = 0; i < d.size();) {
    if (d[i] == '<') {
      std::string_view end;
      if (d.substr(i, 9) == "<![CDATA[") end = "]]>";
      else if (d.substr(i, 4) == "<!--") end = "-->";
      else if (d.substr(i, 2) == "<?") end = "?>";
      if (!end.empty()) {
        const size_t close = d.find(end, i);
        const size_t stop = close == std::string_view::npos ? d.size() : close + end.size();
        for (; i < stop; ++i) {
          if (IsStandInUtf8(d, i)) {
            PutUtf8(out, kEscape);
            changed = true;
          }
          out += d[i];
        }
        continue;
      }
    }
    if (IsStandInUtf8(d, i)) {
      PutUtf8(out, kEscape);
      out.append(d.substr(i, 3));
      i += 3;
      changed = true;
      continue;
    }
    size_t length = 0;
    const uint32_t c = d[i] == '&' && i + 1 < d.size() && d[i + 1] == '#'
                           ? CharacterReference(d, i, length)
                           : 0;
    if (c == 9 || c == 10 || c == 13 || c > 0xFFFF) {
      PutUtf8(out, c == 9 ? kTabStandIn : c == 10 ? kLineFeedStandIn : c == 13 ? kReturnStandIn : c);
      i += length;
      changed = true;
      continue;
    }
    out += d[i++];
  }
  return changed;
}

// A text XmlLite reported, its stand-ins turned back.
std::wstring_view Restored(const WCHAR* text, UINT length, std::wstring& buffer) {
  buffer.clear();
  for (UINT i = 0; i < length; ++i) {
    const WCHAR c = text[i];
    if (c == kEscape && i + 1 < length) buffer += text[++i];
    else if (c == kTabStandIn) buffer += L'\t';
    else if (c == kLineFeedStandIn) buffer += L'\n';
    else if (c == kReturnStandIn) buffer += L'\r';
    else buffer += c;
  }
  return buffer;
}

// Set while a document with stand-ins is read (one reading at a time per
// thread).
thread_local bool g_restore = false;

void AppendUtf8(std::string& out, const WCHAR* text, UINT length) {
  out.clear();
  if (length == 0) return;
  std::wstring restored;
  if (g_restore) {
    const std::wstring_view r = Restored(text, length, restored);
    text = r.data();
    length = static_cast<UINT>(r.size());
    if (length == 0) return;
  }
  const int n = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0,
                                    nullptr, nullptr);
  if (n <= 0) return;
  out.resize(static_cast<size_t>(n));
  WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), out.data(), n, nullptr,
                      nullptr);
}

// The current node's namespace URI, local name and prefix into `texts`
// from `first` on.
bool TakeName(IXmlReader* reader, std::vector<std::string>& texts, size_t first) {
  const WCHAR* s = nullptr;
  UINT length = 0;
  if (FAILED(reader->GetNamespaceUri(&s, &length))) return false;
  AppendUtf8(texts[first], s, length);
  if (FAILED(reader->GetLocalName(&s, &length))) return false;
  AppendUtf8(texts[first + 1], s, length);
  if (FAILED(reader->GetPrefix(&s, &length))) return false;
  AppendUtf8(texts[first + 2], s, length);
  return true;
}

XmlName NameAt(const std::vector<std::string>& texts, size_t first) {
  return {texts[first], texts[first + 1], texts[first + 2]};
}

}  // namespace

XmlEnd ReadXml(std::string_view original, XmlEvents& events) {
  std::string rewritten;
  const bool stand_ins = WithStandIns(original, rewritten);
  const std::string_view document = stand_ins ? std::string_view(rewritten) : original;
  struct Restoring {
    bool was = g_restore;
    explicit Restoring(bool on) { g_restore = on; }
    ~Restoring() { g_restore = was; }
  } restoring(stand_ins);
  const XmlLite& lite = Library();
  if (lite.create_reader == nullptr || lite.create_input == nullptr) return XmlEnd::kMalformed;
  if (document.size() > 0x7FFFFFFF) return XmlEnd::kMalformed;

  Released<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream.p))) return XmlEnd::kMalformed;
  ULONG written = 0;
  if (FAILED(stream.p->Write(document.data(), static_cast<ULONG>(document.size()), &written)) ||
      written != document.size())
    return XmlEnd::kMalformed;
  LARGE_INTEGER start{};
  stream.p->Seek(start, STREAM_SEEK_SET, nullptr);

  Released<IXmlReader> reader;
  if (FAILED(lite.create_reader(kXmlReaderIid, reinterpret_cast<void**>(&reader.p), nullptr)))
    return XmlEnd::kMalformed;
  reader.p->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit);
  // The encoding is given: a declaration inside the packet cannot change it.
  Released<IXmlReaderInput> input;
  if (FAILED(lite.create_input(stream.p, nullptr, L"utf-8", FALSE, nullptr, &input.p)) ||
      FAILED(reader.p->SetInput(input.p)))
    return XmlEnd::kMalformed;

  std::vector<std::string> texts;
  std::vector<XmlAttribute> attributes;
  std::string text;
  int depth = 0;
  bool root_seen = false;
  XmlNodeType type = XmlNodeType_None;
  HRESULT hr = S_OK;
  while ((hr = reader.p->Read(&type)) == S_OK) {
    if (type == XmlNodeType_Element) {
      const bool empty = reader.p->IsEmptyElement() != FALSE;
      UINT count = 0;
      reader.p->GetAttributeCount(&count);
      texts.resize(3 * (size_t{count} + 2));
      if (!TakeName(reader.p, texts, 0)) return XmlEnd::kMalformed;
      // The attributes' names and values, after the element's name.
      size_t taken = 0;
      for (HRESULT a = reader.p->MoveToFirstAttribute(); a == S_OK;
           a = reader.p->MoveToNextAttribute()) {
        const WCHAR* s = nullptr;
        UINT length = 0;
        if (FAILED(reader.p->GetNamespaceUri(&s, &length))) return XmlEnd::kMalformed;
        if (std::wstring_view(s, length) == kXmlnsUri) continue;
        const size_t at = 3 + 4 * taken;
        if (texts.size() < at + 4) texts.resize(at + 4);
        if (!TakeName(reader.p, texts, at)) return XmlEnd::kMalformed;
        if (FAILED(reader.p->GetValue(&s, &length))) return XmlEnd::kMalformed;
        AppendUtf8(texts[at + 3], s, length);
        ++taken;
      }
      reader.p->MoveToElement();
      attributes.clear();
      for (size_t i = 0; i < taken; ++i)
        attributes.push_back({NameAt(texts, 3 + 4 * i), texts[3 + 4 * i + 3]});
      root_seen = true;
      ++depth;
      if (!events.Start(NameAt(texts, 0), attributes)) return XmlEnd::kStopped;
      if (empty) {
        --depth;
        if (!events.End()) return XmlEnd::kStopped;
      }
    } else if (type == XmlNodeType_EndElement) {
      --depth;
      if (!events.End()) return XmlEnd::kStopped;
    } else if (type == XmlNodeType_Text || type == XmlNodeType_Whitespace ||
               type == XmlNodeType_CDATA) {
      const WCHAR* s = nullptr;
      UINT length = 0;
      if (FAILED(reader.p->GetValue(&s, &length))) return XmlEnd::kMalformed;
      AppendUtf8(text, s, length);
      if (!text.empty() && depth > 0 && !events.Text(text)) return XmlEnd::kStopped;
    } else if (type == XmlNodeType_DocumentType) {
      return XmlEnd::kDoctype;
    }
  }
  if (hr == static_cast<HRESULT>(WC_E_DTDPROHIBITED)) return XmlEnd::kDoctype;
  if (hr != S_FALSE || depth != 0 || !root_seen) return XmlEnd::kMalformed;
  return XmlEnd::kComplete;
}

}  // namespace kelvane::xmp
