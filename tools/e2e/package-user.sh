#!/usr/bin/env bash
# Runs as the new user for package-trial.sh: first start of the installed program,
# add a person, quit, start again, open the About box, quit; then checks the files.
set -euo pipefail
out="$1"
data="$HOME/.local/share/Marrowtide"

twm >"$out/twm.log" 2>&1 &
twm_pid=$!
app_pid=
trap 'kill $twm_pid 2>/dev/null || true; [ -n "$app_pid" ] && kill $app_pid 2>/dev/null || true' EXIT
sleep 1

fail() { echo "PACKAGE TRIAL FAILED: $*" >&2; shot failure; exit 1; }
shot() { import -window root "$out/$1.png"; }
window() {
    local id
    for _ in $(seq 50); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.2
    done
    fail "no window \"$1\""
}
click() { xdotool mousemove --window "$1" "$2" "$3" sleep 0.2 click 1 sleep 0.3; }
point() { xdotool mousemove --window "$1" "$2" "$3" sleep 0.3; }
key() { xdotool key "$@"; sleep 0.3; }
typed() { xdotool type --delay 60 "$1"; }
start() {
    marrowtide >>"$out/app.log" 2>&1 &
    app_pid=$!
    main=$(window "Orrindale Version 1.0")
    sleep 0.5
}
quit() {
    point "$main" 300 200
    xdotool windowfocus --sync "$main"
    key Escape
    wait "$app_pid" || fail "the program ended with status $?"
    app_pid=
}

[ "$(command -v marrowtide)" = /usr/bin/marrowtide ] || fail "marrowtide is not the installed one"
[ ! -e "$data" ] || fail "the home is not fresh"
start
xprop -id "$main" WM_CLASS >"$out/wm-class.txt"
shot 01-first-start
click "$main" 66 38
editor=$(window "Add New Person")
point "$editor" 138 41
typed "Ann Lee"; key Tab; typed "03151980142510"; key Tab; typed "first person"
click "$editor" 280 20
sleep 1
shot 02-person-added
quit

start
shot 03-second-start
xdotool windowfocus --sync "$main"
key alt+v
shot 04-view-menu
key Up Return
window "About Marrowtide" >/dev/null
sleep 0.5
shot 05-about
key Return
quit

people=$(sqlite3 "$data/Marrowtide.mdb" "SELECT strName FROM tblAges")
[ "$people" = "Ann Lee" ] || fail "the database holds \"$people\""
backup="$data/backups/Marrowtide-$(date +%F).mdb"
[ "$(sqlite3 "$backup" "PRAGMA integrity_check")" = ok ] || fail "no sound backup $backup"
ls -lR "$data" >"$out/data-folder.txt"
