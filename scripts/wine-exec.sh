#!/bin/sh
# ctest runs every test executable through this script. It runs only inside
# the throwaway Wine prefix and display that scripts/test.sh sets up, so that
# no test ever writes into a real user's registry.
fail() {
  echo "wine-exec.sh: $*" >&2
  echo "wine-exec.sh: run the tests with scripts/test.sh" >&2
  exit 125
}

[ -n "${WINEPREFIX:-}" ] || fail "WINEPREFIX is not set"
prefix=$(realpath -m "$WINEPREFIX")
[ -n "${HOME:-}" ] && [ "$prefix" = "$(realpath -m "$HOME/.wine")" ] &&
  fail "refusing to run tests in the user's own prefix $WINEPREFIX"
[ -d "$prefix" ] || fail "the prefix $WINEPREFIX does not exist"
[ -n "${DISPLAY:-}" ] || fail "DISPLAY is not set"

export WINEDEBUG="${WINEDEBUG:--all}"
exec wine "$@"
