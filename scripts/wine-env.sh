# Sourced by the Wine scripts: the project's own Wine prefix for POTERINKO_WINE_ARCH (i686, the
# default: a 32-bit prefix run by the 32-bit loader; x86_64: a 64-bit prefix run by wine64), and
# a quiet, prompt-free Wine. mscoree/mshtml disabled: no offer to download Mono or Gecko;
# winemenubuilder disabled: no desktop entries written into the home folder.
poterinko_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
case "${POTERINKO_WINE_ARCH:=i686}" in
  i686)
    export WINEPREFIX="${WINEPREFIX:-$poterinko_root/build/windows/wineprefix}"
    export WINEARCH=win32
    wine_loader=/usr/lib/wine/wine
    ;;
  x86_64)
    export WINEPREFIX="${WINEPREFIX:-$poterinko_root/build/windows64/wineprefix}"
    export WINEARCH=win64
    wine_loader=/usr/lib/wine/wine64
    ;;
  *)
    echo "wine-env: unknown architecture '$POTERINKO_WINE_ARCH' (i686 or x86_64)" >&2
    return 2
    ;;
esac
# Wine starts its own helper programs with WINELOADER: the same loader as the program's.
export POTERINKO_WINE_ARCH WINELOADER="$wine_loader"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
