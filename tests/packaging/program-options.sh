#!/usr/bin/env bash
# The board's command line, without a display: what each invocation prints and its exit status.
# usage: program-options.sh POTERINKO VERSION
set -uo pipefail
board=$1
version=$2
unset DISPLAY WAYLAND_DISPLAY
export LC_ALL=C.UTF-8  # GLib words its usage and errors in the user's language
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
failed=0

# Text that must match, or "-" for nothing at all.
matches() { if [ "$1" = - ]; then [ -z "$2" ]; else grep -qE -- "$1" <<<"$2"; fi; }

# arguments | exit status | stdout | stderr
cases=(
  "--version|0|^poterinko ${version//./\\.}\$|-"
  "--help|0|--version|-"
  "-h|0|Usage:|-"
  "--help-gtk|0|--display=DISPLAY|-"
  "--bogus|2|-|Unknown option --bogus"
  "--version --bogus|2|-|Unknown option --bogus"
  "extra|2|-|unexpected argument 'extra'"
  "--display|2|-|--display"
)
for entry in "${cases[@]}"; do
  IFS='|' read -r arguments status out err <<<"$entry"
  # shellcheck disable=SC2086  # the arguments are words
  stdout=$("$board" $arguments 2>"$errors")
  actual=$?
  stderr=$(cat "$errors")
  problems=()
  [ "$actual" = "$status" ] || problems+=("exit status $actual, not $status")
  matches "$out" "$stdout" || problems+=("stdout does not match '$out'")
  matches "$err" "$stderr" || problems+=("stderr does not match '$err'")
  if [ ${#problems[@]} -gt 0 ]; then
    printf 'poterinko %s: %s\nstdout: %s\nstderr: %s\n' "$arguments" "${problems[*]}" \
      "$stdout" "$stderr" >&2
    failed=1
  fi
done
exit $failed
