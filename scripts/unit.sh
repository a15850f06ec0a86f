#!/usr/bin/env bash
# The unit tests alone, for the edit-test loop: builds them and runs them in a
# throwaway Wine prefix, with no display, printer or FAT disk.
#
#   scripts/unit.sh [gtest filter, e.g. 'TextCase.*']
#
# BUILD_DIR (default: build/) chooses the build folder.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/lib.sh"
build_dir=$(realpath -m "${BUILD_DIR:-$root/build}")

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build_dir" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build_dir" --target dorvex_unit_tests -j2

work=$(mktemp -d "${TMPDIR:-/tmp}/dorvex-unit.XXXXXX")
cleanup() {
  local status=$?
  stop_throwaway_prefix
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

export LANG=C.UTF-8
unset LC_ALL
make_throwaway_prefix "$work"
# The tests make their scratch folders in the current directory.
cd "$work"
wine "$build_dir/tests/dorvex_unit_tests.exe" --gtest_brief=1 ${1:+"--gtest_filter=$1"}
