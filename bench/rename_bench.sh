#!/usr/bin/env bash
# Times Dorvex's Set Upper Case, Set Lower Case, Substitute (photo ->
# picture), Enumerate (defaults) and Delete on a fresh folder of 2,000 files,
# each with its platform floor right beside it (floor_driver: the same Win32
# file calls in a bare loop, on two identical folders, one right before the
# command and one right after it, counted with the mean of the two, which
# cancels a steady drift of the machine's speed and a cache that one side
# warms for the other), beside Debian's Perl rename tool (and rm) doing
# the same on a third identical folder; prints the times and the ratios, and
# the time per file at 2,000 and at SCALE_FILES files, and at the end one
# line per row: bench-ratio <row> run/floor=<x> whole/floor=<y>
# run/safe-floor=<z>. Dorvex's time is given whole (from the click to its
# idle window, the lists refilled) and for its run over the files alone
# (from the first name its progress window shows to the window's closing or
# the lists' refill, whichever comes first), which is what the floor does.
#
#   bench/rename_bench.sh
#
# BUILD_DIR (default: build/) is the build folder; RUNS (default 3) the
# number of runs, of which the median is shown; SCALE_FILES (default 20000,
# 0 for none) the file count of the scale row, run once. A display and a
# Wine prefix of the run's own are made unless DISPLAY and WINEPREFIX are
# set; whatever it starts it stops again.
set -euo pipefail

runs=${RUNS:-3}
scale=${SCALE_FILES:-20000}
say() { echo "rename_bench.sh: $*" >&2; }
command -v rename >/dev/null || { say "needs Debian's rename package (apt-get install rename)"; exit 1; }

source "$(dirname "${BASH_SOURCE[0]}")/bench_env.sh" rename_bench_driver
cmake --build "$build_dir" -j2 --target floor_driver >/dev/null

commands="upper_case lower_case substitute enumerate delete"
label() {
  case $1 in
    upper_case) echo "Set Upper Case" ;;
    lower_case) echo "Set Lower Case" ;;
    substitute) echo "Substitute" ;;
    enumerate) echo "Enumerate" ;;
    delete) echo "Delete" ;;
  esac
}
seconds_of() { local start end; start=$(date +%s.%N); "$@"; end=$(date +%s.%N); echo "$end - $start" | bc -l; }
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# One run on <count> files: Dorvex and the floor through the driver, then
# the Perl tool; appends each figure to the list named <count>.<command>.<tool>.
declare -A samples
run_once() {  # <count>
  local count=$1 i name
  rm -rf "$work/run" && mkdir -p "$work/run/template"
  # Lower-case names, so that the list box order and the shell's order agree.
  for ((i = 0; i < count; i++)); do
    printf -v name 'photo_%05d.txt' "$i"
    printf 'content of %s\n' "$name" >"$work/run/template/$name"
  done
  mkdir -p "$work/run/dorvex"
  cp -a "$work/run/template" "$work/run/dorvex/Desktop"
  cp -a "$work/run/template" "$work/run/floor"
  cp -a "$work/run/template" "$work/run/floor-before"
  cp -a "$work/run/template" "$work/run/perl"

  # Inside Wine's virtual desktop: with no window manager on the display,
  # Wine would wait two seconds for one whenever a window closes.
  wine explorer /desktop="rename-bench-$$,1280x1024" "$driver" "$(winepath -w "$work/run/dorvex")" \
    "$(winepath -w "$work/run/driver.out")" "$(winepath -w "$work/run/floor")" \
    "$(winepath -w "$work/run/floor-before")" \
    </dev/null >"$work/run/driver.err" 2>&1 || true
  [[ -s $work/run/driver.out ]] || { cat "$work/run/driver.err" >&2; say "the driver failed"; exit 1; }
  tr -d '\r' <"$work/run/driver.out" >"$work/run/driver.txt"
  value() { sed -n "s/^$1=//p" "$work/run/driver.txt"; }
  [[ $(value listed_files) == "$count" ]] || { say "Dorvex listed $(value listed_files) of $count files"; exit 1; }
  [[ -z $(value mismatch) ]] || { say "after $(value mismatch) Dorvex and the floor left different names"; exit 1; }
  say "$count files: $(for c in $commands; do printf '%s %s s (run %s s, floor %s s)  ' "$c" \
    "$(value "${c}_seconds")" "$(value "${c}_run_seconds")" "$(value "${c}_floor_seconds")"; done)"

  (
    cd "$work/run/perl"
    export LC_ALL=C
    seconds_of rename 's/(.*)/\U$1/' * >"$work/run/perl.upper_case"
    seconds_of rename 's/(.*)/\L$1/' * >"$work/run/perl.lower_case"
    seconds_of rename 's/photo/picture/i' * >"$work/run/perl.substitute"
    seconds_of rename 'our $n; $_ = sprintf("NewFile%04d.jpg", $n++)' * >"$work/run/perl.enumerate"
    ls >"$work/run/perl.names"
    seconds_of rm -f -- * >"$work/run/perl.delete"
  )
  # The Perl tool numbered the same files the same way as Dorvex did.
  # In the same order as ls: past 10,000 the numbers no longer sort as text.
  for ((i = 0; i < count; i++)); do printf 'NewFile%04d.jpg\n' "$i"; done | LC_ALL=C sort >"$work/run/expected.names"
  diff -q "$work/run/expected.names" "$work/run/perl.names" >/dev/null || { say "Perl's names differ"; exit 1; }

  local command
  for command in $commands; do
    samples[$count.$command.dorvex]+=" $(value "${command}_seconds")"
    samples[$count.$command.floor]+=" $(value "${command}_floor_seconds")"
    samples[$count.$command.run]+=" $(value "${command}_run_seconds")"
    # Each run's own ratios: the command and its floor ran one right beside
    # the other, so the load of the machine weighs on both alike.
    samples[$count.$command.over]+=" $(echo "$(value "${command}_run_seconds") / $(value "${command}_floor_seconds")" | bc -l)"
    samples[$count.$command.whole]+=" $(echo "$(value "${command}_seconds") / $(value "${command}_floor_seconds")" | bc -l)"
    samples[$count.$command.perl]+=" $(cat "$work/run/perl.$command")"
  done
}

for ((run = 1; run <= runs; run++)); do
  say "2000 files: run $run of $runs"
  run_once 2000
done
if ((scale > 0)); then
  say "$scale files: one run"
  run_once "$scale"
fi

figure() { median ${samples[$1]}; }
ratio() { echo "$1 / $2" | bc -l; }
echo
printf '%-16s %9s %9s %9s %9s %10s %10s %10s\n' "2,000 files" "Dorvex s" "run s" "floor s" "Perl s" "run/floor" \
  "Dvx/floor" "Dvx/Perl"
for command in $commands; do
  d=$(figure "2000.$command.dorvex") r=$(figure "2000.$command.run") f=$(figure "2000.$command.floor")
  p=$(figure "2000.$command.perl")
  printf '%-16s %9.3f %9.3f %9.3f %9.3f %9.2fx %9.2fx %9.1fx\n' "$(label "$command")" "$d" "$r" "$f" "$p" \
    "$(figure "2000.$command.over")" "$(figure "2000.$command.whole")" "$(ratio "$d" "$p")"
done
if ((scale > 0)); then
  echo
  printf 'Time per file, 2,000 -> %s files (ms; growth = per-file time at %s / at 2,000):\n' "$scale" "$scale"
  printf '%-16s %8s %8s %8s   %8s %8s %8s   %9s\n' "command" "run" "" "growth" "floor" "" "growth" \
    "run/floor"
  for command in $commands; do
    d2=$(echo "$(figure "2000.$command.run") * 1000 / 2000" | bc -l)
    ds=$(echo "$(figure "$scale.$command.run") * 1000 / $scale" | bc -l)
    f2=$(echo "$(figure "2000.$command.floor") * 1000 / 2000" | bc -l)
    fs=$(echo "$(figure "$scale.$command.floor") * 1000 / $scale" | bc -l)
    printf '%-16s %8.3f %8.3f %7.2fx   %8.3f %8.3f %7.2fx   %8.2fx\n' "$(label "$command")" "$d2" "$ds" \
      "$(ratio "$ds" "$d2")" "$f2" "$fs" "$(ratio "$fs" "$f2")" "$(figure "$scale.$command.over")"
  done
fi
echo
# For the renaming commands the safe floor is the plain one: a move never
# replaces a file, and a change of case takes its two moves through a
# temporary name in both, since a direct move does not change case here.
for command in $commands; do
  row=$(echo "$command" | tr _ -)-2000
  over=$(printf '%.2f' "$(figure "2000.$command.over")") whole=$(printf '%.2f' "$(figure "2000.$command.whole")")
  echo "bench-ratio $row run/floor=$over whole/floor=$whole run/safe-floor=$over"
done
echo
echo "(2,000 files: times and ratios to the floor are medians of $runs runs and of each run's own ratios;"
echo "the scale row one run. Dorvex: from the click that starts the"
echo "command to its idle window, the lists refilled; run: from the first name its progress window shows"
echo "to its closing or the lists' refill; floor: the bare"
echo "loop of the same Win32 file calls, a probe open and close, then the move(s) or the deletion, timed"
echo "right before each command and right after it, the mean of the two)"
