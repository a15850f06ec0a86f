#!/usr/bin/env bash
# Fails, naming the files, when a C++ source differs from what .clang-format
# makes of it. `scripts/format-check.sh --fix` rewrites them instead.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/install-deps.sh"
cd "$root"

mapfile -d '' sources < <(find app archive bench filetypes framework fuzz print rename res tests tools ui \
  -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)

if [[ ${1:-} == --fix ]]; then
  clang-format -i "${sources[@]}"
  exit 0
fi

# One run over every file: a run per file would cost a minute.
mapfile -t unformatted < <(clang-format --dry-run "${sources[@]}" 2>&1 |
  sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: warning: code should be clang-formatted.*/\1/p' | sort -u)
if ((${#unformatted[@]} > 0)); then
  echo "format-check.sh: not as .clang-format says (scripts/format-check.sh --fix mends them):" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  exit 1
fi
echo "format-check.sh: ${#sources[@]} sources as .clang-format says"
