#!/usr/bin/env bash
# package-trial.sh [--twice] [OUTPUT_FOLDER]   (as root; not part of CI)
#
# Tries the Debian package as a packager and a new user would: tools/package.sh builds
# it and checks it with lintian and hardening-check (with --twice it also builds it a
# second time and compares); then it is installed with apt-get,
# its files are looked over, a throw-away user with a fresh home lets package-user.sh
# start the installed program on a virtual X display, add a person, quit and start
# again, and use marrowtide-cli and its completion; last the package is removed and
# nothing of it may stay but the user's data. Screenshots and logs stay in the output
# folder (default /tmp/marrowtide-package).
set -euo pipefail
[ "$(id -u)" -eq 0 ] || { echo "package-trial.sh: run it as root" >&2; exit 1; }
twice=()
[ "${1:-}" = --twice ] && { twice=(--twice); shift; }
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
out="${1:-/tmp/marrowtide-package}"
user=marrowtide-trial
display=:77
fail() { echo "PACKAGE TRIAL FAILED: $*" >&2; exit 1; }

bash "$root/tools/deps.sh" twm xfonts-75dpi xdotool imagemagick sqlite3 x11-utils man-db
rm -rf "$out" && mkdir -p "$out" && chmod 777 "$out"
bash "$root/tools/package.sh" "${twice[@]}" "$out/deb"
deb="$out/deb/marrowtide_1.0-1_amd64.deb"

echo "Depends: $(dpkg-deb -f "$deb" Depends)"
echo "Recommends: $(dpkg-deb -f "$deb" Recommends)"
dpkg-deb -f "$deb" Depends | grep -q qt6-qpa-plugins && fail "the package still depends on qt6-qpa-plugins"
apt-get install -y "$deb"
dpkg -L marrowtide | sort >"$out/package-files.txt"
for file in /usr/bin/marrowtide /usr/bin/marrowtide-cli \
    /usr/share/man/man1/marrowtide.1.gz /usr/share/man/man1/marrowtide-cli.1.gz \
    /usr/share/bash-completion/completions/marrowtide-cli \
    /usr/share/applications/io.github.marrowtide.Marrowtide.desktop \
    /usr/share/metainfo/io.github.marrowtide.Marrowtide.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/io.github.marrowtide.Marrowtide.svg \
    /usr/share/icons/hicolor/{48x48,64x64,128x128}/apps/io.github.marrowtide.Marrowtide.png \
    /usr/share/doc/marrowtide/changelog.Debian.gz /usr/share/doc/marrowtide/README.md.gz \
    /usr/share/doc/marrowtide/copyright; do
    grep -qx "$file" "$out/package-files.txt" || fail "the package lacks $file"
done
MANWIDTH=80 man marrowtide-cli 2>/dev/null | col -b >"$out/marrowtide-cli.1.txt"
grep -q "BIRTHDAYS ON 29 FEBRUARY" "$out/marrowtide-cli.1.txt" || fail "man marrowtide-cli shows no page"

id "$user" >/dev/null 2>&1 && userdel -r "$user" 2>/dev/null
useradd -m -s /bin/bash "$user"
home="$(getent passwd "$user" | cut -d: -f6)"

# The X server runs as root and lets the user in.
Xvfb "$display" -screen 0 1280x1024x24 -ac >"$out/xvfb.log" 2>&1 &
xvfb_pid=$!
cleanup() {
    kill "$xvfb_pid" 2>/dev/null || true
    dpkg -s marrowtide >/dev/null 2>&1 && apt-get remove -y marrowtide >/dev/null
    userdel -r "$user" 2>/dev/null || true
}
trap cleanup EXIT
sleep 1

status=0
runuser -u "$user" -- env -i HOME="$home" USER="$user" PATH=/usr/bin:/bin LANG=C.UTF-8 \
    DISPLAY="$display" bash "$here/package-user.sh" "$out" || status=$?

# Removing the package takes every file of it and leaves the user's data.
apt-get remove -y marrowtide
left=$(while read -r file; do if [ -f "$file" ]; then echo "$file"; fi; done <"$out/package-files.txt")
[ -z "$left" ] || fail "files stayed after removal: $left"
[ -f "$home/.local/share/Marrowtide/Marrowtide.mdb" ] || fail "the removal took the user's data"
echo "package trial: $([ $status -eq 0 ] && echo passed || echo FAILED); see $out"
exit $status
