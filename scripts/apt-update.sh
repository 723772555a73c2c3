#!/usr/bin/env bash
# Updates a package index (apt-get [OPTION...] update), trying again a few times when a fetch
# fails: package mirrors are sometimes in the middle of a sync. Then it goes on with the indexes
# that were fetched: apt's messages go to stderr, and stdout gets one line saying what could not
# be fetched, or nothing when everything was. The exit status is 0 either way; an install from an
# index that is missing fails later, and says so then.
#   apt-update.sh [APT-GET OPTION...]
set -uo pipefail
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
trouble=""
for wait in 5 15 0; do
  DEBIAN_FRONTEND=noninteractive apt-get "$@" update 2>&1 | tee "$log" >&2 &&
    ! grep -q '^E: ' "$log" && exit 0
  # "Err:6 URL suite/main i386 Packages" and the line after it, which says why.
  trouble="$(awk '/^Err:/ { sub(/^Err:[0-9]* /, ""); index_name = $0; getline; sub(/^ */, "")
                            printf "%s%s: %s", separator, index_name, $0; separator = "; " }' "$log")"
  [ -n "$trouble" ] || trouble="$(grep '^E: ' "$log" | head -n 2 | paste -sd' ')"
  [ "$wait" -eq 0 ] && break
  echo "apt-update: updating the package index failed; trying again in $wait seconds" >&2
  sleep "$wait"
done
echo "apt-update: some package indexes could not be fetched; going on with those that were" >&2
echo "$trouble"
