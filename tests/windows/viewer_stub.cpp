// Stands in for the stand-alone viewer "Kelvane.exe": writes the arguments
// it was started with (its command line after the program name) beside
// itself, for the page test to read.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
  wchar_t path[MAX_PATH * 2];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
  while (n > 0 && path[n - 1] != L'\\' && path[n - 1] != L'/') --n;
  lstrcpyW(path + n, L"viewer-command-line.txt");
  HANDLE f = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(f, arguments, static_cast<DWORD>(static_cast<size_t>(lstrlenW(arguments)) * sizeof(wchar_t)), &written,
            nullptr);
  CloseHandle(f);
  return 0;
}
