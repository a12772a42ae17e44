// Hosting the Kelvane page as Explorer does, for the page tests: a modeless
// property sheet with the page the extension adds for one file, the rows
// its list shows, and a screenshot of it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/windows/support/win_test_support.h"

namespace kelvane::wintest {

struct ListRow {
  int style = 0;
  std::wstring name;
  std::wstring value;
  bool operator==(const ListRow&) const = default;
};

class PageHost {
 public:
  // Opens the sheet on `path` (a Windows path); check ok() afterwards.
  PageHost(PropModule& dll, const std::wstring& path);
  ~PageHost();  // closes the sheet (the page saves its settings)
  PageHost(const PageHost&) = delete;
  PageHost& operator=(const PageHost&) = delete;

  bool ok() const { return list_ != nullptr; }
  HWND sheet() const { return sheet_; }
  HWND page() const { return page_; }
  HWND list() const { return list_; }
  HWND Control(int id) const;  // a control of the page, in whatever panel

  std::vector<ListRow> Rows() const;
  // Sends a command to the page as its menu or toolbar would.
  void Command(int id);
  void Close();

 private:
  HWND sheet_ = nullptr;
  HWND page_ = nullptr;
  HWND list_ = nullptr;
};

// Runs the thread's messages for `ms` milliseconds, keyboard navigation of
// dialogs included.
void Pump(DWORD ms);

// Answers the windows a command opens while it runs (save dialogs, their
// prompts, message boxes), from a timer of the thread: each step waits for
// a visible window of this thread with its caption, then acts on it. The
// texts of all message boxes seen are kept.
class ModalDriver {
 public:
  struct Step {
    std::wstring caption;
    bool message_box;  // a message box rather than another dialog
    void (*act)(HWND window, ModalDriver& driver);
  };
  explicit ModalDriver(std::vector<Step> steps);
  ~ModalDriver();
  ModalDriver(const ModalDriver&) = delete;
  ModalDriver& operator=(const ModalDriver&) = delete;

  bool done() const { return next_ == steps_.size(); }
  const std::vector<std::wstring>& messages() const { return messages_; }
  // Free for the steps: what they saw.
  std::vector<std::wstring> notes;

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  static BOOL CALLBACK Visit(HWND window, LPARAM);
  std::vector<Step> steps_;
  size_t next_ = 0;
  std::vector<std::wstring> messages_;
  std::vector<HWND> seen_boxes_;
  UINT_PTR timer_ = 0;
  bool busy_ = false;
};

// The text of a window, and of a message box's message.
std::wstring TextOf(HWND window);
std::wstring MessageBoxText(HWND box);  // empty when `box` is not one

// Saves the window's picture on the screen as a PNG file.
bool SaveScreenshot(HWND window, const std::wstring& png_path);
bool SaveScreenRect(const RECT& screen_rect, const std::wstring& png_path);
// The colour on the screen at a point (screen coordinates).
COLORREF ScreenPixel(POINT at);
// The folder test artifacts go to (KELVANE_ARTIFACTS, else "artifacts"
// beside the test program), created when missing.
std::wstring ArtifactFolder();

// A corpus file as a Windows path; empty when KELVANE_CORPUS is not set.
std::wstring CorpusFile(const std::string& name);

}  // namespace kelvane::wintest
