#!/usr/bin/env bash
# package.sh [--twice] [OUTPUT_FOLDER]
#
# Builds the Debian package marrowtide_1.0-1_amd64.deb with dpkg-buildpackage from a
# clean copy of the tree (the tracked files as they are now, nothing from a build
# folder), checks it with lintian and hardening-check, and leaves the .deb files in
# OUTPUT_FOLDER (default /tmp/marrowtide-deb). With --twice it builds a second time in
# another folder and fails unless both give byte-identical .deb files.
#
# The tests are not built unless DEB_BUILD_OPTIONS is set (CI runs them from
# tools/test.sh); set it empty to build and run them in the package build too.
set -euo pipefail
twice=false
[ "${1:-}" = --twice ] && { twice=true; shift; }
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(mkdir -p "${1:-/tmp/marrowtide-deb}" && cd "${1:-/tmp/marrowtide-deb}" && pwd)"
export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS-nocheck}"

bash "$root/tools/deps.sh" debhelper lintian devscripts

# The tracked files, with changes not yet committed, as git would commit them now.
snapshot=$(git -C "$root" stash create)
snapshot=${snapshot:-$(git -C "$root" rev-parse HEAD)}
echo "Packaging $(git -C "$root" describe --always --dirty) (tree $(git -C "$root" rev-parse "$snapshot^{tree}"))"

build() {  # build FOLDER: a fresh copy of the tree built there; prints nothing else
    rm -rf "$1" && mkdir -p "$1/marrowtide"
    git -C "$root" archive "$snapshot" | tar -x -C "$1/marrowtide"
    (cd "$1/marrowtide" && dpkg-checkbuilddeps && dpkg-buildpackage -us -uc -b -J"$(nproc)") \
        >"$1/build.log" 2>&1 || { tail -40 "$1/build.log"; echo "package.sh: the build failed; see $1/build.log" >&2; exit 1; }
}

build "$out/build-1"
cp "$out"/build-1/*.deb "$out"/build-1/*.changes "$out"/build-1/*.buildinfo "$out"/
deb="$out/marrowtide_1.0-1_amd64.deb"
[ -f "$deb" ] || { echo "package.sh: no $deb" >&2; exit 1; }
echo "Built:"; (cd "$out" && ls -l ./*.deb && sha256sum ./*.deb)

echo "lintian:"
lintian --fail-on error,warning --display-info "$out"/build-1/*.changes

echo "hardening-check:"
unpacked="$out/unpacked" && rm -rf "$unpacked" && dpkg-deb -x "$deb" "$unpacked"
# Debian 12's dpkg-buildflags has no control-flow protection to give, so that one is
# not asked for; the five protections hardening=+all gives must all be there.
hardening=0
hardening-check --nocfprotection "$unpacked/usr/bin/marrowtide" "$unpacked/usr/bin/marrowtide-cli" \
    >"$out/hardening-check.txt" || hardening=$?
cat "$out/hardening-check.txt"
[ "$hardening" -eq 0 ] || { echo "package.sh: not fully hardened" >&2; exit 1; }

# The reminder's timer is off until a user switches it on from the menu: the postinst
# may re-enable it only where the package had enabled it before (debian-installed),
# never on a first installation.
postinst=$(dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./postinst 2>/dev/null || true)
if grep -q -- '--user enable' <<<"$postinst" && ! grep -q -- '--user debian-installed' <<<"$postinst"; then
    echo "package.sh: installing the package would switch the reminder on for every user" >&2
    exit 1
fi

if $twice; then
    build "$out/build-2"
    echo "Second build, in another folder:"
    (cd "$out/build-2" && sha256sum ./*.deb)
    for first in "$out"/build-1/*.deb; do
        cmp "$first" "$out/build-2/${first##*/}" \
            || { echo "package.sh: ${first##*/} differs between the two builds" >&2; exit 1; }
    done
    echo "Reproducible: both builds gave byte-identical .deb files."
fi
