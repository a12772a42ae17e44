// The stand-alone viewer's window: the Kelvane page (page/win32's
// PageWindow, as the property sheet shows it) in a resizable frame with a
// File menu, the previous and next file of the folder (PageUp, PageDown and
// two arrow buttons) and files dropped on it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "page/win32/page_window.h"

namespace kelvane::viewer {

class ViewerFrame {
 public:
  // Creates the frame on `file` (empty: none yet) and shows it with `show`.
  // The frame belongs to its window: it is deleted with it. Null when the
  // window could not be created.
  static ViewerFrame* Create(const std::wstring& file, int show);
  ViewerFrame(const ViewerFrame&) = delete;
  ViewerFrame& operator=(const ViewerFrame&) = delete;

  HWND window() const { return window_; }
  // The dialog the page lives in (null with no file open).
  HWND page() const { return page_; }
  const std::wstring& file() const { return file_; }

  // Shows `file` instead of the open one (a full Windows path).
  void Open(const std::wstring& file);
  // The file `step` files after (or before) the open one in its folder.
  void Step(int step);
  // File ▸ Open: the common open dialog.
  void ChooseFile();

  // The program's frames: closing the last one ends the message loop.
  static void QuitWhenClosed();

  // For the thread's message loop: the frame's keys and the dialog keys of
  // the page. True when the message was used up.
  static bool PreTranslate(MSG& msg);

 private:
  explicit ViewerFrame(HWND window);
  ~ViewerFrame();
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static INT_PTR CALLBACK PageProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void CreateBar();
  void ApplyDpi();
  void Layout();
  void UpdateTitleAndButtons();
  int S(int design) const;

  HWND window_;
  HWND page_ = nullptr;
  HWND previous_ = nullptr;
  HWND next_ = nullptr;
  HFONT font_ = nullptr;
  UINT dpi_ = 96;
  std::wstring file_;
  std::unique_ptr<page::PageWindow> page_window_;
};

}  // namespace kelvane::viewer
