#!/usr/bin/env bash
# package-trial.sh [OUTPUT_FOLDER]   (as root; not part of CI)
#
# Tries the Debian package as a new user would: builds it, installs it with apt-get,
# makes a throw-away user with a fresh home, lets package-user.sh start the installed
# program on a virtual X display, add a person, quit and start again, then removes the
# package and the user. Screenshots and logs stay in the output folder (default
# /tmp/marrowtide-package).
set -euo pipefail
[ "$(id -u)" -eq 0 ] || { echo "package-trial.sh: run it as root" >&2; exit 1; }
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
out="${1:-/tmp/marrowtide-package}"
user=marrowtide-trial
display=:77

bash "$root/tools/deps.sh" twm xfonts-75dpi xdotool imagemagick sqlite3 x11-utils
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j2 --target marrowtide
(cd "$root/build" && cpack -G DEB)

rm -rf "$out" && mkdir -p "$out" && chmod 777 "$out"
apt-get install -y "$(ls "$root"/build/marrowtide_*.deb | head -1)"
id "$user" >/dev/null 2>&1 && userdel -r "$user" 2>/dev/null
useradd -m -s /bin/bash "$user"
home="$(getent passwd "$user" | cut -d: -f6)"

# The X server runs as root and lets the user in.
Xvfb "$display" -screen 0 1280x1024x24 -ac >"$out/xvfb.log" 2>&1 &
xvfb_pid=$!
cleanup() {
    kill "$xvfb_pid" 2>/dev/null || true
    apt-get remove -y marrowtide >/dev/null || true
    userdel -r "$user" 2>/dev/null || true
}
trap cleanup EXIT
sleep 1

status=0
runuser -u "$user" -- env -i HOME="$home" USER="$user" PATH=/usr/bin:/bin LANG=C.UTF-8 \
    DISPLAY="$display" bash "$here/package-user.sh" "$out" || status=$?
echo "package trial: $([ $status -eq 0 ] && echo passed || echo FAILED); see $out"
exit $status
