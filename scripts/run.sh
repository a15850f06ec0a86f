#!/usr/bin/env bash
# Installs what is missing, builds Dorvex and starts it in your Wine prefix
# (WINEPREFIX, else ~/.wine). Arguments go to the program (the path of a
# .Backup archive opens it at start-up).
#
# Without a display it starts a virtual one, runs the program inside Wine's
# virtual desktop, saves a screenshot (DORVEX_SCREENSHOT, default
# ./dorvex-screenshot.png) and leaves the program running.
#
# BUILD_DIR (default: build/) chooses the build folder.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/lib.sh"
build_dir=${BUILD_DIR:-$root/build}
screenshot=$(realpath -m "${DORVEX_SCREENSHOT:-dorvex-screenshot.png}")
say() { echo "run.sh: $*"; }

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build_dir" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build_dir" -j2 --target Dorvex
exe=$build_dir/Dorvex.exe

export WINEPREFIX=${WINEPREFIX:-$HOME/.wine}
if [[ ! -d $WINEPREFIX ]]; then
  say "creating the Wine prefix $WINEPREFIX"
  wineboot -i >/dev/null 2>&1
fi
install_wine_fonts

if [[ -n ${DISPLAY:-} ]]; then
  say "starting $exe in $WINEPREFIX"
  exec wine "$exe" "$@"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/dorvex-run.XXXXXX")
# Detached from this script's terminal and output, as the program is: both
# stay up after the script ends.
start_virtual_display "$work" 1024x768x24 detached || exit 1
say "there is no display: started a virtual one, $DISPLAY (Xvfb, process $virtual_display_pid)"

# Nobody can answer the first-start language question here: take English,
# as the question's default does. The system menu changes it later.
if ! wine reg query 'HKCU\Software\Dorvex' /v Language >/dev/null 2>&1; then
  wine reg add 'HKCU\Software\Dorvex' /v Language /t REG_DWORD /d 0 /f >/dev/null 2>&1
  say "no language chosen yet in this prefix: chose English"
fi

# Wine's virtual desktop draws the frames and captions that a bare X server
# lacks.
setsid wine explorer /desktop=dorvex,1024x768 "$exe" "$@" >"$work/wine.log" 2>&1 </dev/null &
wine_pid=$!

# The window is there once the empty desktop has changed and two screenshots
# in a row agree.
shot=$(mktemp "${TMPDIR:-/tmp}/dorvex-shot.XXXXXX.png")
previous=
for _ in $(seq 120); do
  sleep 0.5
  import -display "$DISPLAY" -window root "$shot" 2>/dev/null || continue
  colours=$(identify -format '%k' "$shot" 2>/dev/null || echo 1)
  current=$(md5sum <"$shot")
  if ((colours > 1)) && [[ $current == "$previous" ]]; then
    break
  fi
  previous=$current
done
mv "$shot" "$screenshot"
chmod 644 "$screenshot"
say "screenshot of the running program: $screenshot"
say "Dorvex runs on the virtual display $DISPLAY (process $wine_pid)."
say "To stop it: close its window (Exit), or: WINEPREFIX=$WINEPREFIX wineserver -k"
say "then stop the virtual display: kill $virtual_display_pid"
