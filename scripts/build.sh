#!/usr/bin/env bash
# Configures and builds. --sanitize builds the core, the command-line tool and the tests with the
# address and undefined-behaviour sanitizers in build-sanitize/.
set -euo pipefail
cd "$(dirname "$0")/.."

dir=build
args=()
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-sanitize
  args=(-DMULZON_SANITIZE=ON -DMULZON_GUI=OFF -DMULZON_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug)
fi

scripts/deps.sh
cmake -S . -B "$dir" "${args[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)"
