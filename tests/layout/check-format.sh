#!/usr/bin/env bash
# Fails when a tracked .cpp or .h file is not formatted by the root .clang-format.
# Usage: check-format.sh <source root> <clang-format>
set -euo pipefail
root="${1:?usage: check-format.sh <source root> <clang-format>}"
clang_format="${2:-clang-format}"
cd "$root"

if [ -e .git ] && command -v git >/dev/null; then
  mapfile -t files < <(git ls-files '*.cpp' '*.h')
else
  mapfile -t files < <(find . \( -path './build*' -o -path './.*' \) -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
fi

if ! "$clang_format" --dry-run --Werror "${files[@]}"; then
  echo "Formatting differs from .clang-format; run: $clang_format -i <file>"
  exit 1
fi
echo "${#files[@]} files formatted"
