# Sourced by the Wine scripts: the project's own 32-bit Wine prefix and a quiet, prompt-free Wine.
# mscoree/mshtml disabled: no offer to download Mono or Gecko; winemenubuilder disabled: no
# desktop entries written into the home folder.
poterinko_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$poterinko_root/build/windows/wineprefix}"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
