#!/usr/bin/env bash
# Builds the fuzz harnesses (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz and runs each one from its seed corpus.
#
#   bash scripts/fuzz.sh [runs] [seconds] [libFuzzer flags...]
#
# Each harness stops after <runs> inputs (default 20000) or <seconds> seconds
# (default 20; 0 for no limit), whichever comes first. New inputs the fuzzer finds
# go to build-fuzz/run/<harness>/, never into the committed seeds; a failing input
# is kept as build-fuzz/run/crash-* (or leak-*, timeout-*) and the script fails.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-20000}"
seconds="${2:-20}"
extra=("${@:3}")

# Line tables (-g1) are enough for the sanitizers' stack traces and build faster.
CXX=clang++ cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 >/dev/null
cmake --build build-fuzz

work=build-fuzz/run
mkdir -p "$work"
status=0
# fuzz/<library>/corpus/<name>/ holds the seeds of the harness fuzz_<name>.
for seeds in fuzz/*/corpus/*/; do
  seeds="${seeds%/}"
  name="$(basename "$seeds")"
  library="$(basename "$(dirname "$(dirname "$seeds")")")"
  harness="build-fuzz/$library/fuzz_$name"
  rm -rf "${work:?}/$name"
  mkdir -p "$work/$name"
  log="$work/$name.log"
  if "$harness" -runs="$runs" -max_total_time="$seconds" -artifact_prefix="$work/" \
      ${extra[@]+"${extra[@]}"} "$work/$name" "$seeds" >"$log" 2>&1; then
    echo "fuzz_$name: $(grep -E '^Done [0-9]+ runs' "$log" | tail -n 1)"
  else
    echo "fuzz_$name FAILED (log: $log)"
    tail -n 40 "$log"
    status=1
  fi
done
exit $status
