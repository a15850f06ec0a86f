#!/usr/bin/env bash
# Times Dorvex's Set Upper Case and Enumerate on a fresh folder of 2,000 files
# beside Debian's Perl rename tool doing the same renames on an identical
# folder, and prints the times and the ratios.
#
#   bench/rename_bench.sh
#
# BUILD_DIR (default: build/) is the build folder; FILE_COUNT (default 2000)
# the number of files. A display and a Wine prefix of the run's own are made
# unless DISPLAY and WINEPREFIX are set; whatever it starts it stops again.
set -euo pipefail

count=${FILE_COUNT:-2000}
say() { echo "rename_bench.sh: $*"; }
command -v rename >/dev/null || { say "needs Debian's rename package (apt-get install rename)"; exit 1; }

source "$(dirname "${BASH_SOURCE[0]}")/bench_env.sh" rename_bench_driver

# One freshly made folder, copied for each tool: lower-case names, so that
# the list box order and the shell's order agree.
mkdir -p "$work/template"
for ((i = 0; i < count; i++)); do
  printf -v name 'photo_%04d.txt' "$i"
  printf 'content of %s\n' "$name" >"$work/template/$name"
done
mkdir -p "$work/dorvex" "$work/perl"
cp -a "$work/template" "$work/dorvex/Desktop"
cp -a "$work/template" "$work/perl/folder"
cp -a "$work/template" "$work/bare"

say "Dorvex: $count files, Set Upper Case then Enumerate (defaults)"
# Inside Wine's virtual desktop: with no window manager on the display, Wine
# would wait two seconds for one whenever a window closes.
wine explorer /desktop="rename-bench-$$,1280x1024" "$driver" "$(winepath -w "$work/dorvex")" \
  "$(winepath -w "$work/driver.out")" "$(winepath -w "$work/bare")" </dev/null >"$work/driver.err" 2>&1 || true
[[ -s $work/driver.out ]] || { cat "$work/driver.err" >&2; say "the driver failed"; exit 1; }
tr -d '\r' <"$work/driver.out" >"$work/driver.txt"
value() { sed -n "s/^$1=//p" "$work/driver.txt"; }

say "Perl rename: the same renames"
seconds_of() { local start end; start=$(date +%s.%N); "$@"; end=$(date +%s.%N); echo "$end - $start" | bc -l; }
cd "$work/perl/folder"
export LC_ALL=C
perl_upper=$(seconds_of rename 's/(.*)/\U$1/' *)
perl_enumerate=$(seconds_of rename 'our $n; $_ = sprintf("NewFile%04d.jpg", $n++)' *)
cd "$work"

# Both tools must have left the same names and contents.
if ! diff -r "$work/dorvex/Desktop" "$work/perl/folder" >/dev/null; then
  say "the two folders differ after the runs"
  diff -rq "$work/dorvex/Desktop" "$work/perl/folder" | head >&2
  exit 1
fi

dorvex_upper=$(value upper_case_seconds)
dorvex_enumerate=$(value enumerate_seconds)
printf '\n%-22s %12s %12s %8s\n' "$count files" "Dorvex (s)" "Perl (s)" "ratio"
printf '%-22s %12.3f %12.3f %7.1fx\n' "Set Upper Case" "$dorvex_upper" "$perl_upper" \
  "$(echo "$dorvex_upper / $perl_upper" | bc -l)"
printf '%-22s %12.3f %12.3f %7.1fx\n' "Enumerate" "$dorvex_enumerate" "$perl_enumerate" \
  "$(echo "$dorvex_enumerate / $perl_enumerate" | bc -l)"
bare=$(value bare_move_seconds)
printf '\nThe platform alone: %d bare MoveFileA calls under Wine giving the same\n' "$count"
printf 'numbered names took %.3f s, %.1fx the Perl tool.\n' "$bare" "$(echo "$bare / $perl_enumerate" | bc -l)"
