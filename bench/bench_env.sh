# Sourced by the benchmark scripts: builds the named driver and gives the run
# a work folder, a display and a Wine prefix of its own unless DISPLAY and
# WINEPREFIX are set. Whatever it starts, the exit trap stops again.
#
#   source bench/bench_env.sh <driver-target>
#
# Sets: root, build_dir, driver, work.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${BUILD_DIR:-$root/build}

cmake -S "$root" -B "$build_dir" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build_dir" -j2 --target "$1" >/dev/null
driver=$build_dir/bench/$1.exe

work=$(mktemp -d "${TMPDIR:-/tmp}/$1.XXXXXX")
bench_xvfb_pid=
bench_own_prefix=
bench_cleanup() {
  local status=$?
  set +e
  [[ -n $bench_own_prefix ]] && { wineserver -k 2>/dev/null; wineserver -w 2>/dev/null; }
  [[ -n $bench_xvfb_pid ]] && { kill "$bench_xvfb_pid" 2>/dev/null; wait "$bench_xvfb_pid" 2>/dev/null; }
  rm -rf "$work"
  exit "$status"
}
trap bench_cleanup EXIT
trap 'exit 130' INT TERM

if [[ -z ${DISPLAY:-} ]]; then
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
  bench_xvfb_pid=$!
  for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
  export DISPLAY=:$(head -n1 "$work/display")
fi
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=C.UTF-8
if [[ -z ${WINEPREFIX:-} ]]; then
  export WINEPREFIX=$work/prefix
  bench_own_prefix=yes
  wineboot -i >/dev/null 2>&1
  wineserver -p 2>/dev/null || true  # keeps one server up for the whole run
fi
