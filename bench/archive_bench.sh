#!/usr/bin/env bash
# Times Dorvex's Backup and Restore All (the real commands, their dialogs
# answered by the user simulation), their platform floor (floor_driver: the
# same Win32 file calls in a bare loop, run on the same data right before
# each command and right after it, counted with the mean of the two, which
# cancels a steady drift of the machine's speed and a cache that one side
# warms for the other) and GNU tar creating and
# extracting an archive of the same data, on 2,000 files of 16 KiB and on 4
# files of 64 MiB; prints the times, the ratios and Dorvex's peak memory, and
# the time per file at 2,000 and at SCALE_FILES files of 16 KiB. Dorvex's
# time is given whole (from the confirmed save dialog to the summary) and for
# its run over the files alone (from the first name its progress window
# shows to the window's closing, or to the summary's making where that comes
# first), which is what the floor does.
#
#   bench/archive_bench.sh
#
# BUILD_DIR (default: build/) is the build folder; RUNS (default 3) the
# number of runs per figure (three times as many for the large files), of
# which the median is shown; SETS (default "small large") the data sets, of
# those two; SCALE_FILES (default 20000, 0 for none) the file count of the
# scale row, run once. A display and a Wine prefix of the run's
# own are made unless DISPLAY and WINEPREFIX are set; whatever it starts it
# stops again.
set -euo pipefail

runs=${RUNS:-3}
scale=${SCALE_FILES:-20000}
say() { echo "archive_bench.sh: $*" >&2; }

source "$(dirname "${BASH_SOURCE[0]}")/bench_env.sh" archive_bench_driver
cmake --build "$build_dir" -j2 --target floor_driver >/dev/null

# --- The data: each set in the Desktop of a profile of its own, which is
# where the main window opens.
say "making the data"
make_small() {  # <set> <count>
  mkdir -p "$work/$1/Desktop"
  head -c $(($2 * 16384)) /dev/urandom | split -b 16384 -a 5 -d - "$work/$1/Desktop/file_"
}
sets=${SETS:-small large}
make_small small 2000
if [[ $sets == *large* ]]; then
  mkdir -p "$work/large/Desktop"
  for i in 1 2 3 4; do head -c $((64 << 20)) /dev/urandom >"$work/large/Desktop/big_$i.bin"; done
fi
if ((scale > 0)); then
  make_small scale "$scale"
  sets+=" scale"
fi

seconds_of() {
  local start end
  start=$(date +%s.%N)
  "$@"
  end=$(date +%s.%N)
  echo "$end - $start" | bc -l
}
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
fastest() { printf '%s\n' "$@" | sort -g | head -n1; }
ratio() { echo "$1 / $2" | bc -l; }

# One run of each tool on one set; fills the arrays named after the figures.
run_tar() {
  local set=$1
  rm -rf "$work/out" && mkdir -p "$work/out/extracted"
  tar_create+=("$(seconds_of tar -cf "$work/out/$set.tar" -C "$work/$set/Desktop" .)")
  tar_extract+=("$(seconds_of tar -xf "$work/out/$set.tar" -C "$work/out/extracted")")
}
run_dorvex() {  # <set>
  local set=$1
  rm -rf "$work/out" && mkdir -p "$work/out/restored" "$work/out/floor"
  : >"$work/result.unix"
  # Each command in a program of its own, as a user restores in a later
  # session; inside Wine's virtual desktop: with no window manager on the
  # display, Wine waits for one whenever a window closes.
  for command in backup restore; do
    rm -f "$work/result.txt"
    wine explorer /desktop="archive-bench-$$,1280x1024" "$driver" "$command" "$(winepath -w "$work/$set")" \
      "$(winepath -w "$work/out/$set.Backup")" "$(winepath -w "$work/out/restored")" \
      "$(winepath -w "$work/result.txt")" "$(winepath -w "$work/out/floor.Backup")" \
      "$(winepath -w "$work/out/floor")" </dev/null >"$work/driver.log" 2>&1 || true
    [[ -s $work/result.txt ]] || { cat "$work/driver.log" >&2; say "the driver failed ($command)"; exit 1; }
    tr -d '\r' <"$work/result.txt" >>"$work/result.unix"
  done
  value() { sed -n "s/^$1=//p" "$work/result.unix"; }
  dorvex_backup+=("$(value backup_seconds)")
  dorvex_restore+=("$(value restore_seconds)")
  floor_backup+=("$(value backup_floor_seconds)")
  floor_restore+=("$(value restore_floor_seconds)")
  run_backup+=("$(value backup_run_seconds)")
  run_restore+=("$(value restore_run_seconds)")
  # Each run's own ratios: the command and its floor ran one right beside the
  # other, so the load of the machine weighs on both alike.
  over_backup+=("$(ratio "${run_backup[-1]}" "${floor_backup[-1]}")")
  over_restore+=("$(ratio "${run_restore[-1]}" "${floor_restore[-1]}")")
  whole_backup+=("$(ratio "${dorvex_backup[-1]}" "${floor_backup[-1]}")")
  whole_restore+=("$(ratio "${dorvex_restore[-1]}" "${floor_restore[-1]}")")
  safe_floor_backup+=("$(value backup_safe_floor_seconds)")
  safe_floor_restore+=("$(value restore_safe_floor_seconds)")
  safe_backup+=("$(ratio "${run_backup[-1]}" "${safe_floor_backup[-1]}")")
  safe_restore+=("$(ratio "${run_restore[-1]}" "${safe_floor_restore[-1]}")")
  dorvex_peak+=("$(value backup_peak_working_set_kib)" "$(value restore_peak_working_set_kib)")
  # Byte for byte, every run, both of them.
  for out in restored floor; do
    if ! diff -rq "$work/$set/Desktop" "$work/out/$out" >"$work/differences"; then
      say "$set: $out files differ from the originals ($(wc -l <"$work/differences") differences):"
      head -n5 "$work/differences" >&2
      cat "$work/driver.log" >&2
      exit 1
    fi
  done
}

declare -A figures
for set in $sets; do
  set_runs=$runs
  [[ $set == scale ]] && set_runs=1
  # Their runs are short, so that one slow moment of the page cache moves a
  # ratio most; they are also cheap to repeat.
  [[ $set == large ]] && set_runs=$((3 * runs))
  tar_create=() tar_extract=() dorvex_backup=() dorvex_restore=() floor_backup=() floor_restore=() dorvex_peak=()
  run_backup=() run_restore=() over_backup=() over_restore=() whole_backup=() whole_restore=()
  safe_backup=() safe_restore=() safe_floor_backup=() safe_floor_restore=()
  for ((run = 1; run <= set_runs; run++)); do
    say "$set: run $run of $set_runs"
    cat "$work/$set/Desktop"/* >/dev/null  # the same warm cache for every tool
    run_tar "$set"
    run_dorvex "$set"
    say "  Backup ${dorvex_backup[-1]} s (run ${run_backup[-1]} s, floor ${floor_backup[-1]} s," \
      "safe floor ${safe_floor_backup[-1]} s, tar -c ${tar_create[-1]} s), Restore All ${dorvex_restore[-1]} s" \
      "(run ${run_restore[-1]} s, floor ${floor_restore[-1]} s, safe floor ${safe_floor_restore[-1]} s," \
      "tar -x ${tar_extract[-1]} s)"
  done
  figures[$set.backup.tar]=$(median "${tar_create[@]}")
  figures[$set.restore.tar]=$(median "${tar_extract[@]}")
  for figure in dorvex floor run over whole safe; do
    declare -n backups=${figure}_backup restores=${figure}_restore
    figures[$set.backup.$figure]=$(median "${backups[@]}")
    figures[$set.restore.$figure]=$(median "${restores[@]}")
    figures[$set.backup.$figure.fastest]=$(fastest "${backups[@]}")
    figures[$set.restore.$figure.fastest]=$(fastest "${restores[@]}")
    unset -n backups restores
  done
  figures[$set.peak]=$(printf '%s\n' "${dorvex_peak[@]}" | sort -n | tail -n1)
done

label() {
  case $1 in
    small) echo "2,000 x 16 KiB" ;;
    large) echo "4 x 64 MiB" ;;
    scale) echo "$scale x 16 KiB" ;;
  esac
}
echo
printf '%-16s %-12s %9s %9s %9s %9s %10s %10s %10s\n' "data" "command" "Dorvex s" "run s" "floor s" "tar s" \
  "run/floor" "Dvx/floor" "Dvx/tar"
for set in $sets; do
  for command in backup restore; do
    d=${figures[$set.$command.dorvex]} r=${figures[$set.$command.run]} f=${figures[$set.$command.floor]}
    t=${figures[$set.$command.tar]}
    name=Backup && [[ $command == restore ]] && name="Restore All"
    printf '%-16s %-12s %9.3f %9.3f %9.3f %9.3f %9.2fx %9.2fx %9.2fx\n' "$(label "$set")" "$name" "$d" "$r" "$f" \
      "$t" "${figures[$set.$command.over]}" "${figures[$set.$command.whole]}" "$(ratio "$d" "$t")"
  done
done
# Large writes into memory now and then take several times as long, for
# whichever tool makes them (tar too): the fastest run of each side is what
# is left when nothing got in the way.
echo
echo "Fastest of the runs, each side's own:"
printf '%-16s %-12s %9s %9s %10s\n' "data" "command" "run s" "floor s" "run/floor"
for set in ${sets/scale/}; do
  for command in backup restore; do
    r=${figures[$set.$command.run.fastest]} f=${figures[$set.$command.floor.fastest]}
    name=Backup && [[ $command == restore ]] && name="Restore All"
    printf '%-16s %-12s %9.3f %9.3f %9.2fx\n' "$(label "$set")" "$name" "$r" "$f" "$(ratio "$r" "$f")"
  done
done
if [[ $sets == *scale* ]]; then
  echo
  printf 'Time per file, 2,000 -> %s files of 16 KiB (ms; growth = per-file time at %s / at 2,000):\n' "$scale" "$scale"
  printf '%-12s %8s %8s %8s   %8s %8s %8s\n' "command" "run" "" "growth" "floor" "" "growth"
  for command in backup restore; do
    d2=$(echo "${figures[small.$command.run]} * 1000 / 2000" | bc -l)
    ds=$(echo "${figures[scale.$command.run]} * 1000 / $scale" | bc -l)
    f2=$(echo "${figures[small.$command.floor]} * 1000 / 2000" | bc -l)
    fs=$(echo "${figures[scale.$command.floor]} * 1000 / $scale" | bc -l)
    name=Backup && [[ $command == restore ]] && name="Restore All"
    printf '%-12s %8.3f %8.3f %7.2fx   %8.3f %8.3f %7.2fx\n' "$name" "$d2" "$ds" "$(ratio "$ds" "$d2")" \
      "$f2" "$fs" "$(ratio "$fs" "$f2")"
  done
fi
echo
printf '%-16s %s\n' "data" "Dorvex peak working set (whole process, the larger of the two commands)"
for set in $sets; do
  printf '%-16s %s KiB\n' "$(label "$set")" "${figures[$set.peak]}"
done
echo
for set in $sets; do
  for command in backup restore; do
    row=$command && [[ $command == restore ]] && row=restore-all
    case $set in small) row+=-16KiB ;; large) row+=-64MiB ;; scale) row+=-$scale ;; esac
    echo "bench-ratio $row run/floor=$(printf '%.2f' "${figures[$set.$command.over]}")" \
      "whole/floor=$(printf '%.2f' "${figures[$set.$command.whole]}")" \
      "run/safe-floor=$(printf '%.2f' "${figures[$set.$command.safe]}")"
  done
done
echo "(times and ratios to the floor: medians of $runs runs ($((3 * runs)) for the large files) and of each run's own"
echo "ratios; the scale row one run."
echo "Dorvex: from the confirmed save dialog to the summary message; run: from the first name its progress"
echo "window shows to its closing or the summary's making, whichever comes first; floor: the bare loop of the same"
echo "Win32 file calls, timed right before each command and right after it, the mean of the two)"
