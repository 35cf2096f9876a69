#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite. --sanitize does the same in the
# sanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh "$@"
dir=build
[ "${1:-}" = "--sanitize" ] && dir=build-sanitize
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
