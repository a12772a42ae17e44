// The modules where the installer put them (tests/windows/installer.sh runs
// these with KELVANE_INSTALLED_DIR, else they are skipped): the shell finds
// the page through the registry alone, from the installed module, and only
// one version of Kelvane is installed after an upgrade; the installed page
// writes its settings (which uninstalling leaves, installer.sh); Explorer's
// "File type" texts, which installing must not change.
#include <windows.h>
#include <msi.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "page/win32/page_ids.h"
#include "tests/windows/support/page_host.h"

namespace kelvane::wintest {
namespace {

bool Installed() {
  const char* dir = std::getenv("KELVANE_INSTALLED_DIR");
  return dir && *dir;
}

BOOL CALLBACK CountPage(HPROPSHEETPAGE page, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  DestroyPropertySheetPage(page);
  return TRUE;
}

TEST(Installed, TheShellCreatesThePageFromTheRegisteredModule) {
  if (!Installed() || CorpusFile("x").empty()) GTEST_SKIP() << "not the installer test";
  ASSERT_HRESULT_SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  IShellExtInit* init = nullptr;
  ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(kClsidKelvane, nullptr, CLSCTX_INPROC_SERVER,
                                            IID_IShellExtInit, reinterpret_cast<void**>(&init)));
  wchar_t loaded[MAX_PATH * 2] = {};
  GetModuleFileNameW(GetModuleHandleW(L"KelvaneProp.dll"), loaded, MAX_PATH * 2);
  EXPECT_EQ(lstrcmpiW(loaded, PropDllPath().c_str()), 0) << Utf8(loaded);
  // It adds its page for a photo, as for Explorer.
  IDataObject* selection = NewSelection({CorpusFile("FLIR.jpg")});
  EXPECT_HRESULT_SUCCEEDED(init->Initialize(nullptr, selection, nullptr));
  selection->Release();
  IShellPropSheetExt* ext = nullptr;
  ASSERT_HRESULT_SUCCEEDED(
      init->QueryInterface(IID_IShellPropSheetExt, reinterpret_cast<void**>(&ext)));
  int pages = 0;
  EXPECT_HRESULT_SUCCEEDED(ext->AddPages(CountPage, reinterpret_cast<LPARAM>(&pages)));
  EXPECT_EQ(pages, 1);
  ext->Release();
  init->Release();
  CoUninitialize();
}

// KELVANE_UPGRADE_CODE and KELVANE_EXPECT_VERSION name the product line and
// the version that should be its only member.
TEST(Installed, OneVersionOfKelvaneIsInstalled) {
  const char* code = std::getenv("KELVANE_UPGRADE_CODE");
  const char* version = std::getenv("KELVANE_EXPECT_VERSION");
  if (!Installed() || !code || !version) GTEST_SKIP() << "not the installer test";
  std::vector<std::wstring> products;
  wchar_t product[39] = {};
  for (DWORD i = 0; MsiEnumRelatedProductsW(Wide(code).c_str(), 0, i, product) == ERROR_SUCCESS; ++i)
    products.push_back(product);
  ASSERT_EQ(products.size(), 1u);
  wchar_t installed[64] = {};
  DWORD size = 64;
  ASSERT_EQ(MsiGetProductInfoW(products[0].c_str(), INSTALLPROPERTY_VERSIONSTRING, installed, &size),
            static_cast<UINT>(ERROR_SUCCESS));
  EXPECT_EQ(Utf8(installed), version);
}

// The installed page, opened and closed with its thumbnail panel hidden,
// leaves its settings below HKCU (for installer.sh to look for after
// an upgrade and an uninstall).
TEST(Installed, ThePageKeepsItsSettingsForTheUser) {
  if (!Installed() || CorpusFile("x").empty()) GTEST_SKIP() << "not the installer test";
  ASSERT_HRESULT_SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  {
    PropModule dll;
    ASSERT_TRUE(dll.Load());
    PageHost host(dll, CorpusFile("FLIR.jpg"));
    ASSERT_TRUE(host.ok());
    // Hidden, whatever an earlier run of the page left.
    if (IsWindowVisible(GetParent(host.Control(page::kIdThumbnailImage))))
      host.Command(page::kIdMShowPanel);
    host.Close();
  }
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, L"Software\\Tarnwell\\Kelvane_Prop", L"ShowPanel"),
            std::optional<std::wstring>(L"off"));
  CoUninitialize();
}

// Explorer's "File type" text of each kind named in KELVANE_FILE_TYPES
// (".raf .jpg .heic"), one line each into KELVANE_FILE_TYPES_OUT, for
// installer.sh to compare before and after installing.
TEST(Installed, FileTypeTexts) {
  const char* kinds = std::getenv("KELVANE_FILE_TYPES");
  const char* out_path = std::getenv("KELVANE_FILE_TYPES_OUT");
  if (!kinds || !out_path) GTEST_SKIP() << "not the installer test";
  std::FILE* out = std::fopen(out_path, "w");
  ASSERT_NE(out, nullptr);
  std::string list = kinds;
  for (size_t at = 0; at < list.size();) {
    const size_t end = std::min(list.find(' ', at), list.size());
    const std::string ext = list.substr(at, end - at);
    at = end + 1;
    if (ext.empty()) continue;
    SHFILEINFOW info = {};
    SHGetFileInfoW(Wide("photo" + ext).c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                   SHGFI_TYPENAME | SHGFI_USEFILEATTRIBUTES);
    std::fprintf(out, "%s: \"%s\"\n", ext.c_str(), Utf8(info.szTypeName).c_str());
  }
  std::fclose(out);
}

}  // namespace
}  // namespace kelvane::wintest
