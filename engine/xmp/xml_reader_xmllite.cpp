// The XML reader over XmlLite, the parser Windows ships (xmllite.dll, taken
// from the system folder when first needed).
#include <windows.h>
#include <objbase.h>
#include <xmllite.h>

#include <string>
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

void AppendUtf8(std::string& out, const WCHAR* text, UINT length) {
  out.clear();
  if (length == 0) return;
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

XmlEnd ReadXml(std::string_view document, XmlEvents& events) {
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
