#!/usr/bin/env bash
# Drives the Windows setup program (make package-windows) under Wine, in a fresh prefix: an
# earlier version installed silently and this one over it; the files, the Start-menu shortcut and
# the entry in the installed-programs list; the board started from the shortcut, mailing from its
# folder; the refusal to install while the board is open; the silent uninstall. Run under
# xvfb-run. Exit 77 (skipped) when the setup program is not built, or, after the checks that need
# no Wine, when no 32-bit Wine can run here (scripts/wine-way.sh decides).
#
# usage: windows-installer.sh SOURCE_DIR WINDOWS_BUILD PACKAGE_DIR VERSION
set -euo pipefail
source_dir=$1
windows_build=$2
setup="$3/poterinko-$4-setup.exe"
zip="$3/poterinko-$4-win32.zip"
version=$4
[ -f "$setup" ] && [ -f "$zip" ] || {
  echo "windows-installer: skipped, $setup is not built (make package-windows builds it)"
  exit 77
}
# shellcheck source=program-window.sh
source "$(dirname "$0")/program-window.sh"
work=$(mktemp -d)
export WINEPREFIX="$work/prefix"
cleanup() {
  local status=$?
  stop_program || true
  wineserver -k 2>/dev/null || true
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT
fail() { echo "windows-installer: $*" >&2; exit 1; }

kind=$(file -b "$setup")
[[ $kind == "PE32 executable (GUI) Intel 80386"* ]] || fail "$setup is not a 32-bit Windows program: $kind"
grep -qa 'requestedExecutionLevel level="asInvoker"' "$setup" ||
  fail "the setup program asks for more than the rights of the user who starts it"
# Its check that the 32-bit Wine starts makes the fresh prefix.
use_32_bit_wine "$source_dir" "windows-installer: the setup program is built; installing it skipped"
wine() { "$wine_loader" "$@"; }
windows_path() { wine cmd /c echo "%$1%" | tr -d '\r'; }
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\poterinko'
# The entry as the registry holds it (reg query would print it in the console's code page):
# read_entry exports it, value NAME prints one value's text, or the hex digits of a number.
read_entry() {
  : >"$work/entry"
  wine reg export "$key" "$work/entry.reg" /y >/dev/null 2>&1 || return 0
  iconv -f UTF-16 -t UTF-8 "$work/entry.reg" | tr -d '\r' >"$work/entry"
}
value() { sed -n "s/^\"$1\"=//p" "$work/entry" | sed 's/^"\(.*\)"$/\1/; s/^dword://; s/\\\(.\)/\1/g'; }
listing() { (cd "$1" && ls | LC_ALL=C sort | tr '\n' ' '); }

# The earlier version: this zip with one file more, which this version no longer ships.
mkdir "$work/zip"
(cd "$work/zip" && cmake -E tar xf "$zip" && echo "earlier notes" >"poterinko-$version-win32/HISTORY.txt" &&
  cmake -E tar cf "$work/earlier.zip" --format=zip "poterinko-$version-win32")
cmake -DZIP="$work/earlier.zip" -DVERSION=0.0.1 -DICON="$windows_build/platform/win32/icon/poterinko.ico" \
      -DPUBLISHER=earlier -DCOPYRIGHT=earlier -DABOUT_URL=earlier -DOUTPUT="$work/earlier-setup.exe" \
      -P "$source_dir/packaging/WindowsInstaller.cmake" >"$work/pack.log" 2>&1 ||
  fail "making the earlier setup program failed: $(cat "$work/pack.log")"
wine "$work/earlier-setup.exe" /S || fail "the earlier version's silent install failed (exit $?)"
folder_win="$(windows_path LOCALAPPDATA)\\Programs\\poterinko"
folder=$(wine winepath -u "$folder_win")
read_entry
[ "$(value DisplayVersion)" = 0.0.1 ] && [ -f "$folder/HISTORY.txt" ] ||
  fail "the earlier version is not installed in $folder: $(ls "$folder" 2>&1)"
echo "the user's own notes" >"$folder/my-notes.txt"

wine "$setup" /S || fail "the silent install over the earlier version failed (exit $?)"
read_entry
installed="THIRD_PARTY_LICENSES.txt my-notes.txt poterinko-gallery.exe poterinko.exe uninstall.exe "
[ "$(listing "$folder")" = "$installed" ] || fail "$folder holds $(listing "$folder"), not $installed"
for file in poterinko.exe poterinko-gallery.exe THIRD_PARTY_LICENSES.txt; do
  cmp -s "$work/zip/poterinko-$version-win32/$file" "$folder/$file" || fail "$file is not the zip's"
done
while read -r name expected; do
  [ "$(value "$name")" = "$expected" ] || fail "the uninstall entry's $name is '$(value "$name")', not '$expected'"
done <<EOF
DisplayName ぽてりんこ
DisplayVersion $version
DisplayIcon $folder_win\\poterinko.exe,0
InstallLocation $folder_win
UninstallString "$folder_win\\uninstall.exe"
QuietUninstallString "$folder_win\\uninstall.exe" /S
EOF
[ -n "$(value Publisher)" ] || fail "the uninstall entry names no publisher"
size_kb=$(($(cd "$folder" && cat poterinko.exe poterinko-gallery.exe THIRD_PARTY_LICENSES.txt | wc -c) / 1024))
estimated_kb=$((16#$(value EstimatedSize)))
((estimated_kb >= size_kb && estimated_kb <= size_kb + 3)) ||
  fail "the uninstall entry's size is $estimated_kb KB; the files take $size_kb KB"
shortcut="$(wine winepath -u "$(windows_path APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs")/ぽてりんこ.lnk"
strings -el "$shortcut" | grep -qF "$folder_win\\poterinko.exe" ||
  fail "no Start-menu shortcut to $folder_win\\poterinko.exe: $(strings -el "$shortcut" 2>&1)"

# The board from the shortcut; start returns at once, the prefix's server runs while the board
# does. Without Simple MAPI the mail command keeps its attachment in the program folder until its
# notice is closed.
wine reg add 'HKLM\Software\Microsoft\Windows Messaging Subsystem' /v MAPI /d 0 /f >/dev/null
start_program "$work/board.log" sh -c '"$1" start /unix "$2" && wineserver -w' sh "$wine_loader" "$shortcut"
window=$(wait_for_window '^ぽてりんこ' "$work/board.log") || fail "the installed board showed no window"
xdotool mousemove --window "$window" 300 250 click 1 key ctrl+m
attachment=
for _ in $(seq 100); do
  attachment=$(cd "$folder" && ls | grep -E '^[0-9]{12}\.jpg$' || true)
  [ -n "$attachment" ] && break
  sleep 0.1
done
[ -n "$attachment" ] || fail "the mail command wrote no attachment into $folder"
file -b "$folder/$attachment" | grep -q '^JPEG image data.*652x593' || fail "$attachment is no board picture"

status=0
wine "$setup" /S || status=$?
((status != 0)) || fail "the setup program installed while the board was open"
read_entry
[ "$(listing "$folder")" = "$attachment $installed" ] && [ "$(value DisplayVersion)" = "$version" ] ||
  fail "the refused install changed the installed board: $(listing "$folder")"

xdotool key Return
for _ in $(seq 100); do [ -f "$folder/$attachment" ] || break; sleep 0.1; done
[ ! -f "$folder/$attachment" ] || fail "the mail command left its attachment in $folder"
stop_program
wineserver -k

# The uninstaller goes on from a copy of itself; the prefix's server ends after it.
wine "$folder/uninstall.exe" /S || fail "the silent uninstall failed (exit $?)"
wineserver -w
[ "$(listing "$folder")" = "my-notes.txt " ] || fail "after the uninstall $folder holds $(listing "$folder")"
[ ! -e "$shortcut" ] || fail "the uninstall left the Start-menu shortcut"
read_entry
[ ! -s "$work/entry" ] || fail "the uninstall left the entry in the installed-programs list"
echo "windows-installer: installs over an earlier version, the board mails from its folder, refuses while open, uninstalls"
