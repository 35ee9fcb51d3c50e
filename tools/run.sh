#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
# The build puts an empty Marrowtide.mdb beside the program when there is none.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
bash tools/build.sh
exec ./build/bin/marrowtide "$@"
