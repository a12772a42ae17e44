// The viewer frame's commands (menu, accelerators, the arrow buttons) and
// its texts; the Windows tests drive the frame through them.
#pragma once

namespace kelvane::viewer {

enum CommandId : int {
  kIdOpen = 40001,
  kIdPrevious = 40002,
  kIdNext = 40003,
  kIdExit = 40004,
  // The page's dialog inside the frame.
  kIdPageHost = 40010,
};

inline constexpr wchar_t kFrameClass[] = L"KelvaneViewerFrame";
inline constexpr wchar_t kProductName[] = L"Kelvane";
// "<file name> - Kelvane".
inline constexpr wchar_t kTitleSeparator[] = L" - ";

inline constexpr wchar_t kFileMenuCaption[] = L"ファイル(&F)";
inline constexpr wchar_t kOpenCaption[] = L"開く(&O)...\tCtrl+O";
inline constexpr wchar_t kPreviousCaption[] = L"前のファイル(&P)\tPageUp";
inline constexpr wchar_t kNextCaption[] = L"次のファイル(&N)\tPageDown";
inline constexpr wchar_t kExitCaption[] = L"終了(&X)";
inline constexpr wchar_t kPreviousButton[] = L"\u25C0";  // ◀
inline constexpr wchar_t kNextButton[] = L"\u25B6";      // ▶
inline constexpr wchar_t kOpenDialogTitle[] = L"ファイルを開く";
inline constexpr wchar_t kReadableFilesFilter[] = L"Kelvane が読めるファイル";
inline constexpr wchar_t kAllFilesFilter[] = L"すべてのファイル";
// Shown in an empty frame.
inline constexpr wchar_t kEmptyHint[] =
    L"ファイルを開くか、このウィンドウにドロップしてください。";

// Height of the frame's bar with the arrow buttons, at 96 DPI.
inline constexpr int kBarHeight = 28;

}  // namespace kelvane::viewer
