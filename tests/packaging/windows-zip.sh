#!/usr/bin/env bash
# Packs the Windows zip from the windows preset's programs, unpacks it into a scratch folder,
# checks its contents and starts the board from there under Wine until its window shows.
# Run under xvfb-run. Exit 77 (skipped) when the Windows programs are not built, or, after the
# zip's checks, when no 32-bit Wine can run here (scripts/wine-way.sh decides, as for
# make test-windows).
#
# usage: windows-zip.sh SOURCE_DIR WINDOWS_BUILD VERSION
set -euo pipefail
source_dir=$1
windows_build=$2
version=$3
for program in app/poterinko.exe tools/gallery/poterinko-gallery.exe; do
  [ -f "$windows_build/$program" ] || {
    echo "windows-zip: skipped, $windows_build/$program is not built (make test-windows builds it)"
    exit 77
  }
done
# shellcheck source=program-window.sh
source "$(dirname "$0")/program-window.sh"
work=$(mktemp -d)
# After the board, the server of the project's own Wine prefix, which it started.
cleanup() { local status=$?; stop_program && wineserver -k 2>/dev/null; rm -rf "$work"; exit "$status"; }
trap cleanup EXIT
fail() { echo "windows-zip: $*" >&2; exit 1; }

name="poterinko-$version-win32"
cmake -DVERSION="$version" -DWINDOWS_BUILD="$windows_build" -DSOURCE_DIR="$source_dir/packaging" \
      -DLICENCES="$source_dir/THIRD_PARTY_LICENSES" -DOUTPUT_DIR="$work" \
      -P "$source_dir/packaging/WindowsZip.cmake" >"$work/pack.log" 2>&1 ||
  fail "packing failed: $(cat "$work/pack.log")"
[ -f "$work/$name.zip" ] || fail "no $name.zip: $(ls "$work")"

mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$work/$name.zip")
folder="$work/unpacked/$name"
expected="README.txt THIRD_PARTY_LICENSES.txt poterinko-gallery.exe poterinko.exe"
[ "$(cd "$folder" && ls | sort | tr '\n' ' ')" = "$expected " ] ||
  fail "the zip's folder holds $(cd "$folder" && ls | tr '\n' ' '), not $expected"
for program in poterinko.exe poterinko-gallery.exe; do
  sections=$(i686-w64-mingw32-objdump -h "$folder/$program") || fail "$program is not a Windows program"
  ! grep -q ' \.debug_' <<<"$sections" || fail "$program still carries its debug information"
done
# The licences with Windows line ends, otherwise unchanged; the readme in both languages.
[ "$(tr -d '\r' <"$folder/THIRD_PARTY_LICENSES.txt" | md5sum)" = "$(md5sum <"$source_dir/THIRD_PARTY_LICENSES")" ] ||
  fail "THIRD_PARTY_LICENSES.txt is not the repository's licences"
[ "$(grep -c $'\r$' "$folder/README.txt")" = "$(wc -l <"$folder/README.txt")" ] ||
  fail "README.txt has lines without Windows line ends"
for text in "$version" '日本語' 'English'; do
  grep -q "$text" "$folder/README.txt" || fail "README.txt lacks '$text'"
done

use_32_bit_wine "$source_dir" "windows-zip: the zip is sound; starting it skipped"
start_program "$work/board.log" env -C "$folder" "$wine_loader" ./poterinko.exe
wait_for_window '^ぽてりんこ' "$work/board.log" >/dev/null ||
  fail "poterinko.exe from the unpacked zip showed no window"
echo "windows-zip: $name.zip unpacks and its poterinko.exe opens the board under Wine"
