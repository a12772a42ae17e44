// The in-process server's module: its handle, the class it serves and the
// counts DllCanUnloadNow reads.
#pragma once

#include <windows.h>

namespace kelvane::shell {

// {D24C5149-A0CF-455A-BA99-60FAD7E544F4}
inline constexpr CLSID kClsidKelvanePropertySheet = {
    0xD24C5149, 0xA0CF, 0x455A, {0xBA, 0x99, 0x60, 0xFA, 0xD7, 0xE5, 0x44, 0xF4}};
inline constexpr wchar_t kClsidText[] = L"{D24C5149-A0CF-455A-BA99-60FAD7E544F4}";
// Description of the class and name of its handler entry.
inline constexpr wchar_t kDescription[] = L"Kelvane PropertySheet";

HINSTANCE ModuleInstance();

// Every live object of the module (extension objects, class factories,
// pages) holds one count; LockServer holds the other.
void AddObject();
void ReleaseObject();
void LockModule(bool lock);
bool ModuleInUse();

}  // namespace kelvane::shell
