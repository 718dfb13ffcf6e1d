#!/usr/bin/env bash
# Installs what is missing, builds Tickwren and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-release --target tickwren
exec ./build-release/app/tickwren "$@"
