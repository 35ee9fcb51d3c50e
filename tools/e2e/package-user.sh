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

app=marrowtide fail_prefix="PACKAGE TRIAL" shot_prefix=
. "$(dirname "$0")/xdo.sh"
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
