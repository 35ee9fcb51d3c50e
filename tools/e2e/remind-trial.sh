#!/usr/bin/env bash
# End-to-end trial of the birthday reminder while the program is closed, on a virtual
# X display with a real notification daemon (dunst) and a user systemd: enables View >
# "Remind When Closed" with the mouse, quits, starts the reminder's service as its
# timer would, photographs the notification, clicks it (middle button: dunst's
# "do action") and photographs the Upcoming window that opens. Screenshots and logs go
# to the output folder (default /tmp/marrowtide-remind-e2e).
#
#   sudo bash tools/e2e/remind-trial.sh [OUTPUT_FOLDER]
#
# Runs from the build tree, whose database is set aside and put back afterwards. As
# root it runs in a mount namespace of its own, where a user systemd can start also on
# a machine (a container) that was not booted with systemd. Not run by CI.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
out="${1:-/tmp/marrowtide-remind-e2e}"
build="$(cd "$here/../.." && pwd)/build"

bash "$here/../deps.sh" dunst xdotool imagemagick dbus-user-session
bash "$here/../build.sh"
rm -rf "$out"
mkdir -p "$out"
database="$build/bin/Marrowtide.mdb"
cp -p "$database" "$out/Marrowtide.mdb.kept"
trap 'cp -p "$out/Marrowtide.mdb.kept" "$database"' EXIT
rm -f "$database"
"$build/bin/marrowtide-mkdb" "$build/bin"
{ printf 'Name,Birth,Comments\r\n'; printf '%s\r\n' \
  "Ann Smith,$(date -d '-46 years' +%F) 06:00:00," \
  "Bob Lee,$(date -d '-30 years +1 day' +%F)," \
  "Tom & Jerry <3,$(date -d '-26 years +2 days' +%F)," \
  "Dora Quist,$(date -d '-56 years +3 days' +%F)," \
  "Cleo Park,$(date -d '-35 years +4 days' +%F)," \
  "Emil Ødegaard,$(date -d '-41 years +6 days' +%F)," \
  "Fay Far,$(date -d '-36 years +13 days' +%F),"; } > "$out/people.csv"
"$build/bin/marrowtide-cli" import "$out/people.csv"

unshare --mount dbus-run-session -- bash "$here/remind-drive.sh" "$build/bin" "$out"
