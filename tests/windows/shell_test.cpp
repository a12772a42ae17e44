// The shell extension as the shell uses it: the class factory, the
// selection, the decision to add the page, hosting in a property sheet,
// unloading, and registration with regsvr32.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <cstdio>

#include <gtest/gtest.h>

#include "tests/windows/support/win_test_support.h"

namespace kelvane::wintest {
namespace {

// The shell's add-page callback: collects the pages in a vector.
BOOL CALLBACK CollectPage(HPROPSHEETPAGE page, LPARAM param) {
  reinterpret_cast<std::vector<HPROPSHEETPAGE>*>(param)->push_back(page);
  return TRUE;
}

class ShellExtension : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ASSERT_TRUE(dll_.Load());
  }
  void TearDown() override { CoUninitialize(); }

  IShellExtInit* NewExtension() {
    IClassFactory* factory = nullptr;
    EXPECT_EQ(dll_.GetClassObject(kClsidKelvane, IID_IClassFactory,
                                  reinterpret_cast<void**>(&factory)),
              S_OK);
    if (!factory) return nullptr;
    IShellExtInit* init = nullptr;
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IShellExtInit, reinterpret_cast<void**>(&init)),
              S_OK);
    factory->Release();
    return init;
  }

  // Pages the extension adds for `files`; the pages are destroyed again.
  int PagesFor(const std::vector<std::wstring>& files) {
    IShellExtInit* init = NewExtension();
    if (!init) return -1;
    IDataObject* selection = NewSelection(files);
    EXPECT_EQ(init->Initialize(nullptr, selection, nullptr), S_OK);
    selection->Release();
    IShellPropSheetExt* sheet = nullptr;
    EXPECT_EQ(init->QueryInterface(IID_IShellPropSheetExt, reinterpret_cast<void**>(&sheet)),
              S_OK);
    std::vector<HPROPSHEETPAGE> pages;
    EXPECT_EQ(sheet->AddPages(CollectPage, reinterpret_cast<LPARAM>(&pages)), S_OK);
    sheet->Release();
    init->Release();
    for (HPROPSHEETPAGE page : pages) DestroyPropertySheetPage(page);
    return static_cast<int>(pages.size());
  }

  PropModule dll_;
};

TEST_F(ShellExtension, OffersThePageForOneFileWithAnAcceptedExtension) {
  const std::wstring folder = L"C:\\photos\\";
  struct Case {
    std::vector<std::wstring> files;
    int pages;
  };
  std::vector<Case> cases;
  for (const wchar_t* ext : {L".jpeg", L".jpg", L".tiff", L".tif", L".nef", L".orf", L".cr2",
                             L".mrw", L".psd", L".crw", L".dng", L".erf", L".raf", L".mov",
                             L".srf", L".pef", L".heic", L".heif", L".hif", L".avif",
                             L".cr3", L".mp4", L".m4v", L".3gp", L".png", L".webp", L".jxl",
                             L".arw", L".sr2", L".srw", L".nrw", L".rwl", L".3fr", L".iiq",
                             L".rw2"}) {
    cases.push_back({{folder + L"a" + ext}, 1});
    std::wstring upper = ext;
    CharUpperW(upper.data());
    cases.push_back({{folder + L"B" + upper}, 1});
  }
  // Kinds the loader reads but the page is not offered for, and others.
  for (const wchar_t* ext : {L".avi", L".x3f", L".jp2", L".dcr", L".nsk", L".dcm", L".txt",
                             L".jpg.txt", L".jpgx", L"."})
    cases.push_back({{folder + L"a" + ext}, 0});
  cases.push_back({{folder + L"PHOTO.JPG"}, 1});
  cases.push_back({{folder + L"写真.Jpg"}, 1});
  cases.push_back({{folder + L"noextension"}, 0});
  cases.push_back({{L"C:\\folder.jpg\\noextension"}, 0});
  cases.push_back({{L"C:\\folder.jpg\\"}, 0});
  cases.push_back({{folder + L"a.jpg", folder + L"b.jpg"}, 0});
  cases.push_back({{folder + L"a.jpg", folder + L"b.txt"}, 0});
  cases.push_back({{folder + L"a.txt", folder + L"b.jpg"}, 0});
  cases.push_back({{}, 0});
  for (const Case& c : cases) {
    std::wstring label;
    for (const auto& f : c.files) label += f + L" ";
    EXPECT_EQ(PagesFor(c.files), c.pages) << Utf8(label);
  }
  EXPECT_EQ(dll_.CanUnloadNow(), S_OK);
}

TEST_F(ShellExtension, ClassFactoryAnswersOnlyForItsClassAndInterfaces) {
  void* out = reinterpret_cast<void*>(1);
  EXPECT_EQ(dll_.GetClassObject(CLSID_NULL, IID_IClassFactory, &out), CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(dll_.GetClassObject(kClsidKelvane, IID_IClassFactory, nullptr), E_POINTER);

  IClassFactory* factory = nullptr;
  ASSERT_EQ(dll_.GetClassObject(kClsidKelvane, IID_IClassFactory,
                                reinterpret_cast<void**>(&factory)),
            S_OK);
  EXPECT_EQ(dll_.CanUnloadNow(), S_FALSE);
  IUnknown* unknown = nullptr;
  EXPECT_EQ(factory->CreateInstance(reinterpret_cast<IUnknown*>(factory), IID_IUnknown,
                                    reinterpret_cast<void**>(&unknown)),
            CLASS_E_NOAGGREGATION);
  EXPECT_EQ(factory->CreateInstance(nullptr, IID_IDataObject, reinterpret_cast<void**>(&unknown)),
            E_NOINTERFACE);
  EXPECT_EQ(unknown, nullptr);

  // LockServer keeps the module loaded without any object.
  EXPECT_EQ(factory->LockServer(TRUE), S_OK);
  factory->Release();
  EXPECT_EQ(dll_.CanUnloadNow(), S_FALSE);
  ASSERT_EQ(dll_.GetClassObject(kClsidKelvane, IID_IClassFactory,
                                reinterpret_cast<void**>(&factory)),
            S_OK);
  EXPECT_EQ(factory->LockServer(FALSE), S_OK);
  factory->Release();
  EXPECT_EQ(dll_.CanUnloadNow(), S_OK);

  // Both interfaces of the extension object reach the same object.
  IShellExtInit* init = NewExtension();
  ASSERT_NE(init, nullptr);
  IShellPropSheetExt* sheet = nullptr;
  ASSERT_EQ(init->QueryInterface(IID_IShellPropSheetExt, reinterpret_cast<void**>(&sheet)), S_OK);
  IUnknown* a = nullptr;
  IUnknown* b = nullptr;
  init->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&a));
  sheet->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&b));
  EXPECT_EQ(a, b);
  a->Release();
  b->Release();
  EXPECT_EQ(sheet->ReplacePage(0, nullptr, 0), E_NOTIMPL);
  EXPECT_EQ(init->Initialize(nullptr, nullptr, nullptr), E_INVALIDARG);
  sheet->Release();
  EXPECT_EQ(dll_.CanUnloadNow(), S_FALSE);
  init->Release();
  EXPECT_EQ(dll_.CanUnloadNow(), S_OK);
}

// Explorer's way: initialise, add pages into a sheet, show it, close it,
// release; afterwards nothing of the module is alive.
TEST_F(ShellExtension, HostedInAPropertySheetLeavesNothingAlive) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  IShellExtInit* init = NewExtension();
  ASSERT_NE(init, nullptr);
  IDataObject* selection = NewSelection({L"C:\\missing\\PHOTO.JPG"});
  ASSERT_EQ(init->Initialize(nullptr, selection, nullptr), S_OK);
  selection->Release();
  IShellPropSheetExt* ext = nullptr;
  ASSERT_EQ(init->QueryInterface(IID_IShellPropSheetExt, reinterpret_cast<void**>(&ext)), S_OK);
  std::vector<HPROPSHEETPAGE> pages;
  ext->AddPages(CollectPage, reinterpret_cast<LPARAM>(&pages));
  ext->Release();
  init->Release();
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(dll_.CanUnloadNow(), S_FALSE);  // the page holds the module

  PROPSHEETHEADERW header = {};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_MODELESS | PSH_NOAPPLYNOW;
  header.pszCaption = L"PHOTO.JPG";
  header.nPages = static_cast<UINT>(pages.size());
  header.phpage = pages.data();
  auto sheet = reinterpret_cast<HWND>(PropertySheetW(&header));
  ASSERT_NE(sheet, nullptr);
  HWND tabs = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0));
  ASSERT_NE(tabs, nullptr);
  wchar_t caption[64] = {};
  TCITEMW item = {};
  item.mask = TCIF_TEXT;
  item.pszText = caption;
  item.cchTextMax = 64;
  SendMessageW(tabs, TCM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(caption, L"Kelvane");
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (!PropSheet_IsDialogMessage(sheet, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  DestroyWindow(sheet);
  EXPECT_EQ(dll_.CanUnloadNow(), S_OK);
}

// --- Registration ---------------------------------------------------------

const std::wstring kClsidKey = std::wstring(L"Software\\Classes\\CLSID\\") + kClsidKelvaneText;
const std::wstring kHandlerKey =
    L"Software\\Classes\\*\\shellex\\PropertySheetHandlers\\Kelvane PropertySheet";
const std::wstring kApprovedKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";

int Regsvr32(const std::wstring& options) {
  return RunProgram(L"regsvr32.exe /s " + options + L" \"" + PropDllPath() + L"\"");
}

void ExpectRegistered(HKEY root) {
  EXPECT_EQ(RegText(root, kClsidKey, nullptr), L"Kelvane PropertySheet");
  auto server = RegText(root, kClsidKey + L"\\InprocServer32", nullptr);
  ASSERT_TRUE(server.has_value());
  EXPECT_EQ(lstrcmpiW(server->c_str(), PropDllPath().c_str()), 0) << Utf8(*server);
  EXPECT_EQ(RegText(root, kClsidKey + L"\\InprocServer32", L"ThreadingModel"), L"Apartment");
  EXPECT_EQ(RegText(root, kHandlerKey, nullptr), kClsidKelvaneText);
  EXPECT_EQ(RegText(root, kApprovedKey, kClsidKelvaneText), L"Kelvane PropertySheet");
}

void ExpectNotRegistered(HKEY root) {
  EXPECT_FALSE(RegKeyExists(root, kClsidKey));
  EXPECT_FALSE(RegKeyExists(root, kHandlerKey));
  EXPECT_FALSE(RegText(root, kApprovedKey, kClsidKelvaneText).has_value());
}

bool Elevated() {
  HANDLE token = nullptr;
  OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token);
  TOKEN_ELEVATION elevation = {};
  DWORD size = 0;
  BOOL ok = GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
  CloseHandle(token);
  return ok && elevation.TokenIsElevated;
}

// Each test starts from no registration in either hive.
class Registration : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const wchar_t* scope : {L"user", L"machine"}) {
      ASSERT_EQ(Regsvr32(std::wstring(L"/u /n /i:") + scope), 0);
    }
  }
};

TEST_F(Registration, PerUserAndPerMachineWithRegsvr32) {
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    SCOPED_TRACE(root == HKEY_CURRENT_USER ? "per user" : "per machine");
    const std::wstring scope = root == HKEY_CURRENT_USER ? L"user" : L"machine";
    const HKEY other = root == HKEY_CURRENT_USER ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    ASSERT_EQ(Regsvr32(L"/n /i:" + scope), 0);
    ExpectRegistered(root);
    ExpectNotRegistered(other);
    ASSERT_EQ(Regsvr32(L"/u /n /i:" + scope), 0);
    ExpectNotRegistered(root);
    // Unregistering twice is no error.
    EXPECT_EQ(Regsvr32(L"/u /n /i:" + scope), 0);
  }
}

TEST_F(Registration, PlainRegsvr32FollowsTheElevationAndCoCreateFindsTheClass) {
  const HKEY root = Elevated() ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
  SCOPED_TRACE(Elevated() ? "elevated: per machine" : "not elevated: per user");
  std::printf("regsvr32 registers %s\n", Elevated() ? "per machine" : "per user");
  ASSERT_EQ(Regsvr32(L""), 0);
  ExpectRegistered(root);

  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IShellExtInit* init = nullptr;
  EXPECT_EQ(CoCreateInstance(kClsidKelvane, nullptr, CLSCTX_INPROC_SERVER, IID_IShellExtInit,
                             reinterpret_cast<void**>(&init)),
            S_OK);
  if (init) init->Release();
  CoFreeUnusedLibrariesEx(0, 0);
  CoUninitialize();

  ASSERT_EQ(Regsvr32(L"/u"), 0);
  ExpectNotRegistered(root);
}

}  // namespace
}  // namespace kelvane::wintest
