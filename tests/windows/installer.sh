#!/usr/bin/env bash
# The MSI under Wine, in a fresh prefix of its own (tests/windows/
# other_prefix.sh), as a user runs it: installed silently for the user
# without administrator rights, it leaves the modules in the user's
# programs folder, the shell extension's registry entries (the keys
# DllRegisterServer writes, below HKCU), the Start-menu shortcut and the
# "Open with" entries; the page opens from the installed module, found
# through the registry; the installed Kelvane.exe shows a photo and the
# kinds the shell does not offer (screenshots viewer-*.png) and is what
# 単独起動 starts; the "Open with" entries are added only to kinds that are
# registered, and Explorer's "File type" texts (.raf, .jpg, .heic) read the
# same before and after; a newer version replaces it; uninstalling leaves
# nothing of the program, and the page's settings of the user stay (they
# are the user's: README). Then the same for the machine (ALLUSERS=1,
# below HKLM).
# Usage: installer.sh SESSION_HOLDER.exe TESTS.exe KELVANE.msi NEWER.msi NEWER_VERSION
#   KELVANE-INFO.exe (the build's, which the installed one must match)
set -euo pipefail
trap 'echo "FAIL: line $LINENO exited with status $?" >&2' ERR
here="$(cd "$(dirname "$0")" && pwd)"
holder="$1" tests="$2" msi="$3" newer_msi="$4" newer_version="$5" built_info="$6"
source "$here/other_prefix.sh"
other_prefix_start installer en_US

clsid='{D24C5149-A0CF-455A-BA99-60FAD7E544F4}'
handler='Kelvane PropertySheet'
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# The registry as the package's programs see it: an x64 package's in the
# 64-bit view (Wine may start a 32-bit reg.exe, which would see the 32-bit
# view of HKLM\Software\Classes\CLSID).
reg_view=""
if msiinfo suminfo "$msi" | grep -q '^Template: x64;'; then reg_view="/reg:64"; fi
# A registry value ("" for the key's default), printed; status 1 when the
# key or the value is missing.
reg_value() {
  local key="$1" name="$2" out
  if [ -z "$name" ]; then
    out="$(wine reg query "$key" /ve $reg_view 2>/dev/null)" || return 1
  else
    out="$(wine reg query "$key" /v "$name" $reg_view 2>/dev/null)" || return 1
  fi
  printf '%s\n' "$out" | tr -d '\r' | grep -E '^ +[^ ].*  +REG_' | head -n1 |
    sed -E 's/^ +.*  +REG_[A-Z_]+( {4}|$)//'
}
expect_value() {  # KEY NAME EXPECTED
  local got
  if ! got="$(reg_value "$1" "$2")"; then
    fail "missing: $1 [${2:-(default)}]"
  elif [ "$got" != "$3" ]; then
    fail "$1 [${2:-(default)}] is '$got', expected '$3'"
  fi
}
expect_no_key() {
  if wine reg query "$1" $reg_view >/dev/null 2>&1; then fail "left behind: $1"; fi
}
expect_no_value() {
  if reg_value "$1" "$2" >/dev/null; then fail "left behind: $1 [$2]"; fi
}
msiexec() {  # ARGS...: msiexec's exit status, the log kept beside the build
  local status=0
  wine msiexec "$@" /qn /l* "$(winepath -w "$build/installer-msiexec.log")" >/dev/null 2>&1 ||
    status=$?
  wineserver -w
  return "$status"
}
build="$(dirname "$WINEPREFIX")"
win_path() { winepath -w "$1" 2>/dev/null | tr -d '\r'; }
unix_path() { winepath -u "$1" 2>/dev/null | tr -d '\r'; }
expanded() { wine cmd /c "echo $1" 2>/dev/null | tr -d '\r'; }

# The entries of an installation below ROOT (HKCU or HKLM) in FOLDER (a
# Windows path), and its files and shortcut.
expect_installed() {
  local root="$1" folder="$2" shortcuts="$3" dir
  dir="$(unix_path "$folder")"
  for f in KelvaneProp.dll Kelvane.exe kelvane-info.exe; do
    [ -f "$dir/$f" ] || fail "not installed: $folder\\$f"
  done
  [ -f "$shortcuts/Kelvane.lnk" ] || fail "no Start-menu shortcut in $shortcuts"
  local classes="$root\\Software\\Classes"
  expect_value "$classes\\CLSID\\$clsid" "" "$handler"
  expect_value "$classes\\CLSID\\$clsid\\InprocServer32" "" "$folder\\KelvaneProp.dll"
  expect_value "$classes\\CLSID\\$clsid\\InprocServer32" ThreadingModel Apartment
  expect_value "$classes\\*\\shellex\\PropertySheetHandlers\\$handler" "" "$clsid"
  expect_value "$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved" \
    "$clsid" "$handler"
  local open="\"$folder\\Kelvane.exe\" \"%1\""
  expect_value "$classes\\Applications\\Kelvane.exe\\shell\\open\\command" "" "$open"
  expect_value "$classes\\Kelvane.File\\shell\\open\\command" "" "$open"
  # The kinds the shell offers the page for and those it does not: the
  # viewer among the programs of those registered here; no key of ours for
  # the others.
  for ext in .jpg .nef .x3f .dcm .jp2 .avi .raf .heic; do
    expect_value "$classes\\Applications\\Kelvane.exe\\SupportedTypes" "$ext" ""
    if [[ " $registered_kinds " == *" $ext "* ]]; then
      expect_value "$classes\\$ext\\OpenWithProgids" Kelvane.File ""
    else
      expect_no_key "$classes\\$ext"
    fi
  done
  # The kind's own program identifier, description and verb stay.
  expect_value 'HKCR\.jpg' "" jpegfile
  expect_value 'HKCR\jpegfile' "" 'JPEG Image'
  expect_value 'HKCR\jpegfile\shell\open\command' "" 'notepad.exe "%1"'
  # What Explorer's General tab shows as the "File type" is what it was.
  file_types "$build/installer-file-types-after.txt"
  if ! cmp -s "$build/installer-file-types-before.txt" "$build/installer-file-types-after.txt"; then
    fail "the File type texts changed: $(tr '\n' ' ' <"$build/installer-file-types-before.txt") became $(tr '\n' ' ' <"$build/installer-file-types-after.txt")"
  fi
}
# Explorer's "File type" texts of .raf, .jpg and .heic into FILE.
file_types() {
  rm -f "$1"
  env KELVANE_FILE_TYPES=".raf .jpg .heic" KELVANE_FILE_TYPES_OUT="$(win_path "$1")" \
    bash "$here/gtest_under_wine.sh" "$holder" "$tests" --gtest_filter=Installed.FileTypeTexts \
    >/dev/null || fail "the File type texts could not be read"
  echo "File type texts: $(tr '\n' ' ' <"$1")"
}
# A fresh Wine prefix registers no photo kind; a Windows registers .jpg
# with a program identifier and its description: so does this prefix,
# before anything is installed. .raf and .heic stay unregistered.
wine reg add 'HKLM\Software\Classes\.jpg' /ve /d jpegfile /f >/dev/null 2>&1
wine reg add 'HKLM\Software\Classes\jpegfile' /ve /d 'JPEG Image' /f >/dev/null 2>&1
wine reg add 'HKLM\Software\Classes\jpegfile\shell\open\command' /ve /d 'notepad.exe "%1"' /f >/dev/null 2>&1
wineserver -w
# The kinds registered in the prefix (their key names a program
# identifier), before anything is installed.
registered_kinds=""
for ext in .jpg .nef .x3f .dcm .jp2 .avi .raf .heic; do
  if [ -n "$(reg_value "HKCR\\$ext" "" 2>/dev/null)" ]; then registered_kinds+=" $ext"; fi
done
echo "registered in the fresh prefix:$registered_kinds"
settings_key='HKCU\Software\Tarnwell\Kelvane_Prop'
expect_settings_kept() {
  local seen
  seen="$(reg_value "$settings_key" ShowPanel || echo "(absent)")"
  echo "reg query $settings_key /v ShowPanel: $seen"
  [ "$seen" = off ] || fail "the page's settings are gone: $settings_key [ShowPanel] is $seen"
}
expect_removed() {
  local root="$1" folder="$2" shortcuts="$3"
  [ ! -e "$(unix_path "$folder")" ] || fail "left behind: $folder"
  [ ! -e "$shortcuts/Kelvane.lnk" ] || fail "left behind: the Start-menu shortcut"
  local classes="$root\\Software\\Classes"
  expect_no_key "$classes\\CLSID\\$clsid"
  expect_no_key "$classes\\*\\shellex\\PropertySheetHandlers\\$handler"
  expect_no_value "$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved" \
    "$clsid"
  expect_no_key "$classes\\Applications\\Kelvane.exe"
  expect_no_key "$classes\\Kelvane.File"
  for ext in .jpg .x3f .dcm; do expect_no_value "$classes\\$ext\\OpenWithProgids" Kelvane.File; done
}
# The tests that need the installed modules, from the installed folder.
installed_tests() {  # FOLDER FILTER [VAR=VALUE...]
  local folder="$1" filter="$2"
  shift 2
  env KELVANE_INSTALLED_DIR="$folder" "$@" bash "$here/gtest_under_wine.sh" "$holder" "$tests" \
    --gtest_filter="$filter" || fail "the tests of the installed modules in $folder"
}
upgrade_code="$(msiinfo export "$msi" Property | tr -d '\r' | awk -F'\t' '$1 == "UpgradeCode" { print $2 }')"
version="$(msiinfo export "$msi" Property | tr -d '\r' | awk -F'\t' '$1 == "ProductVersion" { print $2 }')"

file_types "$build/installer-file-types-before.txt"
echo "== $(date +%T) per user: msiexec /i $(basename "$msi") /qn"
msiexec /i "$(win_path "$msi")" || fail "msiexec /i exited with status $?"
user_folder="$(expanded '%LOCALAPPDATA%')\\Programs\\Kelvane"
user_shortcuts="$(unix_path "$(expanded '%APPDATA%')\\Microsoft\\Windows\\Start Menu\\Programs")"
expect_installed HKCU "$user_folder" "$user_shortcuts"
expect_no_key "HKLM\\Software\\Classes\\CLSID\\$clsid"
# The installed kelvane-info is the build's.
photo="$(win_path "$KELVANE_CORPUS/FLIR.jpg")"
if ! cmp -s <(wine "$(unix_path "$user_folder")/kelvane-info.exe" "$photo" 2>&1) \
  <(wine "$built_info" "$photo" 2>&1); then
  fail "the installed kelvane-info.exe does not print what the build's prints"
fi
# The page from the installed module starts the installed viewer. (Wine's
# COM finds no class registered below HKCU alone, where Windows merges the
# user's classes into HKEY_CLASSES_ROOT: the shell's own look-up is tried
# with the machine installation below.)
installed_tests "$user_folder" \
  'Installed.OneVersionOfKelvaneIsInstalled:ViewerProgram.*:Page.TheViewerButtonStartsKelvaneExeWithTheQuotedPath' \
  KELVANE_UPGRADE_CODE="$upgrade_code" KELVANE_EXPECT_VERSION="$version"
# The user changes a setting of the page: it is kept below HKCU.
installed_tests "$user_folder" 'Installed.ThePageKeepsItsSettingsForTheUser'
expect_settings_kept

echo "== $(date +%T) per user: a newer version ($newer_version) replaces it"
msiexec /i "$(win_path "$newer_msi")" || fail "msiexec /i (newer) exited with status $?"
expect_installed HKCU "$user_folder" "$user_shortcuts"
installed_tests "$user_folder" 'Installed.OneVersionOfKelvaneIsInstalled' \
  KELVANE_UPGRADE_CODE="$upgrade_code" KELVANE_EXPECT_VERSION="$newer_version"
# An upgrade keeps the user's settings.
expect_settings_kept

echo "== $(date +%T) per user: msiexec /x /qn"
msiexec /x "$(win_path "$newer_msi")" || fail "msiexec /x exited with status $?"
expect_removed HKCU "$user_folder" "$user_shortcuts"
# Uninstalling leaves the user's own settings, as README says.
expect_settings_kept

echo "== $(date +%T) per machine: msiexec /i $(basename "$msi") ALLUSERS=1 /qn"
msiexec /i "$(win_path "$msi")" ALLUSERS=1 || fail "msiexec /i ALLUSERS=1 exited with status $?"
# The x64 package's programs folder as a 64-bit program sees it, whatever
# cmd Wine starts (with 32-bit Wine, a 32-bit one).
if msiinfo suminfo "$msi" | grep -q '^Template: x64;'; then
  machine_folder="$(expanded '%ProgramW6432%')\\Kelvane"
else
  machine_folder="$(expanded '%ProgramFiles%')\\Kelvane"
fi
# Wine may put a machine installation's shortcut in the user's Start menu.
machine_shortcuts="$(unix_path "$(expanded '%ProgramData%')\\Microsoft\\Windows\\Start Menu\\Programs")"
[ -f "$machine_shortcuts/Kelvane.lnk" ] || machine_shortcuts="$user_shortcuts"
expect_installed HKLM "$machine_folder" "$machine_shortcuts"
expect_no_key "HKCU\\Software\\Classes\\CLSID\\$clsid"
installed_tests "$machine_folder" \
  'Installed.TheShellCreatesThePageFromTheRegisteredModule:Installed.ThePageKeepsItsSettingsForTheUser'
expect_settings_kept
msiexec /x "$(win_path "$msi")" ALLUSERS=1 || fail "msiexec /x ALLUSERS=1 exited with status $?"
expect_removed HKLM "$machine_folder" "$machine_shortcuts"
expect_settings_kept

if [ "$failures" != 0 ]; then
  echo "FAIL: $failures check(s) of the installer failed (msiexec's last log: $build/installer-msiexec.log)"
  exit 1
fi
echo "the installer passed"
