// The Kelvane page window inside its property-sheet page.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kelvane::page {

class PageWindow {
 public:
  PageWindow(HWND dialog, const std::vector<std::wstring>& files);
  ~PageWindow();
  PageWindow(const PageWindow&) = delete;
  PageWindow& operator=(const PageWindow&) = delete;

  // A message of the page's dialog; true when handled, with its result.
  bool HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);

 private:
  HWND dialog_;
  std::wstring file_;
};

}  // namespace kelvane::page
