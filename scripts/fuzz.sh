#!/usr/bin/env bash
# Builds the archive reader fuzzer natively (clang, libFuzzer, ASan, UBSan)
# and runs it for a bounded time on a scratch copy of the seed corpus.
# Exits non-zero on any finding; crash inputs are kept in the build folder.
#   scripts/fuzz.sh [BUILD_DIR] [SECONDS]
# Needs the Debian packages clang and libclang-rt-14-dev (llvm-14 for
# symbolized stack traces).
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$repo/build-fuzz}
seconds=${2:-60}
cxx=${CXX_FUZZ:-clang++}

mkdir -p "$build"
build=$(cd "$build" && pwd)
fuzzer="$build/archive_reader_fuzzer"

echo "fuzz: building $fuzzer"
"$cxx" -std=c++20 -g -O1 -Wall -Wextra \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -I"$repo" \
    "$repo/fuzz/archive_reader_fuzzer.cpp" \
    "$repo/archive/archive_format.cpp" \
    "$repo/framework/path.cpp" \
    -o "$fuzzer"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"
cp "$repo"/fuzz/corpus/* "$work/corpus/"

# Readable stack traces in findings, when LLVM's symbolizer is at hand.
if ! command -v llvm-symbolizer >/dev/null && [ -x /usr/lib/llvm-14/bin/llvm-symbolizer ]; then
    export ASAN_SYMBOLIZER_PATH=/usr/lib/llvm-14/bin/llvm-symbolizer
fi

echo "fuzz: running for ${seconds}s"
status=0
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
UBSAN_OPTIONS=print_stacktrace=1 \
"$fuzzer" \
    -max_total_time="$seconds" \
    -timeout=10 \
    -rss_limit_mb=2048 \
    -max_len=8192 \
    -print_final_stats=1 \
    -artifact_prefix="$build/" \
    "$work/corpus" >"$work/fuzz.log" 2>&1 || status=$?
# The progress lines run to hundreds; the end of the log tells the outcome.
tail -n 25 "$work/fuzz.log"

if [ "$status" -ne 0 ]; then
    echo "fuzz: FAILED (exit $status); reproduce with: $fuzzer $build/<crash-, leak-, timeout- or oom- file>" >&2
    exit "$status"
fi
echo "fuzz: no findings"
