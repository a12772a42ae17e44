// The shell extension object: takes the selection (IShellExtInit) and adds
// the Kelvane page for it (IShellPropSheetExt).
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

namespace kelvane::shell {

class PropSheetExtension final : public IShellExtInit, public IShellPropSheetExt {
 public:
  PropSheetExtension();
  PropSheetExtension(const PropSheetExtension&) = delete;
  PropSheetExtension& operator=(const PropSheetExtension&) = delete;

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;

  // IShellExtInit
  STDMETHODIMP Initialize(PCIDLIST_ABSOLUTE folder, IDataObject* selection,
                          HKEY prog_id) override;

  // IShellPropSheetExt
  STDMETHODIMP AddPages(LPFNSVADDPROPSHEETPAGE add_page, LPARAM param) override;
  STDMETHODIMP ReplacePage(EXPPS page, LPFNSVADDPROPSHEETPAGE replace,
                           LPARAM param) override;

 private:
  ~PropSheetExtension();
  LONG refs_ = 1;
  std::vector<std::wstring> files_;
};

}  // namespace kelvane::shell
