# Sourced by the benchmark scripts: builds the named driver and gives the run
# a work folder, a display and a Wine prefix of its own unless DISPLAY and
# WINEPREFIX are set. Whatever it starts, the exit trap stops again.
#
#   source bench/bench_env.sh <driver-target>
#
# Sets: root, build_dir, driver, work (in /dev/shm when it has 4 GiB free).

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${BUILD_DIR:-$root/build}
source "$root/scripts/lib.sh"

cmake -S "$root" -B "$build_dir" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build_dir" -j2 --target "$1" >/dev/null
driver=$build_dir/bench/$1.exe

# In memory when there is room (TMPDIR decides otherwise): on a disk, the
# writeback of what an earlier run wrote, not either side's own work, decides
# the figures of the large files.
work_root=/tmp
if [[ -n ${TMPDIR:-} ]]; then
  work_root=$TMPDIR
elif [[ -w /dev/shm ]] && (($(df --output=avail -k /dev/shm | tail -1) >= 4 * 1024 * 1024)); then
  work_root=/dev/shm
fi
work=$(mktemp -d "$work_root/$1.XXXXXX")
bench_cleanup() {
  local status=$?
  set +e
  stop_throwaway_prefix
  stop_virtual_display
  rm -rf "$work"
  exit "$status"
}
trap bench_cleanup EXIT
trap 'exit 130' INT TERM

start_virtual_display "$work" 1280x1024x24 || exit 1
export LANG=C.UTF-8
if [[ -z ${WINEPREFIX:-} ]]; then
  make_throwaway_prefix "$work"
  keep_wine_server_up
fi
