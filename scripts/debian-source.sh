#!/usr/bin/env bash
# Unpacks the source of a Debian package into DEST (a stable path, whatever the version):
#   debian-source.sh NAME DEST
# The sources come from the same archives the machine installs from, through apt with a
# configuration of the project's own in build/debian-sources: the source entries, their indexes
# and apt's cache live there, so the machine's own apt set-up is left as it was and its updates
# fetch no source indexes. Those indexes are updated once, and again only when a package cannot
# be found in them. The newest version comes first; where its files cannot be fetched
# (security-archive sources are not always reachable through a mirror), the newest older version
# that can.
set -euo pipefail
name="${1:?usage: debian-source.sh NAME DEST}"
dest="${2:?usage: debian-source.sh NAME DEST}"
[ -d "$dest" ] && exit 0
root="$(cd "$(dirname "$0")/.." && pwd)"
own="$root/build/debian-sources"
say() { echo "debian-source: $*" >&2; }

# The machine's binary entries as source entries. Debian 12 keeps its archives as deb822
# stanzas; older systems as one-line entries in sources.list.
write_source_entries() {
  local parts=/etc/apt/sources.list.d stanzas=()
  mkdir -p "$own/sources.list.d"
  for f in "$parts"/*.sources; do [ -f "$f" ] && stanzas+=("$f"); done
  if [ ${#stanzas[@]} -gt 0 ]; then
    awk 'BEGIN { RS = ""; ORS = "\n\n" }
         /(^|\n)Types:[^\n]*deb([ \n]|$)/ && !/(^|\n)Enabled: *no/ {
           sub(/Types:[^\n]*/, "Types: deb-src"); print }' "${stanzas[@]}" \
      >"$own/sources.list.d/debian-src.sources"
  fi
  sed -n 's/^deb \(.*\)$/deb-src \1/p' /etc/apt/sources.list "$parts"/*.list 2>/dev/null \
    >"$own/sources.list" || true
  [ -s "$own/sources.list" ] || [ -s "$own/sources.list.d/debian-src.sources" ] ||
    { say "no Debian archive configured in /etc/apt"; exit 1; }
}

apt_options=(
  -o Dir::Etc::SourceList="$own/sources.list" -o Dir::Etc::SourceParts="$own/sources.list.d"
  -o Dir::State::Lists="$own/lists" -o Dir::Cache="$own/cache"
)
# apt fetches as its own user where it may write; as root it otherwise warns and goes on.
for_apt() { mkdir -p "$@" && if [ "$(id -u)" -eq 0 ] && id _apt >/dev/null 2>&1; then chown _apt "$@"; fi; }

versions_of() { apt-cache "${apt_options[@]}" showsrc "$name" 2>/dev/null | sed -n 's/^Version: //p' | sort -u -r -V; }
mapfile -t versions < <(versions_of)
if [ ${#versions[@]} -eq 0 ]; then
  write_source_entries
  mkdir -p "$own/cache"
  for_apt "$own/lists/partial"
  say "updating the source package index in $own"
  trouble="$("$root/scripts/apt-update.sh" "${apt_options[@]}")"
  mapfile -t versions < <(versions_of)
  [ ${#versions[@]} -gt 0 ] || { say "no source package $name${trouble:+ (not fetched: $trouble)}"; exit 1; }
fi

fetch="$(dirname "$dest")/.fetch-$name"
for version in "${versions[@]}" failed; do
  [ "$version" = failed ] && { say "no version of $name could be fetched"; exit 1; }
  rm -rf "$fetch"
  for_apt "$fetch"
  (cd "$fetch" && apt-get "${apt_options[@]}" source --quiet "$name=$version") && break
done
[ "$version" = "${versions[0]}" ] || say "$name: using $version, the newest version whose sources could be fetched"
dir="$(find "$fetch" -mindepth 1 -maxdepth 1 -type d | head -n 1)"
[ -n "$dir" ] || { say "apt-get source $name unpacked nothing"; exit 1; }
mv "$dir" "$dest"
rm -rf "$fetch"
