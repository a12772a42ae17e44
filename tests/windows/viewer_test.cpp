// The stand-alone viewer. Kelvane.exe as a user starts it, on a corpus
// photo and on kinds the shell does not offer the page for: its window
// names the file, its page shows the engine's rows, it closes cleanly
// (screenshots viewer-*.png). The frame in this thread: the previous and
// next file of the folder by PageUp/PageDown and the arrow buttons, files
// dropped on it, File ▸ Open, and the page filling the frame as it is
// resized.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "engine/loader/loader.h"
#include "page/win32/page_font.h"
#include "page/win32/page_ids.h"
#include "page/win32/page_window.h"
#include "tests/windows/support/page_host.h"
#include "viewer/viewer_frame.h"
#include "viewer/viewer_ids.h"

namespace kelvane::wintest {
namespace {

using viewer::ViewerFrame;

size_t EngineRowCount(const std::wstring& path) {
  InfoTree tree;
  PageFields fields;
  Load(Utf8(path), {}, tree, fields);
  return tree.Rows().size();
}

struct FindFrame {
  DWORD process;
  std::wstring title;
  HWND found;
};

BOOL CALLBACK VisitTopLevel(HWND window, LPARAM param) {
  auto* find = reinterpret_cast<FindFrame*>(param);
  wchar_t cls[64] = {};
  GetClassNameW(window, cls, 64);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (lstrcmpW(cls, viewer::kFrameClass) == 0 && IsWindowVisible(window) &&
      (find->process == 0 || process == find->process) && TextOf(window) == find->title) {
    find->found = window;
    return FALSE;
  }
  return TRUE;
}

// A visible viewer frame with this title (of this process when given),
// waited for up to `ms` milliseconds while this thread's messages run.
HWND WaitForFrame(const std::wstring& title, DWORD process = 0, DWORD ms = 20000) {
  for (DWORD waited = 0; waited < ms; waited += 100) {
    FindFrame find = {process, title, nullptr};
    EnumWindows(VisitTopLevel, reinterpret_cast<LPARAM>(&find));
    if (find.found) return find.found;
    Pump(100);
  }
  return nullptr;
}

HWND ListOf(HWND frame) {
  HWND page = GetDlgItem(frame, viewer::kIdPageHost);
  return page ? GetDlgItem(page, page::kIdElTree) : nullptr;
}

TEST(ViewerProgram, ShowsAPhotoAndTheKindsTheShellDoesNotOffer) {
  if (CorpusFile("x").empty()) GTEST_SKIP() << "KELVANE_CORPUS is not set";
  const std::wstring exe = ModuleFolder() + L"Kelvane.exe";
  ASSERT_NE(GetFileAttributesW(exe.c_str()), INVALID_FILE_ATTRIBUTES) << Utf8(exe);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // the screenshots' PNG encoder
  struct Case {
    const char* file;
    const wchar_t* screenshot;
  } cases[] = {
      {"FLIR.jpg", L"viewer-photo.png"},
      {"Sigma.x3f", L"viewer-x3f.png"},
      {"DICOM.dcm", L"viewer-dcm.png"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const std::wstring path = CorpusFile(c.file);
    std::wstring command = L"\"" + exe + L"\" \"" + path + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process));
    const HWND frame = WaitForFrame(Wide(c.file) + L" - Kelvane", process.dwProcessId);
    EXPECT_NE(frame, nullptr) << "no viewer window names the file";
    if (frame) {
      // Its page shows the engine's rows.
      const HWND list = ListOf(frame);
      ASSERT_NE(list, nullptr);
      const size_t expected = EngineRowCount(path);
      EXPECT_GT(expected, 5u);
      EXPECT_EQ(static_cast<size_t>(ListView_GetItemCount(list)), expected);
      RECT page_rect, frame_client;
      GetWindowRect(GetDlgItem(frame, viewer::kIdPageHost), &page_rect);
      GetClientRect(frame, &frame_client);
      EXPECT_EQ(page_rect.right - page_rect.left, frame_client.right);
      Pump(500);  // drawn
      EXPECT_TRUE(SaveScreenshot(frame, ArtifactFolder() + c.screenshot));
      PostMessageW(frame, WM_CLOSE, 0, 0);
    }
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0) << "did not close";
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    EXPECT_EQ(status, 0u);
    if (status == STILL_ACTIVE) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CoUninitialize();
}

// Copies of corpus files in a scratch folder of their own, under names of
// our choosing.
class ScratchFolder {
 public:
  ScratchFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"kelvane viewer " + std::to_wstring(GetTickCount()) + L"\\";
    CreateDirectoryW(folder_.c_str(), nullptr);
  }
  ~ScratchFolder() {
    for (const std::wstring& name : names_) DeleteFileW((folder_ + name).c_str());
    RemoveDirectoryW(folder_.c_str());
  }
  std::wstring Add(const wchar_t* name, const char* corpus_name) {
    const std::wstring path = folder_ + name;
    CopyFileW(CorpusFile(corpus_name).c_str(), path.c_str(), FALSE);
    names_.push_back(name);
    return path;
  }

 private:
  std::wstring folder_;
  std::vector<std::wstring> names_;
};

// Runs the thread's messages as the viewer's loop does.
void FramePump(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (ViewerFrame::PreTranslate(msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(10);
  } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

void PressKey(HWND target, WORD key) {
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));  // released, was down
  FramePump(100);
}

class Frame : public ::testing::Test {
 protected:
  void SetUp() override {
    if (CorpusFile("x").empty()) GTEST_SKIP() << "KELVANE_CORPUS is not set";
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
  }
  void TearDown() override {
    if (frame_ && IsWindow(frame_->window())) DestroyWindow(frame_->window());
    FramePump(50);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Tarnwell");
    CoUninitialize();
  }
  void Start(const std::wstring& file) {
    frame_ = ViewerFrame::Create(file, SW_SHOWNORMAL);
    ASSERT_NE(frame_, nullptr);
    FramePump(200);
  }
  // What the frame shows: its title, its rows, its arrows.
  void ExpectShowing(const std::wstring& path) {
    const std::wstring name = path.substr(path.find_last_of(L'\\') + 1);
    EXPECT_EQ(TextOf(frame_->window()), name + L" - Kelvane");
    EXPECT_EQ(frame_->file(), path);
    const HWND list = ListOf(frame_->window());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(static_cast<size_t>(ListView_GetItemCount(list)), EngineRowCount(path));
  }
  bool ArrowEnabled(int id) const {
    return IsWindowEnabled(GetDlgItem(frame_->window(), id)) &&
           !(GetMenuState(GetMenu(frame_->window()), static_cast<UINT>(id), MF_BYCOMMAND) &
             MF_GRAYED);
  }
  ViewerFrame* frame_ = nullptr;
};

TEST_F(Frame, StepsThroughItsFolderWithThePageKeysAndTheArrows) {
  ScratchFolder folder;
  const std::wstring a = folder.Add(L"a.jpg", "Canon.jpg");
  const std::wstring b = folder.Add(L"b.x3f", "Sigma.x3f");
  folder.Add(L"c.txt", "Canon.jpg");  // not a kind the loader reads
  const std::wstring d = folder.Add(L"d.dcm", "DICOM.dcm");
  Start(a);
  ExpectShowing(a);
  EXPECT_FALSE(ArrowEnabled(viewer::kIdPrevious));
  EXPECT_TRUE(ArrowEnabled(viewer::kIdNext));

  PressKey(ListOf(frame_->window()), VK_NEXT);
  ExpectShowing(b);
  EXPECT_TRUE(ArrowEnabled(viewer::kIdPrevious));
  SendMessageW(GetDlgItem(frame_->window(), viewer::kIdNext), BM_CLICK, 0, 0);
  FramePump(100);
  ExpectShowing(d);  // past the text file
  EXPECT_FALSE(ArrowEnabled(viewer::kIdNext));
  PressKey(ListOf(frame_->window()), VK_NEXT);  // at the end: stays
  ExpectShowing(d);

  PressKey(ListOf(frame_->window()), VK_PRIOR);
  ExpectShowing(b);
  SendMessageW(GetDlgItem(frame_->window(), viewer::kIdPrevious), BM_CLICK, 0, 0);
  FramePump(100);
  ExpectShowing(a);
  PressKey(ListOf(frame_->window()), VK_PRIOR);
  ExpectShowing(a);
}

// A drop as the shell makes it: the files in a DROPFILES block.
HDROP DropOf(const std::vector<std::wstring>& files, POINT at) {
  size_t chars = 1;
  for (const auto& f : files) chars += f.size() + 1;
  HGLOBAL global = GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(wchar_t));
  auto* drop = static_cast<DROPFILES*>(GlobalLock(global));
  drop->pFiles = sizeof(DROPFILES);
  drop->pt = at;
  drop->fWide = TRUE;
  auto* text = reinterpret_cast<wchar_t*>(reinterpret_cast<char*>(drop) + sizeof(DROPFILES));
  for (const auto& f : files) {
    std::memcpy(text, f.c_str(), (f.size() + 1) * sizeof(wchar_t));
    text += f.size() + 1;
  }
  GlobalUnlock(global);
  return static_cast<HDROP>(global);
}

TEST_F(Frame, ShowsTheFirstFileDroppedOnIt) {
  Start(L"");
  EXPECT_EQ(TextOf(frame_->window()), L"Kelvane");
  EXPECT_EQ(frame_->page(), nullptr);
  EXPECT_FALSE(ArrowEnabled(viewer::kIdPrevious));
  EXPECT_FALSE(ArrowEnabled(viewer::kIdNext));
  EXPECT_TRUE(GetWindowLongPtrW(frame_->window(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  SaveScreenshot(frame_->window(), ArtifactFolder() + L"viewer-empty.png");

  const std::wstring photo = CorpusFile("GPS.jpg"), other = CorpusFile("Jpeg2000.jp2");
  SendMessageW(frame_->window(), WM_DROPFILES,
               reinterpret_cast<WPARAM>(DropOf({photo, other}, {40, 40})), 0);
  FramePump(100);
  ExpectShowing(photo);
  SendMessageW(frame_->window(), WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf({other}, {40, 40})),
               0);
  FramePump(100);
  ExpectShowing(other);
}

// The open dialog's file name box (Wine's and Windows' own dialogs alike).
void ChooseFileByName(HWND dialog, ModalDriver& driver) {
  const std::wstring& path = driver.notes.front();
  for (int id : {0x047C /* cmb13 */, 0x0480 /* edt1 */}) {
    if (HWND box = GetDlgItem(dialog, id)) SetWindowTextW(box, path.c_str());
  }
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

TEST_F(Frame, OpensAFileChosenInItsOpenDialog) {
  const std::wstring first = CorpusFile("Canon.jpg"), chosen = CorpusFile("RIFF.avi");
  Start(first);
  ModalDriver driver({{viewer::kOpenDialogTitle, false, ChooseFileByName}});
  driver.notes.push_back(chosen);
  // Ctrl+O, as the keyboard sends it.
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  PostMessageW(ListOf(frame_->window()), WM_KEYDOWN, 'O', 1);
  FramePump(200);
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  FramePump(100);
  EXPECT_TRUE(driver.done());
  ExpectShowing(chosen);
}

TEST_F(Frame, ThePageFillsTheFrameBelowItsBar) {
  Start(CorpusFile("Canon.jpg"));
  RECT client, opened;
  // Opened at the page's design size (or more).
  GetClientRect(frame_->page(), &opened);
  const UINT dpi = page::DpiOf(frame_->window());
  EXPECT_GE(opened.right, page::Scale(page::kPageDesignSize.cx, dpi));
  EXPECT_GE(opened.bottom, page::Scale(page::kPageDesignSize.cy, dpi));
  for (SIZE size : {SIZE{900, 700}, SIZE{640, 480}}) {
    SetWindowPos(frame_->window(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
    FramePump(50);
    GetClientRect(frame_->window(), &client);
    RECT placed;
    GetWindowRect(frame_->page(), &placed);
    MapWindowPoints(nullptr, frame_->window(), reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(placed.left, 0);
    EXPECT_EQ(placed.top, page::Scale(viewer::kBarHeight, dpi));
    EXPECT_EQ(placed.right, client.right);
    EXPECT_EQ(placed.bottom, client.bottom);
    // The list follows: as wide as the page.
    RECT list;
    GetWindowRect(ListOf(frame_->window()), &list);
    EXPECT_EQ(list.right - list.left, placed.right - placed.left);
  }
}

// Every control of the page lies whole inside its panel and the page, and
// no two of the toolbar's buttons overlap; the list keeps its header and a
// few rows.
void ExpectEveryControlWhole(HWND frame) {
  HWND page = GetDlgItem(frame, viewer::kIdPageHost);
  ASSERT_NE(page, nullptr);
  RECT page_rect;
  GetWindowRect(page, &page_rect);
  std::vector<RECT> buttons;
  for (int id : {page::kIdMShowPanel, page::kIdToolbarButton973, page::kIdToolbarButton971,
                 page::kIdToolbarButton972, page::kIdThumbnailImage, page::kIdPanel5}) {
    SCOPED_TRACE(testing::Message() << "control " << id);
    HWND control = nullptr;
    for (HWND child = GetWindow(page, GW_CHILD); child && !control; child = GetWindow(child, GW_HWNDNEXT))
      control = GetDlgItem(child, id);
    ASSERT_NE(control, nullptr);
    RECT r, parent;
    GetWindowRect(control, &r);
    GetWindowRect(GetParent(control), &parent);
    EXPECT_GT(r.right - r.left, 0);
    EXPECT_GE(r.left, parent.left);
    EXPECT_LE(r.right, parent.right);
    EXPECT_GE(r.top, parent.top);
    EXPECT_LE(r.bottom, parent.bottom);
    EXPECT_LE(r.right, page_rect.right);
    EXPECT_LE(r.bottom, page_rect.bottom);
    if (id != page::kIdThumbnailImage && id != page::kIdPanel5) buttons.push_back(r);
  }
  for (size_t i = 0; i < buttons.size(); ++i)
    for (size_t j = i + 1; j < buttons.size(); ++j) {
      RECT both;
      EXPECT_FALSE(IntersectRect(&both, &buttons[i], &buttons[j])) << i << " and " << j;
    }
  HWND list = ListOf(frame);
  RECT header, list_rect;
  GetWindowRect(ListView_GetHeader(list), &header);
  GetWindowRect(list, &list_rect);
  RECT row;
  ListView_GetItemRect(list, 0, &row, LVIR_BOUNDS);
  EXPECT_GE((list_rect.bottom - list_rect.top) - (header.bottom - header.top),
            4 * (row.bottom - row.top));
}

TEST_F(Frame, HasAMinimumSizeAtWhichEveryControlIsWholeAndRepaintsAfterAResize) {
  Start(CorpusFile("ExifTool.jpg"));
  const UINT dpi = page::DpiOf(frame_->window());
  // Shrunk far below it: held at the minimum.
  SetWindowPos(frame_->window(), nullptr, 0, 0, 120, 90, SWP_NOMOVE | SWP_NOZORDER);
  FramePump(100);
  RECT client;
  GetClientRect(frame_->page(), &client);
  EXPECT_EQ(client.right, page::PageMinimumSize(dpi).cx);
  EXPECT_GE(client.bottom, page::PageMinimumSize(dpi).cy);
  EXPECT_LT(client.bottom, page::PageMinimumSize(dpi).cy * 2) << "not far above it either";
  {
    SCOPED_TRACE(testing::Message() << "at the minimum, page " << client.right << "x" << client.bottom);
    ExpectEveryControlWhole(frame_->window());
  }
  SaveScreenshot(frame_->window(), ArtifactFolder() + L"viewer-at-its-minimum-size.png");
  // Enlarged at once, in steps as a fast drag makes them, then back.
  for (SIZE size : {SIZE{700, 560}, SIZE{1100, 900}, SIZE{1300, 1000}}) {
    SetWindowPos(frame_->window(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
    FramePump(10);
  }
  FramePump(300);
  {
    SCOPED_TRACE("after the enlarge");
    ExpectEveryControlWhole(frame_->window());
  }
  // Nothing is left of the small frame's bottom: where its thumbnail was,
  // the list is drawn (a row's own background or the list's white).
  const std::wstring png = ArtifactFolder() + L"viewer-after-a-fast-enlarge.png";
  EXPECT_TRUE(SaveScreenshot(frame_->window(), png));
  std::printf("screenshot: %s\n", Utf8(png).c_str());
  RECT page_rect;
  GetWindowRect(frame_->page(), &page_rect);
  HWND list = ListOf(frame_->window());
  RECT list_rect;
  GetWindowRect(list, &list_rect);
  EXPECT_GT(list_rect.bottom, page_rect.top + page::PageMinimumSize(dpi).cy);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_NE(ScreenPixel({list_rect.left + 40, page_rect.top + page::PageMinimumSize(dpi).cy - 6}),
            face)
      << "the list, not a stale panel";
  // And back to the size it opened at.
  SetWindowPos(frame_->window(), nullptr, 0, 0, 700, 560, SWP_NOMOVE | SWP_NOZORDER);
  FramePump(200);
  ExpectEveryControlWhole(frame_->window());
}

}  // namespace
}  // namespace kelvane::wintest
