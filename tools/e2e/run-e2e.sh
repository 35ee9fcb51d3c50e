#!/usr/bin/env bash
# End-to-end run of the program as a person would use it, on a virtual X display with
# twm, driven by xdotool: add three people (keyboard and mouse), edit one, duplicate
# one, delete one, close with Esc, start again. Checks the database with sqlite3 and
# leaves screenshots in the output folder (default /tmp/marrowtide-e2e).
#
#   bash tools/e2e/run-e2e.sh [BUILD_FOLDER] [OUTPUT_FOLDER]
#
# Needs xvfb-run, twm, xdotool, sqlite3 and ImageMagick's import. Not run by CI.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-$here/../../build-cmd}"
out="${2:-/tmp/marrowtide-e2e}"

cmake --build "$build" --target marrowtide marrowtide-mkdb
rm -rf "$out"
mkdir -p "$out/app" "$out/home" "$out/runtime"
chmod 700 "$out/runtime"
cp "$build/bin/marrowtide" "$out/app/"
"$build/bin/marrowtide-mkdb" "$out/app"

exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$here/drive.sh" "$out"
