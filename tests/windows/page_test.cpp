// The Kelvane page hosted as Explorer hosts it, on real corpus files: the
// list shows the engine's rows with their styles, the switches rebuild it,
// the settings are written on close, copy fills the clipboard, selection
// fills the summary, the map application is reached (or its absence
// reported once). Each page is also saved as a screenshot.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include <gtest/gtest.h>

#include "engine/loader/loader.h"
#include "page/export_format.h"
#include "page/file_names.h"
#include "page/page_items.h"
#include "page/settings.h"
#include "page/win32/page_ids.h"
#include "page/win32/win32_platform.h"
#include "tests/windows/support/page_host.h"

namespace kelvane::wintest {
namespace {

const std::wstring kReadKey = L"Software\\Tarnwell\\Kelvane";
const std::wstring kWriteKey = L"Software\\Tarnwell\\Kelvane_Prop";

int CommandOf(MenuId id) {
  for (size_t i = 0; i < kPopupMenu.size(); ++i)
    if (kPopupMenu[i].id == id) return page::MenuCommand(i);
  return -1;
}

// The rows the engine gives for `path`, as the list should show them:
// cut at the first NUL, in UTF-16.
std::vector<ListRow> EngineRows(const std::wstring& path, const LoadSwitches& switches = {}) {
  InfoTree tree;
  PageFields fields;
  Load(Utf8(path), switches, tree, fields);
  std::vector<ListRow> rows;
  for (const TreeRow& r : tree.Rows()) {
    rows.push_back({r.style, Wide(r.name.substr(0, r.name.find('\0'))),
                    Wide(r.value.substr(0, r.value.find('\0')))});
  }
  return rows;
}

void SetUserText(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), name, REG_SZ, value.c_str(),
                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

class Page : public ::testing::Test {
 protected:
  void SetUp() override {
    if (CorpusFile("x").empty()) GTEST_SKIP() << "KELVANE_CORPUS is not set";
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Tarnwell");
    ASSERT_TRUE(dll_.Load());
  }
  void TearDown() override {
    // Every page closed has released its objects: the module may unload.
    if (dll_.module) {
      EXPECT_EQ(dll_.CanUnloadNow(), S_OK);
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Tarnwell");
    CoUninitialize();
  }
  PropModule dll_;
};

TEST_F(Page, ListShowsTheEngineRowsForEveryOfferedCorpusFile) {
  const char* files[] = {"Canon.jpg",    "Nikon.nef",  "QuickTime.mov", "FujiFilm.raf",
                         "GPS.jpg",      "IPTC.jpg",   "CanonRaw.cr2",  "CanonRaw.crw",
                         "DNG.dng",      "Photoshop.psd", "Minolta.mrw", "ExifTool.tif",
                         "Olympus.jpg",  "FLIR.jpg"};
  for (const char* name : files) {
    SCOPED_TRACE(name);
    const std::wstring path = CorpusFile(name);
    PageHost host(dll_, path);
    ASSERT_TRUE(host.ok());
    const std::vector<ListRow> expected = EngineRows(path);
    const std::vector<ListRow> shown = host.Rows();
    ASSERT_FALSE(expected.empty());
    ASSERT_EQ(shown.size(), expected.size());
    for (size_t i = 0; i < shown.size(); ++i) {
      EXPECT_EQ(shown[i].style, expected[i].style) << "row " << i;
      EXPECT_EQ(shown[i].name, expected[i].name) << "row " << i;
      EXPECT_EQ(shown[i].value, expected[i].value) << "row " << i << " " << Utf8(shown[i].name);
    }
  }
}

TEST_F(Page, ScreenshotsOfAJpegARawAndAMovie) {
  for (const char* name : {"FLIR.jpg", "Nikon.nef", "QuickTime.mov", "FujiFilm.raf", "GPS.jpg"}) {
    SCOPED_TRACE(name);
    PageHost host(dll_, CorpusFile(name));
    ASSERT_TRUE(host.ok());
    // Select the first basic or key row so the summary shows it.
    const auto rows = host.Rows();
    for (size_t i = 0; i < rows.size(); ++i) {
      if (rows[i].style == 0 || rows[i].style == 1) {
        ListView_SetItemState(host.list(), static_cast<int>(i), LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
        break;
      }
    }
    Pump(400);
    const std::wstring png = ArtifactFolder() + L"page-" + Wide(name) + L".png";
    EXPECT_TRUE(SaveScreenshot(host.sheet(), png)) << Utf8(png);
    std::printf("screenshot: %s\n", Utf8(png).c_str());
  }
}

// PopupMenu1 dropped down from "オプション", with the map items enabled.
HWND g_sheet_for_menu = nullptr;
bool g_menu_seen = false;
BOOL CALLBACK FindMenu(HWND window, LPARAM) {
  wchar_t cls[16] = {};
  GetClassNameW(window, cls, 16);
  if (lstrcmpW(cls, L"#32768") == 0 && IsWindowVisible(window)) {
    RECT sheet, menu;
    GetWindowRect(g_sheet_for_menu, &sheet);
    GetWindowRect(window, &menu);
    RECT both;
    UnionRect(&both, &sheet, &menu);
    g_menu_seen = SaveScreenRect(both, ArtifactFolder() + L"page-popup-menu.png");
    EndMenu();
    return FALSE;
  }
  return TRUE;
}
void CALLBACK CaptureMenu(HWND, UINT, UINT_PTR, DWORD) {
  if (!g_menu_seen) EnumWindows(FindMenu, 0);
}

TEST_F(Page, ScreenshotOfThePopupMenu) {
  PageHost host(dll_, CorpusFile("GPS.jpg"));
  ASSERT_TRUE(host.ok());
  g_sheet_for_menu = host.sheet();
  g_menu_seen = false;
  UINT_PTR timer = SetTimer(nullptr, 0, 300, CaptureMenu);
  host.Command(page::kIdToolbarButton971);  // returns when the menu closes
  KillTimer(nullptr, timer);
  EXPECT_TRUE(g_menu_seen);
}

TEST_F(Page, SwitchesRerunTheLoaderAndRebuildTheList) {
  const std::wstring path = CorpusFile("IPTC.jpg");
  PageHost host(dll_, path);
  ASSERT_TRUE(host.ok());
  const auto full = EngineRows(path);
  ASSERT_EQ(host.Rows(), full);

  LoadSwitches brief;
  brief.abbreviated = true;
  host.Command(CommandOf(MenuId::MShowMin));
  EXPECT_EQ(host.Rows(), EngineRows(path, brief));
  EXPECT_LT(host.Rows().size(), full.size());
  host.Command(CommandOf(MenuId::MShowAll));
  EXPECT_EQ(host.Rows(), full);

  LoadSwitches no_iptc;
  no_iptc.iptc = false;
  host.Command(CommandOf(MenuId::MShowIPTC));
  EXPECT_EQ(host.Rows(), EngineRows(path, no_iptc));
  EXPECT_NE(host.Rows(), full);
  host.Command(CommandOf(MenuId::MShowIPTC));
  EXPECT_EQ(host.Rows(), full);

  LoadSwitches no_pim;
  no_pim.pim = false;
  host.Command(CommandOf(MenuId::PIM));
  EXPECT_EQ(host.Rows(), EngineRows(path, no_pim));
  host.Command(CommandOf(MenuId::PIM));
  EXPECT_EQ(host.Rows(), full);
}

TEST_F(Page, SettingsAreReadFromKelvaneAndWrittenToKelvanePropOnClose) {
  SetUserText(kReadKey, L"AutoHide", L"on");
  SetUserText(kReadKey, L"ShowPIM", L"off");
  const std::wstring path = CorpusFile("Canon.jpg");
  {
    PageHost host(dll_, path);
    ASSERT_TRUE(host.ok());
    LoadSwitches read;
    read.abbreviated = true;
    read.pim = false;
    EXPECT_EQ(host.Rows(), EngineRows(path, read));
    HWND panel2 = GetParent(host.Control(page::kIdThumbnailImage));
    ASSERT_NE(panel2, nullptr);
    EXPECT_TRUE(IsWindowVisible(panel2));
    host.Command(page::kIdMShowPanel);
    EXPECT_FALSE(IsWindowVisible(panel2));
    // The list takes the panel's place.
    RECT list, page;
    GetWindowRect(host.list(), &list);
    GetClientRect(host.page(), &page);
    EXPECT_EQ(list.bottom - list.top, page.bottom - page::kPanel1Height);
    host.Command(CommandOf(MenuId::MShowIPTC));
  }
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kWriteKey, L"AutoHide"), L"on");
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kWriteKey, L"ShowIPTC"), L"off");
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kWriteKey, L"ShowPIM"), L"off");
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kWriteKey, L"ShowPanel"), L"off");
  // The key read from is left as it was, and is what the next page reads.
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kReadKey, L"AutoHide"), L"on");
  EXPECT_FALSE(RegText(HKEY_CURRENT_USER, kReadKey, L"ShowPanel").has_value());
  PageHost next(dll_, path);
  ASSERT_TRUE(next.ok());
  EXPECT_TRUE(IsWindowVisible(GetParent(next.Control(page::kIdThumbnailImage))));
  next.Close();
  // Full view is written as an empty text.
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Tarnwell");
  PageHost plain(dll_, path);
  plain.Close();
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kWriteKey, L"AutoHide"), L"");
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kWriteKey, L"ShowPanel"), L"on");
}

std::wstring ClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return L"<no clipboard>";
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* p = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = p;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

TEST_F(Page, CopyCommandsPutUnicodeTextOnTheClipboard) {
  const std::wstring path = CorpusFile("IPTC.jpg");
  PageHost host(dll_, path);
  ASSERT_TRUE(host.ok());
  InfoTree tree;
  PageFields fields;
  Load(Utf8(path), {}, tree, fields);
  const std::string name = FileNameOf(Utf8(path));
  struct Case {
    MenuId id;
    ExportKind kind;
  };
  for (const Case c : {Case{MenuId::N2, ExportKind::kCopyAll}, {MenuId::N5, ExportKind::kCopyNames},
                       {MenuId::N6, ExportKind::kCopyValues}}) {
    host.Command(CommandOf(c.id));
    const std::wstring expected = Wide(ExportText(c.kind, tree.Rows(), name, OutputEncoding::kUtf8));
    EXPECT_EQ(ClipboardText(), expected) << static_cast<int>(c.id);
  }
  // The selected row alone.
  const auto rows = host.Rows();
  size_t pick = 0;
  while (pick < rows.size() && rows[pick].style == 3) ++pick;
  ASSERT_LT(pick, rows.size());
  ListView_SetItemState(host.list(), static_cast<int>(pick), LVIS_SELECTED, LVIS_SELECTED);
  host.Command(CommandOf(MenuId::N1));
  EXPECT_EQ(ClipboardText(), rows[pick].name + L" : " + rows[pick].value + L"\r\n");
  EXPECT_NE(ClipboardText().find(L"ファイル名"), 0u);
}

TEST_F(Page, SelectingARowFillsTheMemoExceptOnCaptionRows) {
  PageHost host(dll_, CorpusFile("Canon.jpg"));
  ASSERT_TRUE(host.ok());
  HWND memo = host.Control(page::kIdMemo1);
  ASSERT_NE(memo, nullptr);
  auto memo_text = [&] {
    wchar_t buffer[8192] = {};
    GetWindowTextW(memo, buffer, 8192);
    return std::wstring(buffer);
  };
  EXPECT_EQ(memo_text(), L"");
  const auto rows = host.Rows();
  size_t basic = rows.size(), caption = rows.size();
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].style == 0 && !rows[i].value.empty() && basic == rows.size()) basic = i;
    if (rows[i].style == 3 && i > 0 && caption == rows.size()) caption = i;
  }
  ASSERT_LT(basic, rows.size());
  ASSERT_LT(caption, rows.size());
  ListView_SetItemState(host.list(), static_cast<int>(basic), LVIS_SELECTED, LVIS_SELECTED);
  Pump(20);
  EXPECT_EQ(memo_text(), rows[basic].value);
  ListView_SetItemState(host.list(), -1, 0, LVIS_SELECTED);
  ListView_SetItemState(host.list(), static_cast<int>(caption), LVIS_SELECTED, LVIS_SELECTED);
  Pump(20);
  EXPECT_EQ(memo_text(), rows[basic].value);
}

// The stand-alone viewer beside the module gets the quoted path.
TEST_F(Page, TheViewerButtonStartsKelvaneExeWithTheQuotedPath) {
  const std::wstring record = ProgramFolder() + L"viewer-command-line.txt";
  DeleteFileW(record.c_str());
  const std::wstring path = CorpusFile("Canon.jpg");
  PageHost host(dll_, path);
  ASSERT_TRUE(host.ok());
  host.Command(page::kIdToolbarButton973);
  std::wstring line;
  for (int i = 0; i < 100 && line.empty(); ++i) {
    Pump(50);
    if (HANDLE f = CreateFileW(record.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, 0, nullptr);
        f != INVALID_HANDLE_VALUE) {
      wchar_t buffer[2048] = {};
      DWORD got = 0;
      ReadFile(f, buffer, sizeof buffer - sizeof(wchar_t), &got, nullptr);
      CloseHandle(f);
      line.assign(buffer, got / sizeof(wchar_t));
    }
  }
  ASSERT_FALSE(line.empty()) << "Kelvane.exe was not started";
  EXPECT_EQ(line, L"\"" + path + L"\"");
}

// The about box: modal, centred, closed by Escape.
HWND g_about = nullptr;
BOOL CALLBACK FindAbout(HWND window, LPARAM) {
  RECT client;
  GetClientRect(window, &client);
  if (IsWindowVisible(window) && client.right == 353 && client.bottom == 233) g_about = window;
  return TRUE;
}
void CALLBACK CaptureAbout(HWND, UINT, UINT_PTR, DWORD) {
  if (g_about) return;
  EnumThreadWindows(GetCurrentThreadId(), FindAbout, 0);
  if (!g_about) return;
  Pump(200);
  SaveScreenshot(g_about, ArtifactFolder() + L"about-box.png");
  PostMessageW(g_about, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(Page, TheAboutBoxOpensModallyAndClosesWithEscape) {
  PageHost host(dll_, CorpusFile("Canon.jpg"));
  ASSERT_TRUE(host.ok());
  g_about = nullptr;
  UINT_PTR timer = SetTimer(nullptr, 0, 100, CaptureAbout);
  host.Command(page::kIdToolbarButton972);  // returns when the box is closed
  KillTimer(nullptr, timer);
  ASSERT_NE(g_about, nullptr);
  EXPECT_FALSE(IsWindow(g_about));
  EXPECT_EQ(GetFocus(), host.Control(page::kIdStaticText1));
}

// --- The map application ----------------------------------------------------

struct MessageBoxes {
  int count = 0;
  std::wstring caption;
  std::wstring text;
};
MessageBoxes g_boxes;

BOOL CALLBACK CloseMessageBox(HWND window, LPARAM) {
  wchar_t cls[32] = {};
  GetClassNameW(window, cls, 32);
  if (lstrcmpW(cls, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
  HWND text = GetDlgItem(window, 0xFFFF);
  if (!text) return TRUE;  // not a message box
  wchar_t buffer[256] = {};
  GetWindowTextW(window, buffer, 256);
  g_boxes.caption = buffer;
  GetWindowTextW(text, buffer, 256);
  g_boxes.text = buffer;
  ++g_boxes.count;
  PostMessageW(window, WM_COMMAND, IDOK, 0);
  return TRUE;
}

void CALLBACK LookForMessageBoxes(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), CloseMessageBox, 0);
}

struct MapServerModule {
  HMODULE module = nullptr;
  void(__cdecl* calls)(LONG*, LONG*, LONG*, LONG*, LONG*, LONG*, LONG*) = nullptr;
  void(__cdecl* reset)() = nullptr;
};

const std::wstring kMapClsidKey = L"Software\\Classes\\CLSID\\{5D1D2834-92F9-4398-8177-4DD9E155B139}";

class MapApplication : public Page {
 protected:
  void TearDown() override {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kMapClsidKey.c_str());
    RegDeleteTreeW(HKEY_CURRENT_USER, kMapClsidKey.c_str());
    Page::TearDown();
  }
  // Runs the map-application command with a watcher that answers message boxes.
  void RunMapCommand(PageHost& host) {
    g_boxes = {};
    UINT_PTR timer = SetTimer(nullptr, 0, 100, LookForMessageBoxes);
    host.Command(CommandOf(MenuId::Mapfannet));
    Pump(300);
    KillTimer(nullptr, timer);
  }
};

TEST_F(MapApplication, ThePositionReachesTheServer) {
  const std::wstring server_path = ProgramFolder() + L"KelvaneMapServer.dll";
  ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, (kMapClsidKey + L"\\InprocServer32").c_str(),
                            nullptr, REG_SZ, server_path.c_str(),
                            static_cast<DWORD>((server_path.size() + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS);
  RegSetKeyValueW(HKEY_LOCAL_MACHINE, (kMapClsidKey + L"\\InprocServer32").c_str(),
                  L"ThreadingModel", REG_SZ, L"Apartment", sizeof(L"Apartment"));
  HMODULE server = LoadLibraryW(server_path.c_str());
  ASSERT_NE(server, nullptr);
  auto calls = reinterpret_cast<void(__cdecl*)(LONG*, LONG*, LONG*, LONG*, LONG*, LONG*, LONG*)>(
      reinterpret_cast<void*>(GetProcAddress(server, "MapServerCalls")));
  ASSERT_NE(calls, nullptr);

  const std::wstring path = CorpusFile("GPS.jpg");
  InfoTree tree;
  PageFields fields;
  Load(Utf8(path), {}, tree, fields);
  ASSERT_TRUE(fields.MapfannetEnabled);
  {
    PageHost host(dll_, path);
    ASSERT_TRUE(host.ok());
    RunMapCommand(host);
  }
  LONG queries, shows, lon, lat, value, expected_value, alive;
  calls(&queries, &shows, &lon, &lat, &value, &expected_value, &alive);
  EXPECT_EQ(queries, 1);
  EXPECT_EQ(shows, 1);
  EXPECT_EQ(lon, std::stol(fields.MapLon));
  EXPECT_EQ(lat, std::stol(fields.MapLat));
  EXPECT_EQ(value, expected_value);
  EXPECT_EQ(alive, 0) << "the page keeps no reference to the server";
  EXPECT_EQ(g_boxes.count, 0);
  FreeLibrary(server);
}

TEST_F(MapApplication, ItsAbsenceIsReportedByOneMessageBox) {
  PageHost host(dll_, CorpusFile("GPS.jpg"));
  ASSERT_TRUE(host.ok());
  const auto before = host.Rows();
  RunMapCommand(host);
  EXPECT_EQ(g_boxes.count, 1);
  EXPECT_EQ(g_boxes.caption, L"Kelvane");
  EXPECT_EQ(g_boxes.text, Wide(kMapApplicationMissing));
  EXPECT_EQ(host.Rows(), before);
}

TEST_F(MapApplication, APhotoWithoutGpsLeavesTheCommandDisabled) {
  PageHost host(dll_, CorpusFile("Canon.jpg"));
  ASSERT_TRUE(host.ok());
  RunMapCommand(host);
  EXPECT_EQ(g_boxes.count, 0);
}

}  // namespace
}  // namespace kelvane::wintest
