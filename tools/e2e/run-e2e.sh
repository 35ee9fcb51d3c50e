#!/usr/bin/env bash
# End-to-end run of the program as a person would use it, on a virtual X display with
# twm, driven by xdotool: add three people (keyboard and mouse), edit one, duplicate
# one, delete one, close with Esc, start again. Checks the database with sqlite3 and
# leaves screenshots in the output folder (default /tmp/marrowtide-e2e).
#
#   bash tools/e2e/run-e2e.sh [OUTPUT_FOLDER]
#
# Installs what is missing (the project's packages plus twm with the fonts it cannot
# start without, xdotool, sqlite3 and ImageMagick), builds into ./build and runs there.
# Not run by CI.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
out="${1:-/tmp/marrowtide-e2e}"
build="$here/../../build"

bash "$here/../deps.sh" twm xfonts-75dpi xdotool sqlite3 imagemagick
bash "$here/../build.sh"
rm -rf "$out"
mkdir -p "$out/app" "$out/home" "$out/runtime"
chmod 700 "$out/runtime"
cp "$build/bin/marrowtide" "$out/app/"
"$build/bin/marrowtide-mkdb" "$out/app"

exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$here/drive.sh" "$out"
