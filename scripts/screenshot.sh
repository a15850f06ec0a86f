#!/bin/bash
# Screenshot of one dialog template (shown by DorvexPreview.exe) or of the
# program's main window, taken inside Wine's virtual desktop, which draws the
# window frames and captions that a bare X server leaves out.
#
#   scripts/screenshot.sh <build-dir> <template-id|main> <out.png> [language 0-3] [-- program arguments]
#
# "main" runs <build-dir>/Dorvex.exe after storing the language (default 0)
# as HKCU\Software\Dorvex "Language", so that no first-start dialog appears.
# The picture is cropped to the program's windows.
#
# Uses the caller's WINEPREFIX and DISPLAY. Without a DISPLAY it starts its
# own Xvfb on a free display and stops it again afterwards.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

usage() {
  echo "usage: $0 <build-dir> <template-id|main> <out.png> [language 0-3] [-- program arguments]" >&2
  exit 2
}

(($# >= 3)) || usage
build_dir=$1
target=$2
out=$3
shift 3
language=0
if (($# > 0)) && [[ $1 != -- ]]; then
  language=$1
  shift
fi
program_arguments=()
if (($# > 0)); then
  [[ $1 == -- ]] || usage
  shift
  program_arguments=("$@")
fi
[[ $language =~ ^[0-3]$ ]] || usage

if [[ $target == main ]]; then
  program=$build_dir/Dorvex.exe
  args=("${program_arguments[@]}")
elif [[ $target =~ ^[0-9]+$ ]]; then
  program=$build_dir/DorvexPreview.exe
  args=("$target")
else
  usage
fi
[[ -f $program ]] || { echo "$0: $program does not exist" >&2; exit 1; }
program_class=$(basename "$program" | tr '[:upper:]' '[:lower:]')


desktop=shot-$$
launcher_pid=
stored_language=
work=$(mktemp -d)

alive() { [[ -n $1 ]] && kill -0 "$1" 2>/dev/null; }

# Waits up to $2 tenths of a second for process $1 to end.
wait_for_end() {
  local i
  for ((i = 0; i < $2; i++)); do
    alive "$1" || return 0
    sleep 0.1
  done
  return 1
}

desktop_window() {
  xwininfo -root -children 2>/dev/null |
    awk -v name="\"$desktop - Wine desktop\":" 'index($0, name) { print $1; exit }'
}

# The program's top-level windows that are shown: id and absolute geometry.
program_windows() {
  local desk=$1 id
  xwininfo -id "$desk" -children 2>/dev/null |
    awk -v class="(\"$program_class\"" 'index($0, class) && !/"Default IME"/ { print $1 }' |
    while read -r id; do
      xwininfo -id "$id" 2>/dev/null | awk '
        /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /Width:/ { w = $NF } /Height:/ { h = $NF } /Map State:/ { state = $NF }
        END { if (state == "IsViewable" && w > 1 && h > 1) print x, y, w, h }' |
        sed "s/^/$id /"
    done
}

window_pid() {
  xprop -id "$1" _NET_WM_PID 2>/dev/null | awk '/=/ { print $NF }'
}

cleanup() {
  set +e
  local desk id pid
  desk=$(desktop_window)
  if [[ -n $desk ]]; then
    # The program first: the desktop closes by itself once it has no windows.
    for id in $(program_windows "$desk" | awk '{ print $1 }'); do
      pid=$(window_pid "$id")
      alive "$pid" && kill "$pid" 2>/dev/null || true
    done
    pid=$(window_pid "$desk")
    if alive "$pid" && ! wait_for_end "$pid" 50; then kill "$pid" 2>/dev/null || true; fi
  fi
  if alive "$launcher_pid" && ! wait_for_end "$launcher_pid" 50; then kill "$launcher_pid" 2>/dev/null || true; fi
  if [[ $target == main ]]; then
    if [[ -n $stored_language ]]; then
      wine reg add 'HKCU\Software\Dorvex' /v Language /t REG_DWORD /d "$((stored_language))" /f >/dev/null 2>&1
    else
      wine reg delete 'HKCU\Software\Dorvex' /v Language /f >/dev/null 2>&1
    fi
  fi
  stop_virtual_display
  rm -rf "$work"
}
trap cleanup EXIT

# The screen is larger than the Wine desktop so that the pointer, which
# starts in the middle of the screen, hovers over no button.
start_virtual_display "$work" 1600x1200x24 || exit 1

if [[ $target == main ]]; then
  # The caller's own setting comes back when the picture is taken.
  stored_language=$(wine reg query 'HKCU\Software\Dorvex' /v Language 2>/dev/null |
    awk '$1 == "Language" { print $3 }' | tr -d '\r' || true)
  wine reg add 'HKCU\Software\Dorvex' /v Language /t REG_DWORD /d "$language" /f >/dev/null 2>&1
fi

wine explorer /desktop="$desktop",1024x768 "$program" "${args[@]}" >/dev/null 2>&1 &
launcher_pid=$!

# A fresh prefix can take a while to come up; a shown window is repainted
# until two captures in a row agree.
geometry=
previous=
for ((i = 0; i < 600; i++)); do
  sleep 0.1
  desk=$(desktop_window || true)
  [[ -n $desk ]] || continue
  windows=$(program_windows "$desk" || true)
  [[ -n $windows ]] || continue
  geometry=$(awk 'NR == 1 { l = $2; t = $3; r = $2 + $4; b = $3 + $5 }
                  { if ($2 < l) l = $2; if ($3 < t) t = $3
                    if ($2 + $4 > r) r = $2 + $4; if ($3 + $5 > b) b = $3 + $5 }
                  END { printf "%dx%d+%d+%d", r - l, b - t, l, t }' <<<"$windows")
  sleep 0.5
  import -window root -crop "$geometry" +repage "$work/shot.png" || continue
  current=$(md5sum <"$work/shot.png")
  if [[ $current == "$previous" ]]; then
    cp "$work/shot.png" "$out"
    exit 0
  fi
  previous=$current
done

echo "$0: no window of $program_class appeared" >&2
exit 1
