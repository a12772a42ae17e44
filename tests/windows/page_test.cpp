// The Kelvane page hosted as Explorer hosts it, on real corpus files: the
// list shows the engine's rows with their styles, the switches rebuild it,
// the settings are written on close and read back, copy fills the
// clipboard, selection fills the summary, the map application is reached
// (or its absence reported once). Then the page as a user drives it: the
// save dialogs and their prompts and messages, the menu following the file,
// the keyboard, an idle page, the layout at the DPI at hand and the text in
// the locale at hand. Pages, menus and prompts are saved as screenshots.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

#include "engine/loader/loader.h"
#include "page/export_format.h"
#include "page/file_names.h"
#include "page/page_items.h"
#include "page/settings.h"
#include "page/win32/about_box.h"
#include "page/win32/page_font.h"
#include "page/win32/page_ids.h"
#include "page/win32/page_window.h"
#include "page/win32/row_colours.h"
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
std::wstring g_menu_png;
BOOL CALLBACK FindMenu(HWND window, LPARAM) {
  wchar_t cls[16] = {};
  GetClassNameW(window, cls, 16);
  if (lstrcmpW(cls, L"#32768") == 0 && IsWindowVisible(window)) {
    RECT sheet, menu;
    GetWindowRect(g_sheet_for_menu, &sheet);
    GetWindowRect(window, &menu);
    RECT both;
    UnionRect(&both, &sheet, &menu);
    g_menu_seen = SaveScreenRect(both, g_menu_png);
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
  g_menu_png = ArtifactFolder() + L"page-popup-menu.png";
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

TEST_F(Page, TheXmpSwitchRerunsTheLoaderWithoutTheXmpGroup) {
  const std::wstring path = CorpusFile("XMP.jpg");
  PageHost host(dll_, path);
  ASSERT_TRUE(host.ok());
  const auto full = EngineRows(path);
  ASSERT_EQ(host.Rows(), full);
  LoadSwitches no_xmp;
  no_xmp.xmp = false;
  host.Command(CommandOf(MenuId::MShowXMP));
  EXPECT_EQ(host.Rows(), EngineRows(path, no_xmp));
  EXPECT_LT(host.Rows().size(), full.size());
  host.Command(CommandOf(MenuId::MShowXMP));
  EXPECT_EQ(host.Rows(), full);
}

TEST_F(Page, SettingsComeFromKelvaneUntilThePageHasWrittenKelvaneProp) {
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
    EXPECT_EQ(list.bottom - list.top,
              page.bottom - page::Scale(page::kPanel1Height, page::DpiOf(host.page())));
    host.Command(CommandOf(MenuId::MShowIPTC));
    host.Command(CommandOf(MenuId::MShowXMP));
  }
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kWriteKey, L"AutoHide"), L"on");
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kWriteKey, L"ShowIPTC"), L"off");
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kWriteKey, L"ShowXMP"), L"off");
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kWriteKey, L"ShowPIM"), L"off");
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kWriteKey, L"ShowPanel"), L"off");
  // The older key is left as it was.
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kReadKey, L"AutoHide"), L"on");
  EXPECT_FALSE(RegText(HKEY_CURRENT_USER, kReadKey, L"ShowPanel").has_value());
  // Full view is written as an empty text.
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Tarnwell");
  PageHost plain(dll_, path);
  plain.Close();
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kWriteKey, L"AutoHide"), L"");
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kWriteKey, L"ShowXMP"), L"on");
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kWriteKey, L"ShowPanel"), L"on");
}

TEST_F(Page, EachChoiceSurvivesClosingAndReopeningTheDialog) {
  const std::wstring path = CorpusFile("IPTC.jpg");
  struct Case {
    const char* what;
    int command;
    LoadSwitches switches;
    bool panel;
  };
  LoadSwitches brief, no_iptc, no_xmp, no_pim;
  brief.abbreviated = true;
  no_iptc.iptc = false;
  no_xmp.xmp = false;
  no_pim.pim = false;
  const Case cases[] = {
      {"省略表示", CommandOf(MenuId::MShowMin), brief, true},
      {"IPTC情報表示", CommandOf(MenuId::MShowIPTC), no_iptc, true},
      {"XMP情報表示", CommandOf(MenuId::MShowXMP), no_xmp, true},
      {"PIM情報表示", CommandOf(MenuId::PIM), no_pim, true},
      {"サムネイル", page::kIdMShowPanel, {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Tarnwell");
    // An older install's choice is taken over by the first dialog only.
    SetUserText(kReadKey, L"ShowPanel", L"off");
    SetUserText(kReadKey, L"ShowPIM", L"off");
    {
      PageHost first(dll_, path);
      ASSERT_TRUE(first.ok());
      first.Command(page::kIdMShowPanel);  // back on
      first.Command(CommandOf(MenuId::PIM));  // back on
      first.Command(c.command);
    }
    for (int reopen = 0; reopen < 2; ++reopen) {
      PageHost again(dll_, path);
      ASSERT_TRUE(again.ok());
      EXPECT_EQ(again.Rows(), EngineRows(path, c.switches));
      EXPECT_EQ(IsWindowVisible(GetParent(again.Control(page::kIdThumbnailImage))) != FALSE,
                c.panel);
    }
  }
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

// The stand-alone viewer beside the module starts on the quoted path: its
// window names the file (a path with spaces, cut at the first space when
// unquoted). When the installer test names the installed folder, the
// page comes from there and so does the viewer.
struct ViewerWindow {
  std::wstring title;
  HWND found = nullptr;
};

BOOL CALLBACK FindViewerWindow(HWND window, LPARAM param) {
  auto* find = reinterpret_cast<ViewerWindow*>(param);
  wchar_t cls[64] = {};
  GetClassNameW(window, cls, 64);
  if (lstrcmpW(cls, L"KelvaneViewerFrame") == 0 && TextOf(window) == find->title) {
    find->found = window;
    return FALSE;
  }
  return TRUE;
}

std::wstring FolderOf(const std::wstring& path) {
  return path.substr(0, path.find_last_of(L"\\/") + 1);
}

TEST_F(Page, TheViewerButtonStartsKelvaneExeWithTheQuotedPath) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"kelvane viewer start\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring path = folder + L"Canon copy.jpg";
  ASSERT_TRUE(CopyFileW(CorpusFile("Canon.jpg").c_str(), path.c_str(), FALSE));
  {
    PageHost host(dll_, path);
    ASSERT_TRUE(host.ok());
    host.Command(page::kIdToolbarButton973);
    ViewerWindow find = {L"Canon copy.jpg - Kelvane"};
    for (int i = 0; i < 200 && !find.found; ++i) {
      Pump(100);
      EnumWindows(FindViewerWindow, reinterpret_cast<LPARAM>(&find));
    }
    ASSERT_NE(find.found, nullptr) << "Kelvane.exe did not show the file";
    DWORD process_id = 0;
    GetWindowThreadProcessId(find.found, &process_id);
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id);
    ASSERT_NE(process, nullptr);
    wchar_t image[MAX_PATH * 2] = {};
    DWORD size = MAX_PATH * 2;
    QueryFullProcessImageNameW(process, 0, image, &size);
    wchar_t dll[MAX_PATH * 2] = {};
    GetModuleFileNameW(dll_.module, dll, MAX_PATH * 2);
    EXPECT_EQ(CompareStringOrdinal(image, -1, (FolderOf(dll) + L"Kelvane.exe").c_str(), -1, TRUE),
              CSTR_EQUAL)
        << Utf8(image);
    PostMessageW(find.found, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process, 20000), WAIT_OBJECT_0);
    CloseHandle(process);
  }
  DeleteFileW(path.c_str());
  RemoveDirectoryW(folder.c_str());
}

// The about box: modal, with a caption, centred over the page, its lines
// one line of its font apart; closed by Escape.
struct AboutSeen {
  HWND box = nullptr;
  RECT window = {};
  LONG_PTR style = 0;
  std::wstring caption;
};
AboutSeen g_about;
BOOL CALLBACK FindAbout(HWND window, LPARAM) {
  wchar_t caption[64] = {};
  GetWindowTextW(window, caption, 64);
  if (IsWindowVisible(window) && std::wstring(caption) == page::kAboutCaption) {
    g_about.box = window;
    g_about.caption = caption;
    g_about.style = GetWindowLongPtrW(window, GWL_STYLE);
    GetWindowRect(window, &g_about.window);
  }
  return TRUE;
}
void CALLBACK CaptureAbout(HWND, UINT, UINT_PTR, DWORD) {
  if (g_about.box) return;
  EnumThreadWindows(GetCurrentThreadId(), FindAbout, 0);
  if (!g_about.box) return;
  Pump(200);
  SaveScreenshot(g_about.box, ArtifactFolder() + L"about-box.png");
  PostMessageW(g_about.box, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(Page, TheAboutBoxOpensModallyWithACaptionCentredOverThePage) {
  PageHost host(dll_, CorpusFile("Canon.jpg"));
  ASSERT_TRUE(host.ok());
  // Away from the screen's centre, so that centring on the screen shows.
  SetWindowPos(host.sheet(), nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Pump(100);
  g_about = {};
  UINT_PTR timer = SetTimer(nullptr, 0, 100, CaptureAbout);
  host.Command(page::kIdToolbarButton972);  // returns when the box is closed
  KillTimer(nullptr, timer);
  ASSERT_NE(g_about.box, nullptr);
  EXPECT_FALSE(IsWindow(g_about.box));
  EXPECT_EQ(GetFocus(), host.Control(page::kIdStaticText1));
  EXPECT_EQ(g_about.style & WS_CAPTION, WS_CAPTION);
  RECT page;
  GetWindowRect(host.page(), &page);
  const LONG box_x = (g_about.window.left + g_about.window.right) / 2;
  const LONG box_y = (g_about.window.top + g_about.window.bottom) / 2;
  EXPECT_NEAR(box_x, (page.left + page.right) / 2, 2);
  EXPECT_NEAR(box_y, (page.top + page.bottom) / 2, 2);
}

TEST(AboutLayout, LinesFollowTheFontHeightAndNothingOverlaps) {
  struct Case {
    UINT dpi;
    int line_height;
  } cases[] = {{96, 12}, {96, 15}, {96, 24}, {144, 18}, {144, 30}, {192, 24}, {192, 40}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dpi << " DPI, lines " << c.line_height << " high");
    const page::AboutLayout l = page::LayoutAbout(c.dpi, c.line_height, 6);
    EXPECT_EQ(l.line_step, c.line_height);
    const LONG last_line_bottom = l.label.y + 6 * l.line_step;
    EXPECT_LE(last_line_bottom, l.ok_button.top);
    EXPECT_LE(l.ok_button.bottom, l.client.cy);
    EXPECT_LE(l.top_picture.bottom, l.label.y);
    EXPECT_LE(l.left_picture.bottom, l.client.cy);
    EXPECT_LE(l.left_picture.right, l.label.x);
    EXPECT_EQ(l.client.cx, page::Scale(353, c.dpi));
    EXPECT_GE(l.client.cy, page::Scale(233, c.dpi));
  }
  // As designed: 12-pixel lines at 96 DPI.
  const page::AboutLayout design = page::LayoutAbout(96, 12, 6);
  EXPECT_EQ(design.client.cx, 353);
  EXPECT_EQ(design.client.cy, 233);
  EXPECT_EQ(design.ok_button.left, 240);
  EXPECT_EQ(design.ok_button.top, 200);
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

// --- Saving ----------------------------------------------------------------

// Control identifiers of the common save dialog: the file name and the
// file type list.
constexpr int kFileNameEdit = 0x480;  // edt1
constexpr int kFileNameCombo = 0x47C; // cmb13
constexpr int kFileTypeCombo = 0x470; // cmb1

HWND FileNameField(HWND dialog) {
  if (HWND edit = GetDlgItem(dialog, kFileNameEdit)) return edit;
  return GetDlgItem(dialog, kFileNameCombo);
}

// What the save steps below type and choose; set by each test.
struct SaveAnswer {
  std::wstring target;
  int filter = 1;
  std::wstring screenshot;  // of the overwrite prompt over its dialog
};
SaveAnswer g_save;

void ChooseTarget(HWND dialog, ModalDriver& driver) {
  driver.notes.push_back(TextOf(FileNameField(dialog)));  // the proposed name
  if (g_save.filter != 1) {
    HWND types = GetDlgItem(dialog, kFileTypeCombo);
    SendMessageW(types, CB_SETCURSEL, static_cast<WPARAM>(g_save.filter - 1), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kFileTypeCombo, CBN_SELENDOK),
                 reinterpret_cast<LPARAM>(types));
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kFileTypeCombo, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(types));
  }
  SetWindowTextW(FileNameField(dialog), g_save.target.c_str());
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

void ReplaceYes(HWND prompt, ModalDriver&) {
  if (!g_save.screenshot.empty()) {
    Pump(300);
    RECT box, owner;
    GetWindowRect(prompt, &box);
    GetWindowRect(GetWindow(prompt, GW_OWNER), &owner);
    RECT both;
    UnionRect(&both, &box, &owner);
    SaveScreenRect(both, g_save.screenshot);
    std::printf("screenshot: %s\n", Utf8(g_save.screenshot).c_str());
  }
  PostMessageW(prompt, WM_COMMAND, IDYES, 0);
}

void ReplaceNo(HWND prompt, ModalDriver&) { PostMessageW(prompt, WM_COMMAND, IDNO, 0); }
void Cancel(HWND dialog, ModalDriver&) { PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); }
void Ok(HWND box, ModalDriver&) { PostMessageW(box, WM_COMMAND, IDOK, 0); }

std::string FileBytes(const std::wstring& path) {
  std::string bytes;
  HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return "<missing>";
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(f, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(f);
  return bytes;
}

void PutFile(const std::wstring& path, const std::string& bytes) {
  HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(f);
}

// The names in `folder`, sorted.
std::vector<std::wstring> FolderNames(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileW((folder + L"*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    if (lstrcmpW(found.cFileName, L".") && lstrcmpW(found.cFileName, L".."))
      names.push_back(found.cFileName);
  } while (FindNextFileW(find, &found));
  FindClose(find);
  std::sort(names.begin(), names.end());
  return names;
}

// A folder of its own for one test, with a copy of a corpus file in it.
class SaveFolder {
 public:
  explicit SaveFolder(const char* corpus_name) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"kelvane-save-" + std::to_wstring(GetTickCount()) + L"\\";
    CreateDirectoryW(folder_.c_str(), nullptr);
    photo_ = folder_ + Wide(corpus_name);
    CopyFileW(CorpusFile(corpus_name).c_str(), photo_.c_str(), FALSE);
  }
  ~SaveFolder() {
    for (const std::wstring& name : FolderNames(folder_)) {
      SetFileAttributesW((folder_ + name).c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW((folder_ + name).c_str());
    }
    RemoveDirectoryW(folder_.c_str());
  }
  const std::wstring& folder() const { return folder_; }
  const std::wstring& photo() const { return photo_; }

 private:
  std::wstring folder_;
  std::wstring photo_;
};

std::string ThumbnailBytes(const std::wstring& photo) {
  InfoTree tree;
  PageFields fields;
  Load(Utf8(photo), {}, tree, fields);
  return FileBytes(photo).substr(static_cast<size_t>(fields.ThumbPos),
                                 static_cast<size_t>(fields.ThumbLen));
}

const std::wstring kThumbnailTitle = Wide(kSaveThumbnailTitle);

TEST_F(Page, SaveThumbnailAsksBeforeReplacingAFile) {
  for (const char* name : {"FLIR.jpg", "GPS.jpg"}) {
    SCOPED_TRACE(name);
    SaveFolder folder(name);
    const std::wstring target = folder.folder() + L"thumbnail.jpg";
    PutFile(target, "an older file");
    PageHost host(dll_, folder.photo());
    ASSERT_TRUE(host.ok());
    // Declined: the file stays and the dialog is still open.
    g_save = {target, 1, L""};
    {
      ModalDriver driver({{kThumbnailTitle, false, ChooseTarget},
                          {kThumbnailTitle, true, ReplaceNo},
                          {kThumbnailTitle, false, Cancel}});
      host.Command(CommandOf(MenuId::T1));
      EXPECT_TRUE(driver.done());
      EXPECT_TRUE(driver.messages().size() == 1) << "the overwrite prompt only";
    }
    EXPECT_EQ(FileBytes(target), "an older file");
    // Accepted: the file holds the thumbnail.
    const char* locale = std::getenv("KELVANE_LOCALE_NAME");  // page_in_locale.sh
    const std::wstring in_locale = locale && *locale ? Wide(locale) + L"-" : L"";
    g_save = {target, 1,
              ArtifactFolder() + L"save-thumbnail-overwrite-" + in_locale + Wide(name) + L".png"};
    {
      ModalDriver driver(
          {{kThumbnailTitle, false, ChooseTarget}, {kThumbnailTitle, true, ReplaceYes}});
      host.Command(CommandOf(MenuId::T1));
      EXPECT_TRUE(driver.done());
      EXPECT_EQ(driver.messages().size(), 1u) << "no message after a save that worked";
    }
    const std::string thumbnail = ThumbnailBytes(folder.photo());
    ASSERT_GE(thumbnail.size(), 20u);
    EXPECT_EQ(FileBytes(target), thumbnail);
    EXPECT_EQ(FolderNames(folder.folder()), (std::vector<std::wstring>{
                                                 Wide(name), L"thumbnail.jpg"}));
  }
}

TEST_F(Page, TheExaminedFileIsNeverASaveTarget) {
  struct Case {
    MenuId command;
    const char* title;
  } cases[] = {{MenuId::T1, kSaveThumbnailTitle},
               {MenuId::CSV1, kSaveCsvTitle},
               {MenuId::N8, kSaveTextTitle}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    SaveFolder folder("FLIR.jpg");
    const std::string photo_bytes = FileBytes(folder.photo());
    PageHost host(dll_, folder.photo());
    ASSERT_TRUE(host.ok());
    // The photo itself, spelt in another case.
    std::wstring target = folder.photo();
    CharLowerW(target.data() + target.find_last_of(L'\\'));
    g_save = {target, 1, L""};
    const std::wstring title = Wide(c.title);
    ModalDriver driver({{title, false, ChooseTarget},
                        {title, true, ReplaceYes},
                        {L"Kelvane", true, Ok}});
    host.Command(CommandOf(c.command));
    EXPECT_TRUE(driver.done());
    ASSERT_EQ(driver.messages().size(), 2u);
    EXPECT_EQ(driver.messages()[1], L"「" + target + L"」" + Wide(kExaminedFileMessage));
    EXPECT_EQ(FileBytes(folder.photo()), photo_bytes);
    EXPECT_EQ(FolderNames(folder.folder()).size(), 1u);
  }
}

TEST_F(Page, TextAndCsvSavesProposeTheirExtensionAndWriteTheChosenEncoding) {
  struct Case {
    MenuId command;
    const char* title;
    const wchar_t* extension;
    int filter;
    std::string starts_with;
  } cases[] = {
      // "ファイル名" in CP932, then in UTF-8 after a byte-order mark.
      {MenuId::CSV1, kSaveCsvTitle, L".csv", 1, "\"\x83\x74\x83\x40\x83\x43\x83\x8B\x96\xBC\","},
      {MenuId::CSV1, kSaveCsvTitle, L".csv", 2, "\xEF\xBB\xBF\"ファイル名\","},
      {MenuId::N8, kSaveTextTitle, L".txt", 1,
       std::string(15, ' ') + "\x83\x74\x83\x40\x83\x43\x83\x8B\x96\xBC : "},
      {MenuId::N8, kSaveTextTitle, L".txt", 2, "\xEF\xBB\xBF" + std::string(10, ' ') + "ファイル名 : "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.title << " filter " << c.filter);
    SaveFolder folder("Canon.jpg");
    PageHost host(dll_, folder.photo());
    ASSERT_TRUE(host.ok());
    const std::wstring target = folder.folder() + L"out" + c.extension;
    g_save = {target, c.filter, L""};
    const std::wstring title = Wide(c.title);
    ModalDriver driver({{title, false, ChooseTarget}});
    host.Command(CommandOf(c.command));
    EXPECT_TRUE(driver.done());
    EXPECT_TRUE(driver.messages().empty());
    ASSERT_EQ(driver.notes.size(), 1u);
    const std::wstring proposed = driver.notes[0];
    EXPECT_EQ(proposed.substr(proposed.size() - 4), c.extension) << Utf8(proposed);
    const std::string bytes = FileBytes(target);
    EXPECT_EQ(bytes.substr(0, c.starts_with.size()), c.starts_with);
    EXPECT_NE(bytes.find("Canon"), std::string::npos);
  }
}

TEST_F(Page, AFailedSaveNamesTheFileAndTheReasonAndKeepsWhatWasThere) {
  // The target is open in another program, which lets others read it, or
  // read and write it, but not replace it.
  struct Case {
    MenuId command;
    const char* title;
    DWORD sharing;
  } cases[] = {
      {MenuId::T1, kSaveThumbnailTitle, 0},
      {MenuId::CSV1, kSaveCsvTitle, FILE_SHARE_READ},
      {MenuId::N8, kSaveTextTitle, FILE_SHARE_READ | FILE_SHARE_WRITE},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.title << ", sharing " << c.sharing);
    SaveFolder folder("FLIR.jpg");
    const std::wstring target = folder.folder() + L"held.txt";
    PutFile(target, "what was there");
    HANDLE held = CreateFileW(target.c_str(), GENERIC_READ | GENERIC_WRITE, c.sharing, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    PageHost host(dll_, folder.photo());
    ASSERT_TRUE(host.ok());
    g_save = {target, 1, L""};
    const std::wstring title = Wide(c.title);
    ModalDriver driver({{title, false, ChooseTarget},
                        {title, true, ReplaceYes},
                        {L"Kelvane", true, Ok}});
    host.Command(CommandOf(c.command));
    CloseHandle(held);
    EXPECT_TRUE(driver.done());
    ASSERT_EQ(driver.messages().size(), 2u);
    const std::wstring message = driver.messages()[1];
    const std::wstring head = L"「" + target + L"」" + Wide(kSaveFailedMessage) + L"\n";
    EXPECT_EQ(message.substr(0, head.size()), head) << Utf8(message);
    EXPECT_GT(message.size(), head.size() + 4) << "a reason follows: " << Utf8(message);
    EXPECT_EQ(FileBytes(target), "what was there");
    EXPECT_EQ(FolderNames(folder.folder()),
              (std::vector<std::wstring>{L"FLIR.jpg", L"held.txt"}));
    std::printf("%s\n", Utf8(message).c_str());
  }
}

// --- The menu, the keyboard, an idle page ---------------------------------------

// The popup menu as it opens: its place and its entries.
struct MenuSeen {
  bool seen = false;
  RECT place = {};
  std::vector<std::wstring> captions;
  std::vector<bool> enabled;
};
MenuSeen g_menu;
constexpr UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU

BOOL CALLBACK ReadMenu(HWND window, LPARAM) {
  wchar_t cls[16] = {};
  GetClassNameW(window, cls, 16);
  if (lstrcmpW(cls, L"#32768") != 0 || !IsWindowVisible(window)) return TRUE;
  auto menu = reinterpret_cast<HMENU>(SendMessageW(window, kGetMenuHandle, 0, 0));
  if (!menu) return TRUE;
  g_menu.seen = true;
  GetWindowRect(window, &g_menu.place);
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
    g_menu.captions.push_back(text);
    g_menu.enabled.push_back(!(GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) &
                               (MF_GRAYED | MF_DISABLED)));
  }
  EndMenu();
  return FALSE;
}
void CALLBACK LookForMenu(HWND, UINT, UINT_PTR, DWORD) {
  if (!g_menu.seen) EnumWindows(ReadMenu, 0);
}

// Runs `open` and reads the popup menu it opens.
template <typename Open>
MenuSeen OpenedMenu(Open open) {
  g_menu = {};
  UINT_PTR timer = SetTimer(nullptr, 0, 100, LookForMenu);
  open();
  Pump(300);
  KillTimer(nullptr, timer);
  return g_menu;
}

size_t MenuIndex(MenuId id) {
  for (size_t i = 0; i < kPopupMenu.size(); ++i)
    if (kPopupMenu[i].id == id) return i;
  return 0;
}

TEST_F(Page, SaveThumbnailIsEnabledExactlyForFilesWithAThumbnail) {
  size_t with = 0, without = 0;
  for (const char* name : {"FLIR.jpg", "GPS.jpg", "Canon.jpg", "QuickTime.mov", "Nikon.nef"}) {
    SCOPED_TRACE(name);
    const std::wstring path = CorpusFile(name);
    InfoTree tree;
    PageFields fields;
    Load(Utf8(path), {}, tree, fields);
    const bool thumbnail = fields.ThumbPos != 0 && fields.ThumbLen != 0;
    (thumbnail ? with : without)++;
    PageHost host(dll_, path);
    ASSERT_TRUE(host.ok());
    const MenuSeen menu = OpenedMenu([&] { host.Command(page::kIdToolbarButton971); });
    ASSERT_TRUE(menu.seen);
    ASSERT_EQ(menu.enabled.size(), kPopupMenu.size());
    EXPECT_EQ(menu.enabled[MenuIndex(MenuId::T1)], thumbnail);
    if (!thumbnail) {
      // Reached anyway, the command opens no dialog.
      ModalDriver driver({{kThumbnailTitle, false, Cancel}});
      host.Command(CommandOf(MenuId::T1));
      Pump(300);
      EXPECT_FALSE(driver.done());
    }
  }
  EXPECT_GT(with, 0u);
  EXPECT_GT(without, 0u);
}

TEST_F(Page, AViewerThatCannotStartIsReportedWithItsPath) {
  // The module alone in a folder: no Kelvane.exe beside it.
  SaveFolder folder("Canon.jpg");
  const std::wstring module = folder.folder() + L"KelvaneProp.dll";
  ASSERT_TRUE(CopyFileW(PropDllPath().c_str(), module.c_str(), FALSE));
  {
    PropModule lone;
    ASSERT_TRUE(lone.Load(module));
    PageHost host(lone, folder.photo());
    ASSERT_TRUE(host.ok());
    ModalDriver driver({{L"Kelvane", true, Ok}});
    host.Command(page::kIdToolbarButton973);
    for (int i = 0; i < 30 && !driver.done(); ++i) Pump(100);
    EXPECT_TRUE(driver.done());
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0],
              L"「" + folder.folder() + L"Kelvane.exe」" + Wide(kViewerNotStartedMessage));
    host.Close();
  }
}

// Key presses as the keyboard makes them: the modifier keys' state, then
// the key's message to the window with the focus.
void PressKey(UINT message, WPARAM key, std::initializer_list<int> modifiers = {}) {
  BYTE state[256];
  GetKeyboardState(state);
  for (int m : modifiers) state[m] |= 0x80;
  SetKeyboardState(state);
  HWND focus = GetFocus();
  PostMessageW(focus, message, key, 1);
  Pump(100);
  for (int m : modifiers) state[m] &= static_cast<BYTE>(~0x80);
  SetKeyboardState(state);
}

TEST_F(Page, TabWalksTheListTheToolbarButtonsAndTheDialogButtons) {
  PageHost host(dll_, CorpusFile("Canon.jpg"));
  ASSERT_TRUE(host.ok());
  SetForegroundWindow(host.sheet());
  SetFocus(host.list());
  Pump(100);
  const HWND toolbar[] = {host.Control(page::kIdMShowPanel),
                          host.Control(page::kIdToolbarButton973),
                          host.Control(page::kIdToolbarButton971),
                          host.Control(page::kIdToolbarButton972)};
  for (HWND button : toolbar) {
    PressKey(WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(GetFocus(), button) << Utf8(TextOf(GetFocus()));
  }
  // On to the dialog's own buttons, and round to the list again.
  PressKey(WM_KEYDOWN, VK_TAB);
  EXPECT_FALSE(IsChild(host.page(), GetFocus()));
  EXPECT_TRUE(IsChild(host.sheet(), GetFocus()));
  bool back = false;
  for (int i = 0; i < 8 && !back; ++i) {
    PressKey(WM_KEYDOWN, VK_TAB);
    back = GetFocus() == host.list();
  }
  EXPECT_TRUE(back);
  // Shift+Tab goes the other way.
  SetFocus(toolbar[0]);
  PressKey(WM_KEYDOWN, VK_TAB, {VK_SHIFT});
  EXPECT_EQ(GetFocus(), host.list());
}

TEST_F(Page, CtrlCCopiesTheSelectedRowsAndCtrlASelectsThemAll) {
  const std::wstring path = CorpusFile("IPTC.jpg");
  PageHost host(dll_, path);
  ASSERT_TRUE(host.ok());
  SetForegroundWindow(host.sheet());
  SetFocus(host.list());
  const auto rows = host.Rows();
  ASSERT_GT(rows.size(), 4u);
  ListView_SetItemState(host.list(), 1, LVIS_SELECTED, LVIS_SELECTED);
  ListView_SetItemState(host.list(), 3, LVIS_SELECTED, LVIS_SELECTED);
  Pump(50);
  PressKey(WM_KEYDOWN, 'C', {VK_CONTROL});
  auto line = [&](size_t i) {
    return rows[i].style == 3 ? rows[i].name + L"\r\n"
                              : rows[i].name + L" : " + rows[i].value + L"\r\n";
  };
  EXPECT_EQ(ClipboardText(), line(1) + line(3));
  PressKey(WM_KEYDOWN, 'A', {VK_CONTROL});
  EXPECT_EQ(ListView_GetSelectedCount(host.list()), rows.size());
  PressKey(WM_KEYDOWN, 'C', {VK_CONTROL});
  InfoTree tree;
  PageFields fields;
  Load(Utf8(path), {}, tree, fields);
  for (size_t i = 0; i < tree.size(); ++i) tree.Select(i, true);
  EXPECT_EQ(ClipboardText(), Wide(ExportText(ExportKind::kCopySelected, tree.Rows(),
                                             FileNameOf(Utf8(path)), OutputEncoding::kUtf8)));
  // "C" alone copies nothing.
  OpenClipboard(nullptr);
  EmptyClipboard();
  CloseClipboard();
  PressKey(WM_KEYDOWN, 'C');
  EXPECT_EQ(ClipboardText(), L"");
}

TEST_F(Page, TheMenuKeyAndShiftF10OpenThePopupAtTheSelection) {
  PageHost host(dll_, CorpusFile("Canon.jpg"));
  ASSERT_TRUE(host.ok());
  SetForegroundWindow(host.sheet());
  SetFocus(host.list());
  const int row = 5;
  ListView_SetItemState(host.list(), row, LVIS_SELECTED | LVIS_FOCUSED,
                        LVIS_SELECTED | LVIS_FOCUSED);
  Pump(50);
  RECT item;
  ListView_GetItemRect(host.list(), row, &item, LVIR_BOUNDS);
  MapWindowPoints(host.list(), nullptr, reinterpret_cast<POINT*>(&item), 2);
  struct Case {
    const char* what;
    UINT message;
    WPARAM key;
    std::initializer_list<int> modifiers;
  } cases[] = {{"menu key", WM_KEYUP, VK_APPS, {}},
               {"Shift+F10", WM_SYSKEYDOWN, VK_F10, {VK_SHIFT}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetFocus(host.list());
    const MenuSeen menu = OpenedMenu([&] { PressKey(c.message, c.key, c.modifiers); });
    ASSERT_TRUE(menu.seen);
    EXPECT_NEAR(menu.place.top, item.bottom, 2);
    EXPECT_GE(menu.place.left, item.left);
    EXPECT_LT(menu.place.left, item.left + page::Scale(40, page::DpiOf(host.page())));
    // The shortcut stands beside its entry.
    ASSERT_FALSE(menu.captions.empty());
    EXPECT_EQ(menu.captions[0], L"選択項目をコピー\tCtrl+C");
  }
}

// Counts the paints of a window and the timer messages of the page.
struct Counts {
  int paints = 0;
  int timers = 0;
};
LRESULT CALLBACK CountMessages(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                               DWORD_PTR data) {
  auto* counts = reinterpret_cast<Counts*>(data);
  if (message == WM_PAINT) ++counts->paints;
  if (message == WM_TIMER) ++counts->timers;
  return DefSubclassProc(window, message, wparam, lparam);
}

TEST_F(Page, AnIdlePageWithTheFocusInTheListNeitherPaintsNorTicks) {
  PageHost host(dll_, CorpusFile("Canon.jpg"));
  ASSERT_TRUE(host.ok());
  Counts list_counts, page_counts;
  SetWindowSubclass(host.list(), CountMessages, 7, reinterpret_cast<DWORD_PTR>(&list_counts));
  SetWindowSubclass(host.page(), CountMessages, 7, reinterpret_cast<DWORD_PTR>(&page_counts));
  SetForegroundWindow(host.sheet());
  SetFocus(host.list());
  Pump(400);  // the paints the focus asks for
  list_counts = {};
  page_counts = {};
  Pump(1000);
  EXPECT_EQ(list_counts.paints, 0);
  EXPECT_EQ(list_counts.timers + page_counts.timers, 0);
  RemoveWindowSubclass(host.list(), CountMessages, 7);
  RemoveWindowSubclass(host.page(), CountMessages, 7);
}

// --- Any DPI, any locale ------------------------------------------------------

// The DPI the prefix was set to (tests/windows/page_at_dpi.sh), or 0.
UINT ExpectedDpi() {
  const char* dpi = std::getenv("KELVANE_EXPECT_DPI");
  return dpi && *dpi ? static_cast<UINT>(std::atoi(dpi)) : 0;
}

TEST_F(Page, LayoutFollowsTheDpiAndValuesTakeTheRestOfTheWidth) {
  for (const char* name : {"Canon.jpg", "Nikon.nef", "QuickTime.mov", "GPS.jpg"}) {
    SCOPED_TRACE(name);
    PageHost host(dll_, CorpusFile(name));
    ASSERT_TRUE(host.ok());
    const UINT dpi = page::DpiOf(host.page());
    if (ExpectedDpi()) {
      ASSERT_EQ(dpi, ExpectedDpi());
    }
    auto S = [&](int design) { return page::Scale(design, dpi); };
    // No horizontal scroll bar: the two columns fill the list's width.
    EXPECT_FALSE(GetWindowLongPtrW(host.list(), GWL_STYLE) & WS_HSCROLL);
    RECT list;
    GetClientRect(host.list(), &list);
    const int name_width = ListView_GetColumnWidth(host.list(), 0);
    const int value_width = ListView_GetColumnWidth(host.list(), 1);
    EXPECT_EQ(name_width + value_width, list.right);
    EXPECT_GE(value_width, list.right * 3 / 8);
    // The toolbar and its buttons at the page's scale, its text fits.
    RECT button, toolbar;
    GetWindowRect(host.Control(page::kIdToolbarButton972), &button);
    GetWindowRect(GetParent(host.Control(page::kIdToolbarButton972)), &toolbar);
    EXPECT_EQ(button.bottom - button.top, S(22));
    EXPECT_EQ(toolbar.bottom - toolbar.top, S(page::kPanel1Height));
    RECT page_rect;
    GetWindowRect(host.page(), &page_rect);
    EXPECT_EQ(page_rect.right - button.right, S(553 - 547));
    auto font = reinterpret_cast<HFONT>(SendMessageW(host.list(), WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    EXPECT_LE(page::LineHeightOf(font), S(22) - 2);
    EXPECT_GE(page::LineHeightOf(font), S(12));
    // Rows at least as high as a line of the font.
    RECT row;
    ListView_GetItemRect(host.list(), 0, &row, LVIR_BOUNDS);
    EXPECT_GE(row.bottom - row.top, page::LineHeightOf(font));
    if (ExpectedDpi()) {
      const std::wstring png = ArtifactFolder() + L"page-" +
                               std::to_wstring(MulDiv(static_cast<int>(dpi), 100, 96)) + L"dpi-" +
                               Wide(name) + L".png";
      EXPECT_TRUE(SaveScreenshot(host.sheet(), png));
      std::printf("screenshot: %s\n", Utf8(png).c_str());
    }
  }
}

// Whether `font` draws `c` as a glyph of its own (or of the font Windows
// links to it), not as the box of a missing character.
bool DrawsAGlyph(HFONT font, wchar_t c) {
  auto render = [&](wchar_t ch) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 64, 64);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old_bitmap = SelectObject(dc, bitmap);
    HGDIOBJ old_font = SelectObject(dc, font);
    RECT r = {0, 0, 64, 64};
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, &ch, 1, &r, DT_LEFT | DT_TOP | DT_NOPREFIX | DT_SINGLELINE);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) pixels.push_back(GetPixel(dc, x, y));
    SelectObject(dc, old_font);
    SelectObject(dc, old_bitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
  };
  const auto drawn = render(c);
  const bool inked = std::count(drawn.begin(), drawn.end(), RGB(255, 255, 255)) <
                     static_cast<long>(drawn.size());
  // U+FFFF is no character: every font shows its missing-character box.
  return inked && drawn != render(L'\xFFFF');
}

TEST_F(Page, LatinAndJapaneseTextIsReadableInTheLocaleAtHand) {
  const char* locale = std::getenv("KELVANE_LOCALE_NAME");  // page_in_locale.sh
  for (const char* name : {"Canon.jpg", "GPS.jpg", "IPTC.jpg"}) {
    SCOPED_TRACE(name);
    PageHost host(dll_, CorpusFile(name));
    ASSERT_TRUE(host.ok());
    auto font = reinterpret_cast<HFONT>(SendMessageW(host.list(), WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    LOGFONTW lf = {};
    GetObjectW(font, sizeof lf, &lf);
    // The system's message font, with no fixed character set.
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    EXPECT_STREQ(lf.lfFaceName, metrics.lfMessageFont.lfFaceName);
    EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET);
    for (wchar_t c : std::wstring(L"AZaz09:情報項目名メーカー"))
      EXPECT_TRUE(DrawsAGlyph(font, c)) << "U+" << std::hex << static_cast<int>(c);
    if (locale && *locale) {
      ListView_SetItemState(host.list(), 2, LVIS_SELECTED | LVIS_FOCUSED,
                            LVIS_SELECTED | LVIS_FOCUSED);
      Pump(300);
      const std::wstring png =
          ArtifactFolder() + L"page-" + Wide(locale) + L"-" + Wide(name) + L".png";
      EXPECT_TRUE(SaveScreenshot(host.sheet(), png));
      std::printf("screenshot: %s\n", Utf8(png).c_str());
    }
  }
  if (locale && *locale) {
    PageHost host(dll_, CorpusFile("GPS.jpg"));
    ASSERT_TRUE(host.ok());
    g_sheet_for_menu = host.sheet();
    g_menu_seen = false;
    g_menu_png = ArtifactFolder() + L"page-" + Wide(locale) + L"-popup-menu.png";
    UINT_PTR timer = SetTimer(nullptr, 0, 300, CaptureMenu);
    host.Command(page::kIdToolbarButton971);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(g_menu_seen);
  }
}

// --- The thumbnail's save proposal, the unfocused list, the thumbnail box ---

// What the save dialog proposes: its file name box and the folder it shows.
void NoteProposalAndCancel(HWND dialog, ModalDriver& driver) {
  driver.notes.push_back(TextOf(FileNameField(dialog)));
  wchar_t folder[MAX_PATH * 2] = {};
  SendMessageW(dialog, CDM_GETFOLDERPATH, MAX_PATH * 2, reinterpret_cast<LPARAM>(folder));
  driver.notes.push_back(folder);
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

std::wstring WithoutTrailingSlash(std::wstring path) {
  while (!path.empty() && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
  return path;
}

TEST_F(Page, SaveThumbnailProposesThePhotosNameInItsFolder) {
  for (const char* name : {"FLIR.jpg", "ExifTool.jpg"}) {
    SCOPED_TRACE(name);
    SaveFolder folder(name);
    PageHost host(dll_, folder.photo());
    ASSERT_TRUE(host.ok());
    ModalDriver driver({{kThumbnailTitle, false, NoteProposalAndCancel}});
    host.Command(CommandOf(MenuId::T1));
    EXPECT_TRUE(driver.done());
    ASSERT_EQ(driver.notes.size(), 2u);
    const std::wstring stem = Wide(name).substr(0, Wide(name).find_last_of(L'.'));
    const std::wstring proposed = driver.notes[0];
    const std::wstring proposed_name = proposed.substr(proposed.find_last_of(L'\\') + 1);
    EXPECT_EQ(proposed_name, stem + L"_thumbnail.jpg") << Utf8(proposed);
    EXPECT_EQ(lstrcmpiW(WithoutTrailingSlash(driver.notes[1]).c_str(),
                        WithoutTrailingSlash(folder.folder()).c_str()),
              0)
        << Utf8(driver.notes[1]);
    std::printf("proposed: %s in %s\n", Utf8(proposed_name).c_str(), Utf8(driver.notes[1]).c_str());
    EXPECT_EQ(FolderNames(folder.folder()), (std::vector<std::wstring>{Wide(name)}));
  }
}

TEST(SavePlace, AFolderThatTakesNoNewFileGivesWayToThePicturesFolder) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring writable = temp;
  const page::SaveDialogPlace kept =
      page::ProposedSavePlace(writable, writable + L"IMG_0001_thumbnail.jpg");
  EXPECT_EQ(kept.folder, writable);
  EXPECT_EQ(kept.file_name, writable + L"IMG_0001_thumbnail.jpg");
  // No new file can be made in a folder that is not there (nor on a CD, nor
  // on a share read-only to the user): the user's Pictures folder instead.
  PWSTR pictures_path = nullptr;
  ASSERT_HRESULT_SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Pictures, 0, nullptr, &pictures_path));
  const std::wstring pictures = WithoutTrailingSlash(pictures_path) + L"\\";
  CoTaskMemFree(pictures_path);
  const std::wstring gone = L"C:\\kelvane-no-such-folder\\";
  const page::SaveDialogPlace moved = page::ProposedSavePlace(gone, gone + L"IMG_0001_thumbnail.jpg");
  EXPECT_EQ(moved.folder, pictures);
  EXPECT_EQ(moved.file_name, pictures + L"IMG_0001_thumbnail.jpg");
  // Nothing proposed: nothing changed.
  EXPECT_EQ(page::ProposedSavePlace(L"", L"").folder, L"");
}

// A point of a row in the value column, clear of its text: the row's top
// line, near the list's right edge.
POINT RowBackgroundPoint(HWND list, int row) {
  RECT r;
  ListView_GetItemRect(list, row, &r, LVIR_BOUNDS);
  RECT client;
  GetClientRect(list, &client);
  POINT at = {std::min(r.right, client.right) - 3, r.top + 1};
  ClientToScreen(list, &at);
  return at;
}

TEST_F(Page, TheListKeepsItsColoursAndSelectionWhenItLosesTheFocus) {
  PageHost host(dll_, CorpusFile("Canon.jpg"));
  ASSERT_TRUE(host.ok());
  SetForegroundWindow(host.sheet());
  SetFocus(host.list());
  const auto rows = host.Rows();
  // The first caption, detail and basic rows on the screen, none of them
  // the focused row (its focus frame is drawn over it).
  RECT client;
  GetClientRect(host.list(), &client);
  std::vector<int> samples;
  for (int style : {3, 2, 0}) {
    for (size_t i = 1; i < rows.size(); ++i) {
      RECT r;
      ListView_GetItemRect(host.list(), static_cast<int>(i), &r, LVIR_BOUNDS);
      if (rows[i].style == style && r.bottom <= client.bottom) {
        samples.push_back(static_cast<int>(i));
        break;
      }
    }
  }
  ASSERT_EQ(samples.size(), 3u) << "a caption, a detail and a basic row on the screen";
  PressKey(WM_KEYDOWN, 'A', {VK_CONTROL});
  ListView_SetItemState(host.list(), 0, LVIS_FOCUSED, LVIS_FOCUSED);
  ASSERT_EQ(ListView_GetSelectedCount(host.list()), rows.size());
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  const COLORREF highlight_text = GetSysColor(COLOR_HIGHLIGHTTEXT);
  for (bool focused : {true, false}) {
    SCOPED_TRACE(focused ? "focused" : "after Tab");
    if (!focused) SetFocus(host.Control(page::kIdMShowPanel));  // where Tab goes
    InvalidateRect(host.list(), nullptr, TRUE);
    Pump(300);
    for (int row : samples) {
      const int style = rows[static_cast<size_t>(row)].style;
      SCOPED_TRACE(testing::Message() << "row " << row << ", style " << style);
      const COLORREF want =
          page::ShownColours(style, true, focused, highlight, highlight_text).background;
      EXPECT_EQ(ScreenPixel(RowBackgroundPoint(host.list(), row)), want);
      if (!focused) {
        EXPECT_NE(want, page::ColoursOf(style).background) << "the selection shows";
      }
    }
    if (!focused) {
      const std::wstring png = ArtifactFolder() + L"page-selection-after-losing-focus.png";
      EXPECT_TRUE(SaveScreenshot(host.sheet(), png));
      std::printf("screenshot: %s\n", Utf8(png).c_str());
    }
  }
  // A row that is not selected keeps its own colours.
  ListView_SetItemState(host.list(), samples[0], 0, LVIS_SELECTED);
  Pump(200);
  EXPECT_EQ(ScreenPixel(RowBackgroundPoint(host.list(), samples[0])), page::ColoursOf(3).background);
}

TEST(ThumbnailFit, CentredAndScaledToTheBoxWithItsAspectKept) {
  struct Case {
    SIZE picture;
    RECT want;
  } cases[] = {
      {{160, 120}, {0, 0, 160, 120}},   // the box's own size
      {{45, 60}, {35, 0, 125, 120}},    // small and upright: grows to the box's height
      {{80, 80}, {20, 0, 140, 120}},    // small and square
      {{8, 8}, {20, 0, 140, 120}},      // tiny
      {{320, 120}, {0, 30, 160, 90}},   // wide: the box's width
      {{640, 480}, {0, 0, 160, 120}},   // large: shrinks to the box
      {{0, 60}, {0, 0, 0, 0}},          // nothing to draw
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.picture.cx << "x" << c.picture.cy);
    const RECT got = page::FitPicture(c.picture, {0, 0, 160, 120});
    EXPECT_EQ(got.left, c.want.left);
    EXPECT_EQ(got.top, c.want.top);
    EXPECT_EQ(got.right, c.want.right);
    EXPECT_EQ(got.bottom, c.want.bottom);
  }
  // At another place and scale (the box at 150 %).
  const RECT moved = page::FitPicture({45, 60}, {10, 20, 250, 200});
  EXPECT_EQ(moved.left, 10 + (240 - 135) / 2);
  EXPECT_EQ(moved.top, 20);
  EXPECT_EQ(moved.right - moved.left, 135);
  EXPECT_EQ(moved.bottom, 200);
}

TEST_F(Page, ThumbnailsAreCentredInTheirBoxAndFillIt) {
  struct Case {
    const char* name;
    const wchar_t* png;
  } cases[] = {
      {"ExifTool.jpg", L"page-thumbnail-small-45x60-centred.png"},
      {"FLIR.jpg", L"page-thumbnail-small-80x80-centred.png"},
      {"Canon5DMkIV.jpg", L"page-thumbnail-160x120.png"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PageHost host(dll_, CorpusFile(c.name));
    ASSERT_TRUE(host.ok());
    Pump(300);
    HWND box = host.Control(page::kIdThumbnailImage);
    RECT r;
    GetWindowRect(box, &r);
    const std::wstring png = ArtifactFolder() + c.png;
    RECT panel;
    GetWindowRect(GetParent(box), &panel);
    EXPECT_TRUE(SaveScreenRect(panel, png));
    std::printf("screenshot: %s\n", Utf8(png).c_str());
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const int mid_y = (r.top + r.bottom) / 2;
    const bool square_or_upright = std::string_view(c.name) != "Canon5DMkIV.jpg";
    // The picture reaches the box's top and bottom edges in the middle.
    EXPECT_NE(ScreenPixel({(r.left + r.right) / 2, r.top + 1}), face);
    EXPECT_NE(ScreenPixel({(r.left + r.right) / 2, r.bottom - 2}), face);
    // Left and right of an upright or square picture: the box's own face,
    // on both sides alike.
    EXPECT_EQ(ScreenPixel({r.left + 2, mid_y}) == face, square_or_upright);
    EXPECT_EQ(ScreenPixel({r.right - 3, mid_y}) == face, square_or_upright);
  }
}

}  // namespace
}  // namespace kelvane::wintest
