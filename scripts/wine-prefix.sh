#!/usr/bin/env bash
# Creates the project's Wine prefix (build/windows/wineprefix; build/windows64/wineprefix for
# POTERINKO_WINE_ARCH=x86_64) without any prompt, and puts the IPA Gothic fonts (IPAPGothic, the
# stand-in for the program's proportional Gothic, and its fixed-pitch sister IPAGothic) into its
# Fonts folder: a fresh prefix has no Japanese font, and
# the text engine on Windows looks for fonts in the system Fonts folder (C:\windows\Fonts).
# Idempotent and cheap once done; safe when several test programs start it at once.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
# Everything this prints goes to stderr: test discovery reads the program's stdout after it.
exec 1>&2

font_dir=/usr/share/fonts/opentype/ipafont-gothic
fonts=(ipagp.ttf ipag.ttf)
fonts_dir="$WINEPREFIX/drive_c/windows/Fonts"
stamp="$WINEPREFIX/.poterinko-ready"
# Two settings of the prefix's registry (checked in the files Wine writes them to):
# - no window manager runs under Xvfb, and Wine waits up to 2 seconds for one whenever it hides a
#   window it would leave to a manager: with unmanaged windows Wine draws the frames itself and
#   a test of a window or dialog takes milliseconds instead of seconds;
# - Wine's own interface font (Tahoma: captions, menus, message boxes) has no Japanese
#   characters: link it to IPAPGothic, as a Japanese system's fonts would show them.
settings_ready() {
  grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null &&
    grep -q '"Tahoma"=str(7):"ipagp.ttf,IPAPGothic' "$WINEPREFIX/system.reg" 2>/dev/null
}
ready() {
  [ -f "$stamp" ] || return 1
  for f in "${fonts[@]}"; do [ -f "$fonts_dir/$f" ] || return 1; done
  settings_ready
}
ready && exit 0

for f in "${fonts[@]}"; do
  [ -f "$font_dir/$f" ] || { echo "wine-prefix: $font_dir/$f missing (package fonts-ipafont-gothic)"; exit 1; }
done
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
if [ ! -f "$stamp" ]; then
  echo "wine-prefix: creating $WINEPREFIX"
  # wineboot needs no display for a prefix; it only warns. wineserver -w waits until the
  # prefix is written completely.
  "$wine_loader" wineboot -i
  wineserver -w
  touch "$stamp"
fi
mkdir -p "$fonts_dir"
for f in "${fonts[@]}"; do cp -f "$font_dir/$f" "$fonts_dir/$f"; done
if ! settings_ready; then
  "$wine_loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  "$wine_loader" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
    /v Tahoma /t REG_MULTI_SZ /d 'ipagp.ttf,IPAPGothic' /f >/dev/null 2>&1
fi
