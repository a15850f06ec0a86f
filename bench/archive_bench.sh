#!/usr/bin/env bash
# Times Dorvex's Backup and Restore All (the real commands, their dialogs
# answered by the user simulation) beside GNU tar creating and extracting an
# archive of the same data, on 2,000 files of 16 KiB and on 4 files of
# 64 MiB, and prints the times, the ratios and the peak memory of Dorvex.
#
#   bench/archive_bench.sh
#
# BUILD_DIR (default: build/) is the build folder; RUNS (default 3) the
# number of runs per figure, of which the median is shown. A display and a
# Wine prefix of the run's own are made unless DISPLAY and WINEPREFIX are
# set; whatever it starts it stops again.
set -euo pipefail

runs=${RUNS:-3}
say() { echo "archive_bench.sh: $*" >&2; }

source "$(dirname "${BASH_SOURCE[0]}")/bench_env.sh" archive_bench_driver

# --- The data: each set in the Desktop of a profile of its own, which is
# where the main window opens.
say "making the data"
mkdir -p "$work/small/Desktop" "$work/large/Desktop"
head -c $((2000 * 16384)) /dev/urandom | split -b 16384 -a 4 -d - "$work/small/Desktop/file_"
for i in 1 2 3 4; do head -c $((64 << 20)) /dev/urandom >"$work/large/Desktop/big_$i.bin"; done

seconds_of() {
  local start end
  start=$(date +%s.%N)
  "$@"
  end=$(date +%s.%N)
  echo "$end - $start" | bc -l
}
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# One run of each tool on one set; fills the arrays named after the figures.
run_tar() {
  local set=$1
  rm -rf "$work/out" && mkdir -p "$work/out/extracted"
  tar_create+=("$(seconds_of tar -cf "$work/out/$set.tar" -C "$work/$set/Desktop" .)")
  tar_extract+=("$(seconds_of tar -xf "$work/out/$set.tar" -C "$work/out/extracted")")
}
run_dorvex() {
  local set=$1
  rm -rf "$work/out" && mkdir -p "$work/out/restored"
  rm -f "$work/result.txt"
  # Inside Wine's virtual desktop: with no window manager on the display,
  # Wine waits for one whenever a window closes.
  wine explorer /desktop="archive-bench-$$,1280x1024" "$driver" "$(winepath -w "$work/$set")" \
    "$(winepath -w "$work/out/$set.Backup")" "$(winepath -w "$work/out/restored")" \
    "$(winepath -w "$work/result.txt")" </dev/null >"$work/driver.log" 2>&1 || true
  [[ -s $work/result.txt ]] || { cat "$work/driver.log" >&2; say "the driver failed"; exit 1; }
  tr -d '\r' <"$work/result.txt" >"$work/result.unix"
  value() { sed -n "s/^$1=//p" "$work/result.unix"; }
  dorvex_backup+=("$(value backup_seconds)")
  dorvex_restore+=("$(value restore_seconds)")
  dorvex_peak+=("$(value peak_working_set_kib)")
  # Byte for byte, every run.
  diff -r "$work/$set/Desktop" "$work/out/restored" >/dev/null || { say "$set: restored files differ"; exit 1; }
}

declare -A figures
for set in small large; do
  tar_create=() tar_extract=() dorvex_backup=() dorvex_restore=() dorvex_peak=()
  for ((run = 1; run <= runs; run++)); do
    say "$set: run $run of $runs"
    cat "$work/$set/Desktop"/* >/dev/null  # the same warm cache for both tools
    run_tar "$set"
    run_dorvex "$set"
    say "  tar -c ${tar_create[-1]} s, tar -x ${tar_extract[-1]} s, Backup ${dorvex_backup[-1]} s, Restore All ${dorvex_restore[-1]} s"
  done
  figures[$set.tar_create]=$(median "${tar_create[@]}")
  figures[$set.tar_extract]=$(median "${tar_extract[@]}")
  figures[$set.backup]=$(median "${dorvex_backup[@]}")
  figures[$set.restore]=$(median "${dorvex_restore[@]}")
  figures[$set.peak]=$(printf '%s\n' "${dorvex_peak[@]}" | sort -n | tail -n1)
done

label() { [[ $1 == small ]] && echo "2,000 files of 16 KiB" || echo "4 files of 64 MiB"; }
echo
printf '%-22s %-26s %9s %9s %7s\n' "data" "operation" "tar s" "Dorvex s" "ratio"
for set in small large; do
  for pair in "create:backup:Backup (tar -c)" "extract:restore:Restore All (tar -x)"; do
    IFS=: read -r tar_key dorvex_key name <<<"$pair"
    t=${figures[$set.tar_$tar_key]}
    d=${figures[$set.$dorvex_key]}
    printf '%-22s %-26s %9.3f %9.3f %6.2fx\n' "$(label "$set")" "$name" "$t" "$d" "$(echo "$d / $t" | bc -l)"
  done
done
echo
printf '%-22s %s\n' "data" "Dorvex peak working set (whole process, both commands)"
for set in small large; do
  printf '%-22s %s KiB\n' "$(label "$set")" "${figures[$set.peak]}"
done
echo "(median of $runs runs; Dorvex times are from the confirmed save dialog to the summary message)"
