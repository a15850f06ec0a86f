#!/usr/bin/env bash
# The release as a Windows user meets it, under Wine in a prefix of its own:
# install without administrator, what the installer puts where, the program
# starting from its installed place without loading DLLs planted beside it,
# an upgrade from an older version, and a removal that leaves nothing of
# Dorvex but a .Backup association the user gave to another program.
#
#   tests/release/installer_test.sh <dist folder>   (made by scripts/release.sh)
#
# Needs a display for the program's start (scripts/test.sh provides one).
# Ends with "N passed, N failed".
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
dist=$(cd "$1" && pwd)
source "$root/scripts/lib.sh"
version=$(sed -n 's/^project(Dorvex VERSION \([0-9.]*\) .*/\1/p' "$root/CMakeLists.txt")
msi=$dist/Dorvex-$version-x64.msi

passed=0
failed=0
check() { # check <what> <command...>
  local what=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    echo "installer_test: ok: $what"
  else
    failed=$((failed + 1))
    echo "installer_test: FAILED: $what"
  fi
}

work=$(mktemp -d "${TMPDIR:-/tmp}/dorvex-installer.XXXXXX")
cleanup() {
  stop_throwaway_prefix
  rm -rf "$work"
}
trap cleanup EXIT
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
make_throwaway_prefix "$work"
keep_wine_server_up

# The default value of a key, or "<none>".
value_of() {
  wine reg query "$1" /ve 2>/dev/null | tr -d '\r' | sed -n 's/^ *(Default) *REG_SZ *//p' | grep . || echo "<none>"
}
# Until no process of the program is left: an installer cannot replace or
# remove a running executable.
end_program() {
  wine taskkill /f /im Dorvex.exe >/dev/null 2>&1
  for _ in $(seq 50); do
    pgrep -f 'Dorvex\.exe' >/dev/null || return 0
    sleep 0.2
  done
}
key_missing() { ! wine reg query "$1" >/dev/null 2>&1; }
products() { wine uninstaller --list 2>/dev/null | tr -d '\r' | grep -c '|||Dorvex$'; }
display_version() {
  wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null | tr -d '\r' |
    sed -n 's/^ *DisplayVersion *REG_SZ *//p'
}

user=${USER:-$(id -un)}
profile=$WINEPREFIX/drive_c/users/$user
installed=$profile/AppData/Local/Programs/Dorvex
start_menu="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
windows_path="C:\\users\\$user\\AppData\\Local\\Programs\\Dorvex\\Dorvex.exe"

# --- The package itself: Settings > Apps shows its icon (Wine's own list
# keeps none, so the table says it), and the executable keeps ASLR and NX.
check "the Apps entry's icon" sh -c "msiinfo export '$msi' Property | grep -q '^ARPPRODUCTICON'"
check "ASLR, high-entropy ASLR and NX" sh -c \
  "x86_64-w64-mingw32-objdump -p '$dist/Dorvex.exe' | grep -A4 DllCharacteristics | grep -q HIGH_ENTROPY_VA &&
   x86_64-w64-mingw32-objdump -p '$dist/Dorvex.exe' | grep -A4 DllCharacteristics | grep -q DYNAMIC_BASE &&
   x86_64-w64-mingw32-objdump -p '$dist/Dorvex.exe' | grep -A4 DllCharacteristics | grep -q NX_COMPAT"

# --- An older version first, then this one over it.
(cd "$dist" && wixl -a x64 -D Version=0.9.0 -D ProgramFile=Dorvex.exe -o "$work/old.msi" \
  "$root/res/installer/dorvex.wxs" 2>/dev/null)
wine msiexec /i "$work/old.msi" /qn
check "the older version installs" test "$(display_version)" = 0.9.0
wine msiexec /i "$msi" /qn
check "installing without administrator succeeds" test -f "$installed/Dorvex.exe"
check "an upgrade leaves one product" test "$(products)" = 1
check "the one product is the newer" test "$(display_version)" = "$version"
check "the installed program is the released one" cmp -s "$installed/Dorvex.exe" "$dist/Dorvex.exe"
check "a Start-menu entry" test -f "$start_menu/Dorvex.lnk"

command_value="\"$windows_path\" \"%1\""
check ".Backup names Dorvex" test "$(value_of 'HKCU\Software\Classes\.Backup')" = Dorvex
check "the type's description" test "$(value_of 'HKCU\Software\Classes\Dorvex')" = "Archive Folder"
check "the open command, quoted" test "$(value_of 'HKCU\Software\Classes\Dorvex\Shell\Open\Command')" = "$command_value"
check "the icon" test "$(value_of 'HKCU\Software\Classes\Dorvex\DefaultIcon')" = "$windows_path,1"

# --- The installed program starts, with copies of uxtheme and winspool that
# Wine would take from its folder first; they must not be loaded.
x86_64-w64-mingw32-gcc -shared -o "$work/marker.dll" "$root/tests/helpers/marker_dll.c"
cp "$work/marker.dll" "$installed/uxtheme.dll"
cp "$work/marker.dll" "$installed/winspool.drv"
# The same plant beside a program that does not guard against it shows the
# markers work.
cp "$WINEPREFIX/drive_c/windows/system32/notepad.exe" "$work/notepad.exe"
cp "$work/marker.dll" "$work/uxtheme.dll"
wine reg add 'HKCU\Software\Dorvex' /v Language /t REG_DWORD /d 0 /f >/dev/null 2>&1
(WINEDLLOVERRIDES="mscoree,mshtml=;uxtheme,winspool.drv=n,b" timeout 20 wine "$work/notepad.exe" >/dev/null 2>&1 &)
(WINEDLLOVERRIDES="mscoree,mshtml=;uxtheme,winspool.drv=n,b" timeout 20 wine "$installed/Dorvex.exe" >/dev/null 2>&1 &)
for _ in $(seq 100); do
  [[ $(value_of 'HKCR\Dorvex\Shell\Open\Command') != "<none>" && -e $work/uxtheme.dll.loaded ]] && break
  sleep 0.2
done
sleep 2
check "a planted DLL is loaded by an unguarded program (the markers work)" test -e "$work/uxtheme.dll.loaded"
check "the installed program starts and registers its type" \
  test "$(value_of 'HKCR\Dorvex\Shell\Open\Command')" = "$command_value"
check "what it registers equals what the installer wrote" \
  test "$(value_of 'HKCR\Dorvex\DefaultIcon')" = "$(value_of 'HKCU\Software\Classes\Dorvex\DefaultIcon')"
check "no planted uxtheme.dll is loaded" test ! -e "$installed/uxtheme.dll.loaded"
check "no planted winspool.drv is loaded" test ! -e "$installed/winspool.drv.loaded"
wine taskkill /f /im notepad.exe >/dev/null 2>&1
end_program
rm -f "$installed"/uxtheme.dll* "$installed"/winspool.drv*

# --- A .Backup file opened through the shell (ShellExecuteEx, as Explorer
# does) opens the Restore dialog of the installed program: an empty archive
# whose folder is c:\.
{
  printf 'BACKUP\000\001\000\000\000\000c:\\'
  head -c 1021 /dev/zero
} >"$work/empty.Backup"
(timeout 20 wine start /unix "$work/empty.Backup" >/dev/null 2>&1 &)
shown=no
for _ in $(seq 75); do
  if xwininfo -root -tree 2>/dev/null | grep -q '"Restore"'; then
    shown=yes
    break
  fi
  sleep 0.2
done
check "a .Backup opened through the shell shows the Restore dialog" test "$shown" = yes
end_program

# --- The same version installed again repairs what was lost.
rm -f "$installed/Dorvex.exe"
wine msiexec /i "$msi" /qn
check "installing the same version again repairs it" cmp -s "$installed/Dorvex.exe" "$dist/Dorvex.exe"
check "and leaves one product" test "$(products)" = 1

# --- Removal, after the user gave .Backup to another program.
wine reg add 'HKCU\Software\Classes\.Backup' /ve /d txtfile /f >/dev/null 2>&1
wine msiexec /x "$msi" /qn
check "no product is left" test "$(products)" = 0
check "the install folder is gone" test ! -e "$installed"
check "the Start-menu entry is gone" test ! -e "$start_menu/Dorvex.lnk"
check "the user's own .Backup association is kept" test "$(value_of 'HKCU\Software\Classes\.Backup')" = txtfile
check "no Dorvex type in the user's classes" key_missing 'HKCU\Software\Classes\Dorvex'
check "no HKCU\\Software\\Dorvex" key_missing 'HKCU\Software\Dorvex'
check "no Dorvex type under HKEY_CLASSES_ROOT" key_missing 'HKCR\Dorvex'
check "no .Backup of Dorvex under HKEY_CLASSES_ROOT" test "$(value_of 'HKCR\.Backup')" != Dorvex

# --- Installed again and removed with .Backup still Dorvex's: it goes too.
wine msiexec /i "$msi" /qn
wine msiexec /x "$msi" /qn
check "a .Backup that still names Dorvex is removed" key_missing 'HKCU\Software\Classes\.Backup'

echo "$passed passed, $failed failed"
((failed == 0))
