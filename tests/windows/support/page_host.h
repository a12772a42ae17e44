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

// Runs the thread's messages for `ms` milliseconds.
void Pump(DWORD ms);

// Saves the window's picture on the screen as a PNG file.
bool SaveScreenshot(HWND window, const std::wstring& png_path);
bool SaveScreenRect(const RECT& screen_rect, const std::wstring& png_path);
// The folder test artifacts go to (KELVANE_ARTIFACTS, else "artifacts"
// beside the test program), created when missing.
std::wstring ArtifactFolder();

// A corpus file as a Windows path; empty when KELVANE_CORPUS is not set.
std::wstring CorpusFile(const std::string& name);

}  // namespace kelvane::wintest
