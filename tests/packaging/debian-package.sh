#!/usr/bin/env bash
# Builds the Debian package with the build's CPack configuration, unpacks it into a scratch root
# and checks what a desktop finds there: the control fields, the programs, the menu entry with
# its icon at every theme size, the metadata, the manual page and the licences; that lintian
# finds no error; that the installed program answers --version; and that its window carries
# the class the menu entry names (run under xvfb-run, without a window manager). The programs of
# a package for another processor run under the emulator that POTERINKO_EMULATOR names.
#
# usage: debian-package.sh CPACK_CONFIG VERSION ARCHITECTURE THIRD_PARTY_LICENSES
set -euo pipefail
config=$1
version=$2
architecture=$3
licences=$4
read -ra emulator <<<"${POTERINKO_EMULATOR:-}"
# shellcheck source=program-window.sh
source "$(dirname "$0")/program-window.sh"
work=$(mktemp -d)
cleanup() { local status=$?; stop_program; rm -rf "$work"; exit "$status"; }
trap cleanup EXIT
fail() { echo "debian-package: $*" >&2; exit 1; }

cpack --config "$config" -B "$work/out" >"$work/cpack.log" 2>&1 || fail "cpack failed: $(cat "$work/cpack.log")"
deb="$work/out/poterinko_${version}_${architecture}.deb"
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(ls "$work/out")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package) $(field Version) $(field Architecture)" = "poterinko $version $architecture" ] ||
  fail "control says $(field Package) $(field Version) $(field Architecture)"
depends=$(field Depends)
for dependency in fonts-ipafont-gothic xdg-utils libgtk-3-0 libjpeg62-turbo libfreetype6 libc6; do
  grep -qE "(^|, )$dependency( |,|$)" <<<"$depends" || fail "Depends lacks $dependency: $depends"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
share="$root/usr/share"
for file in usr/bin/poterinko usr/bin/poterinko-gallery usr/share/man/man1/poterinko.1.gz \
            usr/share/doc/poterinko/copyright usr/share/doc/poterinko/changelog.gz; do
  [ -s "$root/$file" ] || fail "$file is missing"
done
cmp -s "$licences" "$share/doc/poterinko/THIRD_PARTY_LICENSES" ||
  fail "usr/share/doc/poterinko/THIRD_PARTY_LICENSES is not the repository's"

desktop="$share/applications/poterinko.desktop"
[ -f "$desktop" ] || fail "no menu entry usr/share/applications/poterinko.desktop"
desktop-file-validate "$desktop" || fail "the menu entry is not valid"
key() { sed -n "s/^$1=//p" "$desktop"; }
[ -x "$root/usr/bin/$(key Exec)" ] || fail "the menu entry starts '$(key Exec)', not an installed program"
for size in 16 24 32 48 64 128 256; do
  icon="$share/icons/hicolor/${size}x${size}/apps/$(key Icon).png"
  [ -f "$icon" ] || fail "no ${size}px icon named '$(key Icon)'"
  # The PNG header's width and height, 4 bytes each, big-endian, from byte 16.
  read -r w1 w2 w3 w4 h1 h2 h3 h4 < <(od -An -tu1 -j16 -N8 "$icon")
  [ $((w1 << 24 | w2 << 16 | w3 << 8 | w4))x$((h1 << 24 | h2 << 16 | h3 << 8 | h4)) = "${size}x${size}" ] ||
    fail "the ${size}px icon is not ${size}x${size}"
done

metainfo=("$share"/metainfo/*.metainfo.xml)
[ -f "${metainfo[0]}" ] || fail "no AppStream metadata in usr/share/metainfo"
appstreamcli validate --no-net "${metainfo[0]}" >"$work/appstream.log" 2>&1 ||
  fail "the AppStream metadata is not valid: $(cat "$work/appstream.log")"
grep -q '<launchable type="desktop-id">poterinko.desktop</launchable>' "${metainfo[0]}" ||
  fail "the AppStream metadata does not launch poterinko.desktop"

lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 || fail "lintian: $(cat "$work/lintian.log")"

said=$("${emulator[@]}" "$root/usr/bin/poterinko" --version || true)
[ "$said" = "poterinko $version" ] || fail "the installed program says '$said' to --version"

# The docks group windows with their menu entry by the window's class.
export GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1
start_program "$work/board.log" "${emulator[@]}" "$root/usr/bin/poterinko"
window=$(wait_for_window '^ぽてりんこ' "$work/board.log") ||
  fail "the installed poterinko showed no window"
class=$(xprop -id "$window" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p')
[ "$class" = "$(key StartupWMClass)" ] ||
  fail "the window's class is '$class', the menu entry's StartupWMClass '$(key StartupWMClass)'"
echo "debian-package: $(basename "$deb") installs and starts with window class $class; Depends: $depends"
