#!/usr/bin/env bash
# The main window in big folders: start-up (from Dorvex.exe's start to its
# filled, idle window), and one Set Upper Case of one
# file (from the click to the refilled, idle window), in folders of 2,000,
# 20,000 and 100,000 files, each beside its floor, the same folder listed
# once into the same three lists by the platform's own calls in a bare
# window. Its floor for N files is the same command at 2,000 files plus one
# listing of the N: what is left above it grows with the folder, not with
# the work. Prints the medians, the peak working set, and one line per row:
#   bench-ratio <row> run/floor=<x> whole/floor=<y> run/safe-floor=<z>
# (no run is timed apart and no safety floor applies here: run is the whole
# command, and run/safe-floor is "-").
#
#   bench/refill_bench.sh
#
# BUILD_DIR (default: build/) is the build folder; RUNS (default 3) the
# number of runs, of which the median is shown; COUNTS (default
# "2000 20000 100000") the folder sizes.
set -euo pipefail

runs=${RUNS:-3}
counts=${COUNTS:-2000 20000 100000}
say() { echo "refill_bench.sh: $*" >&2; }

source "$(dirname "${BASH_SOURCE[0]}")/bench_env.sh" refill_bench_driver
cmake --build "$build_dir" -j2 --target Dorvex >/dev/null

median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ratio() { echo "scale=2; $1 / $2" | bc -l | sed 's/^\./0./'; }

declare -A samples
for count in $counts; do
  rm -rf "$work/profile" && mkdir -p "$work/profile/Desktop"
  (cd "$work/profile/Desktop" && seq -f 'photo_%06g.txt' 1 "$count" | xargs touch)
  for ((run = 1; run <= runs; run++)); do
    # The renamed file gets its name back, so that every run sees the same folder.
    mv "$work/profile/Desktop/PHOTO_000001.TXT" "$work/profile/Desktop/photo_000001.txt" 2>/dev/null || true
    # Inside Wine's virtual desktop: with no window manager on the display,
    # Wine would wait two seconds for one whenever a window closes.
    wine explorer /desktop="refill-bench-$$,1280x1024" "$driver" "$(winepath -w "$work/profile")" \
      "$(winepath -w "$work/driver.out")" </dev/null >"$work/driver.err" 2>&1 || true
    [[ -s $work/driver.out ]] || { cat "$work/driver.err" >&2; say "the driver failed"; exit 1; }
    tr -d '\r' <"$work/driver.out" >"$work/driver.txt"
    rm -f "$work/driver.out"
    value() { sed -n "s/^$1=//p" "$work/driver.txt"; }
    [[ $(value listed_files) == "$count" ]] || { say "Dorvex listed $(value listed_files) of $count files"; exit 1; }
    for key in start command floor peak; do
      name=${key}_seconds
      [[ $key == peak ]] && name=peak_mib
      samples[$count.$key]+="$(value $name) "
    done
    say "$count files, run $run: start $(value start_seconds) s, command $(value command_seconds) s," \
      "listing floor $(value floor_seconds) s, peak $(value peak_mib) MiB"
  done
done

echo
printf '%-8s %10s %12s %14s %10s\n' files start-up command listing-floor peak-MiB
for count in $counts; do
  for key in start command floor peak; do
    # shellcheck disable=SC2086
    declare "m_$key=$(median ${samples[$count.$key]})"
  done
  declare "start_$count=$m_start" "command_$count=$m_command" "floor_$count=$m_floor"
  printf '%-8s %10s %12s %14s %10s\n' "$count" "$m_start" "$m_command" "$m_floor" "$m_peak"
done

echo
base=${counts%% *}
for count in $counts; do
  command=command_$count floor=floor_$count base_command=command_$base
  sum=$(echo "${!base_command} + ${!floor}" | bc -l)
  r=$(ratio "${!command}" "$sum")
  echo "bench-ratio refill-$count run/floor=$r whole/floor=$r run/safe-floor=-"
done
last=${counts##* }
start=start_$last floor=floor_$last base_start=start_$base
sum=$(echo "${!base_start} + ${!floor}" | bc -l)
r=$(ratio "${!start}" "$sum")
echo "bench-ratio startup-$last run/floor=$r whole/floor=$r run/safe-floor=-"
