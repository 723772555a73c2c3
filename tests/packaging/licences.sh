#!/usr/bin/env bash
# THIRD_PARTY_LICENSES must be what the generator makes from this machine's Debian copyright
# files: a library or compiler update that changes a licence shows up here.
# usage: licences.sh GENERATOR THIRD_PARTY_LICENSES   (exit 77: skipped)
set -uo pipefail
generated=$(mktemp)
trap 'rm -f "$generated"' EXIT
"$1" >"$generated"
case $? in
  0) ;;
  3) echo "licences: skipped, a copyright file of a Windows library or compiler is not installed" \
          "(scripts/install-windows-deps.sh installs them)"; exit 77 ;;
  *) echo "licences: $1 failed" >&2; exit 1 ;;
esac
diff -u "$2" "$generated" >&2 ||
  { echo "licences: THIRD_PARTY_LICENSES is out of date; regenerate it with $1" >&2; exit 1; }
