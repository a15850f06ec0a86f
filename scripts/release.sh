#!/usr/bin/env bash
# The release of the checked-out commit: builds Dorvex.exe twice, in two
# folders of different names, from the commit's own files, checks that both
# give the same bytes, and writes dist/:
#   Dorvex.exe               stripped, with a .gnu_debuglink to its symbols
#   Dorvex.exe.debug         the symbols, for crash reports
#   Dorvex-<version>-x64.msi the per-user installer, holding that Dorvex.exe
#   Dorvex-<version>-x64.zip Dorvex.exe, LICENSE and README.txt
#   SHA256SUMS               over all of them
# The version is the one in CMakeLists.txt; dates come from the commit
# (SOURCE_DATE_EPOCH), so the executable and the zip are the same wherever
# and whenever they are built. The MSI is not: wixl gives every package a
# new package code and date.
#
#   scripts/release.sh [--version X.Y.Z]   (another version: for tests of upgrades)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dist=${DIST_DIR:-$root/dist}
say() { echo "release.sh: $*"; }

version=$(sed -n 's/^project(Dorvex VERSION \([0-9]*\.[0-9]*\.[0-9]*\) .*/\1/p' "$root/CMakeLists.txt")
if [[ ${1:-} == --version ]]; then
  version=$2
fi
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || { say "no version x.y.z in CMakeLists.txt"; exit 1; }

"$root/scripts/install-deps.sh"
export SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct)
export TZ=UTC LC_ALL=C

work=$(mktemp -d "${TMPDIR:-/tmp}/dorvex-release.XXXXXX")
trap 'rm -rf "$work"' EXIT

# build_release <folder>: the commit's files in <folder>/src, built there;
# leaves the stripped program and its symbols in <folder>/out.
build_release() {
  local folder=$1
  mkdir -p "$folder/src" "$folder/out"
  git -C "$root" archive --format=tar HEAD | tar -x -C "$folder/src"
  if [[ $version != "$(sed -n 's/^project(Dorvex VERSION \([0-9.]*\) .*/\1/p' "$folder/src/CMakeLists.txt")" ]]; then
    sed -i "s/^project(Dorvex VERSION [0-9.]* /project(Dorvex VERSION $version /" "$folder/src/CMakeLists.txt"
  fi
  cmake -S "$folder/src" -B "$folder/build" -DCMAKE_TOOLCHAIN_FILE="$folder/src/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
  cmake --build "$folder/build" --target Dorvex -j2 >/dev/null
  local objcopy=x86_64-w64-mingw32-objcopy
  (
    cd "$folder/out"
    cp "$folder/build/Dorvex.exe" Dorvex.full.exe
    $objcopy --only-keep-debug Dorvex.full.exe Dorvex.exe.debug
    $objcopy --strip-all --add-gnu-debuglink=Dorvex.exe.debug Dorvex.full.exe Dorvex.exe
    rm Dorvex.full.exe
  )
}

say "building Dorvex $version twice"
build_release "$work/first"
build_release "$work/second-build-in-another-folder"
for file in Dorvex.exe Dorvex.exe.debug; do
  if ! cmp -s "$work/first/out/$file" "$work/second-build-in-another-folder/out/$file"; then
    say "two builds of one commit differ in $file: the build is not reproducible"
    exit 1
  fi
done
say "both builds are the same, byte for byte"

rm -rf "$dist"
mkdir -p "$dist"
cp "$work/first/out/Dorvex.exe" "$work/first/out/Dorvex.exe.debug" "$dist/"

# wixl takes the program by a path relative to where it runs.
(cd "$dist" && wixl -a x64 -D Version="$version" -D ProgramFile=Dorvex.exe \
  -o "Dorvex-$version-x64.msi" "$root/res/installer/dorvex.wxs" 2>"$work/wixl.log") ||
  { cat "$work/wixl.log" >&2; exit 1; }

# The zip: fixed dates and order, no owners or extra time fields.
stage="$work/zip"
mkdir -p "$stage"
cp "$dist/Dorvex.exe" "$root/LICENSE" "$stage/"
sed "s/@VERSION@/$version/g" "$root/res/installer/README-Windows.txt" >"$stage/README.txt"
touch -d "@$SOURCE_DATE_EPOCH" "$stage"/*
(cd "$stage" && zip -q -X -D "$dist/Dorvex-$version-x64.zip" Dorvex.exe LICENSE README.txt)

(cd "$dist" && sha256sum Dorvex.exe Dorvex.exe.debug "Dorvex-$version-x64.msi" "Dorvex-$version-x64.zip" >SHA256SUMS)
say "wrote $dist:"
sed 's/^/release.sh:   /' "$dist/SHA256SUMS"
