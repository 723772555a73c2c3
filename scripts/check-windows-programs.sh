#!/usr/bin/env bash
# Checks the shipped 32-bit Windows programs without running them: each is a PE32 GUI program for
# Intel 80386 and imports nothing but the system's own DLLs (the runtime and every third-party
# library are linked in), so the lone .exe runs on any Windows.
#   check-windows-programs.sh BUILD_DIR     (the build folder of the windows preset)
set -euo pipefail
build="${1:?usage: check-windows-programs.sh BUILD_DIR}"
system_dlls=" advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll
  oleaut32.dll shell32.dll shlwapi.dll user32.dll uxtheme.dll version.dll winmm.dll ws2_32.dll "
status=0
for program in "$build/app/poterinko.exe" "$build/tools/gallery/poterinko-gallery.exe"; do
  kind="$(file -b "$program")"
  case "$kind" in
    "PE32 executable (GUI) Intel 80386"*) ;;
    *) echo "check-windows-programs: $program is not a 32-bit GUI program: $kind" >&2; status=1 ;;
  esac
  imports="$(i686-w64-mingw32-objdump -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p')"
  for dll in $imports; do
    lower="$(echo "$dll" | tr '[:upper:]' '[:lower:]')"
    case "$system_dlls" in
      *" $lower "*) ;;
      *) echo "check-windows-programs: $program imports $dll, which Windows does not provide" >&2; status=1 ;;
    esac
  done
  echo "check-windows-programs: $(basename "$program"): $kind; imports $(echo $imports)"
done
exit $status
