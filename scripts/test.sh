#!/usr/bin/env bash
# Installs what is missing, builds Tickwren with AddressSanitizer and
# UndefinedBehaviorSanitizer, runs the fuzz harnesses briefly, and runs the whole
# test suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DTW_SANITIZE=ON -DTW_WERROR=ON -DBUILD_TESTING=ON >/dev/null
cmake --build build-test
bash scripts/fuzz.sh 20000 10
cd build-test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" --timeout 600
