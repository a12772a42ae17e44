// Registration of the class as an in-process server and as the property-
// sheet handler of every file type, plus the shell's approved-extensions
// entry. Per machine (HKLM) or per user (HKCU).
#pragma once

#include <windows.h>

#include <string>

namespace kelvane::shell {

enum class Scope { kMachine, kUser };

// Per machine when the process runs elevated, per user otherwise.
Scope ChooseScope();

// The hive a scope writes to.
HKEY RootOf(Scope scope);

// Keys below the root (the CLSID key, the handler key) and the approved
// list's key and value name.
std::wstring ClsidKeyPath();
std::wstring HandlerKeyPath();
inline constexpr wchar_t kApprovedKeyPath[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";

HRESULT Register(Scope scope);
HRESULT Unregister(Scope scope);

}  // namespace kelvane::shell
