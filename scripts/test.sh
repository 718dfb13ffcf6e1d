#!/usr/bin/env bash
# Installs what is missing, builds Tickwren with AddressSanitizer and
# UndefinedBehaviorSanitizer, runs the fuzz harnesses briefly, and runs the whole
# test suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# Line tables (-g1) are all the sanitizers need for their stack traces; full
# debug information would make every object three times larger and the build a
# quarter slower.
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
  -DTW_SANITIZE=ON -DTW_WERROR=ON -DBUILD_TESTING=ON >/dev/null
cmake --build build-test
bash scripts/fuzz.sh 20000 10
cd build-test
# The sound and window tests measure against the wall clock; with every core busy
# running the others in parallel they can miss. A failure is run once more, one
# test at a time, and only a second failure counts.
if ! QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" --timeout 600; then
  echo "Running the failed tests again, one at a time:"
  QT_QPA_PLATFORM=offscreen ctest --output-on-failure --rerun-failed --timeout 600
fi
