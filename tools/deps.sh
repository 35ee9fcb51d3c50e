#!/usr/bin/env bash
# Installs the Debian packages the project needs to build, test and run.
# Quick when everything is already there: apt is only called for what is missing.
# Further packages named on the command line are installed the same way.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-svg-dev libqt6svg6 qt6-tools-dev qt6-l10n-tools
  libsqlite3-dev sqlite3
  libxxhash-dev  # the row stamps' hash, header only
  libicu-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  python3 python3-icalendar
  xvfb xauth fonts-dejavu-core
  desktop-file-utils appstream
  dbus-daemon systemd  # the reminder's tests: a private session bus, systemd-analyze verify
  clang-14 libclang-rt-14-dev  # the fuzz targets: libFuzzer and the sanitizers' run-times
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
