#!/usr/bin/env bash
# The one way the project's scripts install Debian packages:
#   apt-install.sh [--arch ARCH] PACKAGE...
# Installs whichever PACKAGE (NAME or NAME:ARCH) is not installed yet, as root or through sudo.
#
# Package mirrors are sometimes in the middle of a sync, and then one index or another cannot be
# fetched for a while. So the index is updated at most once per run (build/apt-update.stamp
# remembers the update and the apt configuration it was made for), a failed update is tried
# again a few times, and when an index still cannot be fetched the install goes on with the
# indexes that were. Only when a package cannot be installed from those does it fail, naming the
# package and apt's reason.
#
# --arch ARCH: the packages need the foreign architecture ARCH. It is added when missing, and
# removed again when the install fails while no package of ARCH is installed: a failed attempt
# leaves apt as it was found, so later updates do not trip over that architecture's indexes.
#
# Exit status: 0 when every package is installed, 1 when one could not be, 2 on wrong usage.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
stamp="$root/build/apt-update.stamp"
stamp_minutes=360 # how long one update serves: longer than any run of the project's scripts

say() { echo "apt-install: $*" >&2; }

arch=""
packages=()
while [ $# -gt 0 ]; do
  case "$1" in
    --arch) arch="${2:?apt-install: --arch needs an architecture}"; shift 2 ;;
    -*) say "unknown option '$1' (usage: apt-install.sh [--arch ARCH] PACKAGE...)"; exit 2 ;;
    *) packages+=("$1"); shift ;;
  esac
done
[ ${#packages[@]} -gt 0 ] || { say "no package named (usage: apt-install.sh [--arch ARCH] PACKAGE...)"; exit 2; }

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
missing=()
for p in "${packages[@]}"; do installed "$p" || missing+=("$p"); done
[ ${#missing[@]} -eq 0 ] && exit 0

command -v apt-get >/dev/null || { say "needs apt-get (Debian or Ubuntu) to install ${missing[*]}"; exit 1; }
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { say "need root or sudo to install ${missing[*]}"; exit 1; }
  sudo="sudo"
fi
apt_get() { DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 "$@"; }

# What the index depends on: the architectures and every source entry.
configuration() {
  {
    dpkg --print-architecture
    dpkg --print-foreign-architectures
    cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null || true
  } | sha256sum | cut -d' ' -f1
}
# The stamp: the configuration updated for, then what could not be fetched then.
remember_update() {
  mkdir -p "$(dirname "$stamp")" && printf '%s\n%s\n' "$(configuration)" "$index_trouble" >"$stamp"
}
updated_this_run() {
  [ -f "$stamp" ] && [ "$(head -n 1 "$stamp")" = "$(configuration)" ] &&
    [ -n "$(find "$stamp" -mmin -"$stamp_minutes")" ]
}

# Takes an architecture added by this run away again, unless the install succeeded or left some
# package of it behind; also when the run is interrupted.
added_arch=0
index_trouble=""
take_back_arch() {
  local status=$?
  [ $added_arch -eq 1 ] && [ $status -ne 0 ] || return 0
  if dpkg-query -W -f='${Package}:${Architecture}\n' 2>/dev/null | grep -q ":$arch\$"; then
    say "keeping the $arch architecture: some of its packages are installed"
  else
    say "removing the $arch architecture again: none of its packages could be installed"
    $sudo dpkg --remove-architecture "$arch"
    # The native indexes fetched in this run still serve the configuration as it was found.
    remember_update
  fi
}
trap take_back_arch EXIT
if [ -n "$arch" ] && [ "$arch" != "$(dpkg --print-architecture)" ] &&
   ! dpkg --print-foreign-architectures | grep -qx "$arch"; then
  say "adding the $arch architecture"
  $sudo dpkg --add-architecture "$arch"
  added_arch=1
fi

if updated_this_run; then
  index_trouble="$(sed -n 2p "$stamp")"
else
  index_trouble="$($sudo "$root/scripts/apt-update.sh" -o DPkg::Lock::Timeout=600)"
  remember_update
fi

# Why apt cannot install one package, from a dry run (which needs no lock): its own unmet
# dependencies, else the first ones apt lists, and apt's error lines.
reason_for() {
  apt-get install -s --no-install-recommends "$1" 2>&1 | awk -v package="$1" '
    / : / { own = index($0, " " package " : ") == 1; if (own) found = 1 }
    / (Depends|PreDepends|Conflicts|Breaks): / { sub(/^ *[^ ]* : /, ""); sub(/^ */, "")
      if (own) mine = mine "; " $0; else if (n++ < 2) others = others "; " $0 }
    /^E: / && !/held broken packages|generated breaks/ { errors = errors "; " substr($0, 4) }
    END { text = (found ? mine : others) errors; print substr(text, 3) }' || true
}

say "installing ${missing[*]}"
if apt_get install -y --no-install-recommends "${missing[@]}"; then
  exit 0
fi

blamed=0
for p in "${missing[@]}"; do
  why="$(reason_for "$p")"
  [ -n "$why" ] || continue
  say "cannot install $p: $why${index_trouble:+ (not fetched: $index_trouble)}"
  blamed=1
done
[ $blamed -eq 1 ] || say "cannot install ${missing[*]}: apt-get install failed (its messages are above)"

exit 1
