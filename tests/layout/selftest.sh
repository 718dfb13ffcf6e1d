#!/usr/bin/env bash
# Shows that the layout checks catch what they are for: each runs on a small tree
# made here, once with every rule kept and once with each kind of fault.
# Usage: selftest.sh <clang-format>
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
clang_format="${1:-clang-format}"
tmp="$(mktemp -d "${TMPDIR:-/tmp}/tickwren-layout.XXXXXX")"
trap 'rm -rf "$tmp"' EXIT
status=0

expect() { # <what> <expected exit: 0 or 1> <output pattern> <command...>
  local what="$1" want="$2" pattern="$3"
  shift 3
  local out rc=0
  out="$("$@" 2>&1)" || rc=$?
  if [ "$rc" -ne "$want" ] || ! grep -qE -- "$pattern" <<<"$out"; then
    echo "FAIL: $what (exit $rc)"
    echo "$out" | sed 's/^/    /'
    status=1
  else
    echo "PASS: $what"
  fi
}

# A tree that keeps every include rule.
tree="$tmp/includes"
mkdir -p "$tree/libs/cpp/Lib/area" "$tree/libs/cpp/Lib/other" "$tree/tests/libs/cpp/Lib/area/tst_thing"
touch "$tree/libs/cpp/Lib/area/Thing.h" "$tree/libs/cpp/Lib/area/Thing_p.h" "$tree/libs/cpp/Lib/area/ThingInternal.h"
printf '#include "Lib/area/Thing.h"\n#include "Thing_p.h"\n#include "Lib/area/ThingInternal.h"\n#include "Thing.moc"\n' \
  >"$tree/libs/cpp/Lib/area/Thing.cpp"
printf '#include "Lib/area/Thing.h"\n' >"$tree/libs/cpp/Lib/other/Other.cpp"
printf '#include "Lib/area/Thing_p.h"\n' >"$tree/tests/libs/cpp/Lib/area/tst_thing/tst_thing.cpp"
expect "includes by library path pass" 0 "every include names its library" bash "$here/check-includes.sh" "$tree"

# One fault of each kind, each reported on its own line.
add_fault() { # <include> <pattern of the report>
  printf '#include "%s"\n' "$1" >"$tree/libs/cpp/Lib/other/Other.cpp"
  expect "\"$1\" from another library folder fails" 1 "Other.cpp:1: .*$2" bash "$here/check-includes.sh" "$tree"
}
add_fault "Thing.h" "bare name from another folder"
add_fault "../area/Thing.h" "relative path"
add_fault "Lib/Thing.h" "no header of the tree"
add_fault "Lib/area/Thing_p.h" "internal to libs/cpp/Lib/area"
add_fault "Lib/area/ThingInternal.h" "internal to libs/cpp/Lib/area"

# Includes against the direction of the dependencies: libraries never reach the
# program, and the platform layer reaches neither.
mkdir -p "$tree/app" "$tree/platform/sys"
touch "$tree/app/Window.h" "$tree/platform/sys/Sys.h"
printf '#include "platform/sys/Sys.h"\n#include "Lib/area/Thing.h"\n' >"$tree/app/Main.cpp"
printf '#include "platform/sys/Sys.h"\n' >"$tree/libs/cpp/Lib/other/Other.cpp"
expect "the program including libraries and the platform passes" 0 "every include names its library" \
  bash "$here/check-includes.sh" "$tree"
add_fault "app/Window.h" "a header of the program"
printf '#include "Lib/area/Thing.h"\n' >"$tree/platform/sys/Sys.cpp"
expect "the platform layer including a library fails" 1 "Sys.cpp:1: .*a library built on the platform layer" \
  bash "$here/check-includes.sh" "$tree"
printf '#include "app/Window.h"\n' >"$tree/platform/sys/Sys.cpp"
expect "the platform layer including the program fails" 1 "Sys.cpp:1: .*a header of the program" \
  bash "$here/check-includes.sh" "$tree"

# Formatting: a file laid out by the root .clang-format passes, a changed one fails.
tree="$tmp/format"
mkdir -p "$tree"
cp "$here/../../.clang-format" "$tree/"
printf 'int twice(int x)\n{\n    return 2 * x;\n}\n' >"$tree/Good.cpp"
expect "a formatted file passes" 0 "1 files formatted" bash "$here/check-format.sh" "$tree" "$clang_format"
printf 'int  twice(int x) { return 2*x; }\n' >"$tree/Bad.cpp"
expect "an unformatted file fails" 1 "Bad.cpp" bash "$here/check-format.sh" "$tree" "$clang_format"

# The configure step stops at a folder of the top-level list that is missing,
# rather than building without it.
tree="$tmp/configure"
mkdir -p "$tree"
cp "$here/../../CMakeLists.txt" "$tree/"
cp -r "$here/../../cmake" "$tree/"
for dir in $(sed -n '/^set(TW_SOURCE_DIRS/,/^)/p' "$tree/CMakeLists.txt" | sed '1d;$d'); do
  mkdir -p "$tree/$dir"
  : >"$tree/$dir/CMakeLists.txt"
done
rm -r "$tree/libs/cpp/QMViewer"
expect "a listed folder that is missing stops the configure step" 1 \
  "libs/cpp/QMViewer is listed in TW_SOURCE_DIRS but has no CMakeLists.txt" \
  cmake -S "$tree" -B "$tmp/configure-build" -DBUILD_TESTING=OFF

exit $status
