// Helpers of the Windows tests: the modules beside the test program, UTF-8
// and UTF-16, a selection as the shell hands it over, registry reads and
// running a program.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <optional>
#include <string>
#include <vector>

namespace kelvane::wintest {

// The folder of the test program, with a trailing backslash.
std::wstring ProgramFolder();
// The folder of the modules under test, with a trailing backslash: the
// test program's, or the installed one the installer test names in
// KELVANE_INSTALLED_DIR (a Windows path).
std::wstring ModuleFolder();
// KelvaneProp.dll in that folder.
std::wstring PropDllPath();

std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& wide);

// A data object holding `files` as CF_HDROP, as the shell passes a
// selection to IShellExtInit::Initialize.
IDataObject* NewSelection(const std::vector<std::wstring>& files);

// A text value; nothing when the key or the value is missing.
std::optional<std::wstring> RegText(HKEY root, const std::wstring& key, const wchar_t* name);
bool RegKeyExists(HKEY root, const std::wstring& key);

// Runs `command_line` and returns its exit code (or -1 when it cannot start).
int RunProgram(const std::wstring& command_line, DWORD timeout_ms = 60000);

// The loaded KelvaneProp.dll and its exports.
struct PropModule {
  HMODULE module = nullptr;
  HRESULT(STDAPICALLTYPE* GetClassObject)(REFCLSID, REFIID, void**) = nullptr;
  HRESULT(STDAPICALLTYPE* CanUnloadNow)() = nullptr;
  bool Load(const std::wstring& path = PropDllPath());
  ~PropModule();
};

inline constexpr CLSID kClsidKelvane = {
    0xD24C5149, 0xA0CF, 0x455A, {0xBA, 0x99, 0x60, 0xFA, 0xD7, 0xE5, 0x44, 0xF4}};
inline constexpr wchar_t kClsidKelvaneText[] = L"{D24C5149-A0CF-455A-BA99-60FAD7E544F4}";

}  // namespace kelvane::wintest
