#!/usr/bin/env bash
# Installs what is missing, builds and starts the desktop program on the bundled example
# project (on a new project while there is none). Further arguments go to mulzonw.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh
example=examples/office.prj
if [ $# -eq 0 ] && [ -f "$example" ]; then
  set -- "$example"
fi
exec build/bin/mulzonw "$@"
