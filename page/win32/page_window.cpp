#include "page/win32/page_window.h"

namespace kelvane::page {

PageWindow::PageWindow(HWND dialog, const std::vector<std::wstring>& files)
    : dialog_(dialog), file_(files.empty() ? std::wstring() : files.front()) {}

PageWindow::~PageWindow() = default;

bool PageWindow::HandleMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

}  // namespace kelvane::page
