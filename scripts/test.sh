#!/usr/bin/env bash
# The test command: installs what is missing, builds, and runs every test
# under Wine in a throwaway prefix, with a virtual display when there is
# none and a PDF printer through CUPS. Everything it starts it stops again.
#
#   scripts/test.sh [extra ctest arguments, e.g. -R '^ui\.']
#
# With arguments only those tests run: no other code pages, no fuzzing.
#
# BUILD_DIR (default: build/) chooses the build folder.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/lib.sh"
build_dir=${BUILD_DIR:-$root/build}
# The run's own PDF printer: its cups-pdf instance reads its own configuration
# file, and it is the default only for the processes of this run (through
# PRINTER), so that neither the machine's printers nor a second run change.
printer=dorvex-test-$$
cups_pdf_config=/etc/cups/cups-pdf-$printer.conf

say() { echo "test.sh: $*"; }
started=$(date +%s)

"$root/scripts/install-deps.sh"
make_locales pl_PL.UTF-8 ru_RU.UTF-8 ja_JP.UTF-8

cmake -S "$root" -B "$build_dir" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build_dir" -j2
say "built in $(($(date +%s) - started)) s"

work=$(mktemp -d "${TMPDIR:-/tmp}/dorvex-test.XXXXXX")
cupsd_pid=
added_printer=
fat_mount=

# The printers of other test runs whose shell is still alive.
other_runs_printing() {
  local run
  for run in $(lpstat -v 2>/dev/null | sed -n 's/^device for dorvex-test-\([0-9]*\):.*/\1/p'); do
    [[ $run != "$$" ]] && kill -0 "$run" 2>/dev/null && return 0
  done
  return 1
}

cleanup() {
  local status=$?
  set +e
  stop_throwaway_prefix
  if [[ -n $added_printer ]]; then
    lpadmin -x "$printer" 2>/dev/null
    rm -f "$cups_pdf_config"
  fi
  # A run started meanwhile may print through the scheduler this run started:
  # it stays up for that run.
  if [[ -n $cupsd_pid ]] && ! other_runs_printing; then
    kill "$cupsd_pid" 2>/dev/null
    wait "$cupsd_pid" 2>/dev/null
  fi
  stop_virtual_display
  # Only now that no process of the prefix holds a file on it.
  if [[ -n $fat_mount ]]; then
    fusermount -u "$fat_mount" 2>/dev/null || umount -l "$fat_mount" 2>/dev/null
  fi
  # A disk-full test that was killed leaves its small disk mounted in the prefix.
  findmnt -rn -o TARGET 2>/dev/null | grep -F "$work/" | while read -r mounted; do umount -l "$mounted"; done
  rm -rf "$work"
  say "finished in $(($(date +%s) - started)) s"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# --- Display: a virtual one on a free display number when there is none.
start_virtual_display "$work" 1280x1024x24 || exit 1
if [[ -n $virtual_display_pid ]]; then say "virtual display $DISPLAY"; fi

# --- Printer: a PDF printer through CUPS, its files in a folder of this run.
scheduler_running() { lpstat -r 2>/dev/null | grep -q 'scheduler is running'; }
if ! scheduler_running && [[ $(id -u) == 0 ]]; then
  /usr/sbin/cupsd -f </dev/null >/dev/null 2>&1 &
  cupsd_pid=$!
  for _ in $(seq 100); do
    scheduler_running && break
    sleep 0.1
  done
fi
if scheduler_running && [[ $(id -u) == 0 ]]; then
  # Printers of earlier runs that ended without cleaning up.
  for stale in $(lpstat -v 2>/dev/null | sed -n 's/^device for \(dorvex-test-[0-9]*\):.*/\1/p'); do
    kill -0 "${stale#dorvex-test-}" 2>/dev/null && continue
    lpadmin -x "$stale" 2>/dev/null || true
    rm -f "/etc/cups/cups-pdf-$stale.conf"
  done
  export DORVEX_PDF_DIR=$work/pdf
  mkdir -p "$DORVEX_PDF_DIR"
  sed "s|^Out .*|Out $DORVEX_PDF_DIR|" /etc/cups/cups-pdf.conf >"$cups_pdf_config"
  added_printer=yes
  lpadmin -p "$printer" -E -v "cups-pdf:/$printer" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
  export PRINTER=$printer LPDEST=$printer DORVEX_PRINTER=$printer
  say "printer $printer writes into $DORVEX_PDF_DIR"
else
  say "no CUPS scheduler (not root?): the tests that print will fail"
fi

# --- Wine: a prefix of its own, made after the printer exists so that Wine
# lists it, and one server kept up for the whole run.
# prepare_prefix <folder>: a new prefix in <folder>, its server up, under the
# locale in LANG/LC_ALL (Wine takes the system's code page from it).
prepare_prefix() {
  mkdir -p "$1"
  make_throwaway_prefix "$1"
  install_wine_fonts
  # Windows live inside Wine's own virtual desktop: on a bare X server with no
  # window manager, every window that hides would wait 2 s for one to answer.
  # A crashing test prints its backtrace and ends instead of waiting for
  # somebody to close the crash dialog.
  cat >"$1/settings.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1280x1024"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
  wine regedit /S "$1/settings.reg" >/dev/null 2>&1
  stop_throwaway_prefix
  keep_wine_server_up
  # The first program of a server starts Wine's services and the desktop, which
  # take over its standard output and error. Start them here, so that they do
  # not hold ctest's pipe of the first test open for as long as they live.
  wine rundll32.exe user32.dll,GetDesktopWindow </dev/null >/dev/null 2>&1
}

export LANG=C.UTF-8
unset LC_ALL
prepare_prefix "$work"
say "Wine prefix ready after $(($(date +%s) - started)) s"

# --- A disk that ignores case but keeps it, as Windows' FAT and NTFS disks
# do, for the tests that must hold on both kinds: a FAT image of this run
# through FUSE, as drive f: (the disk-full tests take letters from q down to h).
if [[ $(id -u) == 0 ]] && command -v fusefat >/dev/null && [[ -e /dev/fuse ]]; then
  truncate -s 32M "$work/fat.img"
  mkfs.vfat "$work/fat.img" >/dev/null
  mkdir -p "$work/fat"
  # One thread: the image is a single file that fusefat writes in place. No
  # caching of looked-up names in the kernel: it would keep finding a file
  # under every spelling it was once looked up by, also after the file left
  # the name, which no Windows disk does.
  if fusefat -s -o rw+,entry_timeout=0,negative_timeout=0,attr_timeout=0 "$work/fat.img" "$work/fat" \
    >/dev/null 2>&1 && mountpoint -q "$work/fat"; then
    fat_mount=$work/fat
    ln -sfn "$fat_mount" "$WINEPREFIX/dosdevices/f:"
    export DORVEX_FAT_DRIVE=f:
    say "case-ignoring FAT disk as drive $DORVEX_FAT_DRIVE"
  fi
fi
[[ -n $fat_mount ]] || say "no case-ignoring FAT disk (it takes root and FUSE): the tests that need it fail"

# Runs ctest with the arguments given, and the failed tests once more. Seen
# a few times in several hundred runs, in the main run and in a code-page
# run: a test process under Wine ending at once, before its first line of
# output. A test that fails again is a fault; one that passes the second
# time is named here, not hidden.
ctest_with_one_rerun() {
  ctest --test-dir "$build_dir" --output-on-failure "$@" && return 0
  say "running the failed tests once more:"
  sed 's/^/test.sh:   /' "$build_dir/Testing/Temporary/LastTestsFailed.log" >&2 || true
  ctest --test-dir "$build_dir" --output-on-failure --rerun-failed
}

# The tests that must hold on every system code page (run again below).
codepage_tests='^ui\.(CodePage|LocalizedTexts)'
failed=0
ctest_with_one_rerun -j2 "$@" || failed=1

# --- The naming tests again on systems of other code pages: 1250 (Central
# Europe), 1251 (Cyrillic) and the double-byte 932 (Japanese). A server keeps
# the code page it started with, so each gets a prefix of its own.
if (($# == 0)); then
  for locale in pl_PL.UTF-8 ru_RU.UTF-8 ja_JP.UTF-8; do
    if ! locale_available "$locale"; then
      say "locale $locale is missing (it takes root to make): its code page is not tested"
      failed=1
      continue
    fi
    stop_throwaway_prefix
    say "naming tests under $locale"
    LANG=$locale LC_ALL=$locale prepare_prefix "$work/$locale"
    LANG=$locale LC_ALL=$locale ctest_with_one_rerun -R "$codepage_tests" || failed=1
  done
fi

# The whole run only: a run of some tests is for the edit-test loop.
if (($# == 0)) && [[ -f $root/scripts/fuzz.sh ]]; then
  bash "$root/scripts/fuzz.sh" || failed=1
fi

# The whole run only: the release of the commit (built twice, compared byte
# for byte) and its installer as a Windows user meets it, in a prefix of its
# own.
if (($# == 0)); then
  stop_throwaway_prefix
  if DIST_DIR=$work/dist bash "$root/scripts/release.sh"; then
    bash "$root/tests/release/installer_test.sh" "$work/dist" || failed=1
  else
    failed=1
  fi
fi

exit "$failed"
