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
key F6
window "Upcoming Birthdays" >/dev/null
sleep 0.5
shot 04-upcoming
key Escape
gone "Upcoming Birthdays"
xdotool windowfocus --sync "$main"
key alt+v
shot 05-view-menu
key Up Return
window "About Marrowtide" >/dev/null
sleep 0.5
shot 06-about
key Return
quit

people=$(sqlite3 "$data/Marrowtide.mdb" "SELECT strName FROM tblAges")
[ "$people" = "Ann Lee" ] || fail "the database holds \"$people\""
backup="$data/backups/Marrowtide-$(date +%F).mdb"
[ "$(sqlite3 "$backup" "PRAGMA integrity_check")" = ok ] || fail "no sound backup $backup"
ls -lR "$data" >"$out/data-folder.txt"

# The companion on the same data, as the user would type it.
cli=/usr/bin/marrowtide-cli
[ "$($cli list | cut -f2)" = "Ann Lee" ] || fail "marrowtide-cli list does not show Ann Lee"
$cli upcoming --from 1999-03-10 --days 7 >"$out/cli-upcoming.txt"
grep -q "03/15/1999	Monday	Ann Lee	turns 19" "$out/cli-upcoming.txt" || fail "marrowtide-cli upcoming"
$cli export "$out/people.ics" >"$out/cli-export.txt"
grep -q "^SUMMARY:.*Ann Lee" "$out/people.ics" || fail "marrowtide-cli export wrote no calendar"
$cli frobnicate 2>"$out/cli-usage.txt" && fail "marrowtide-cli took an unknown command"
{ $cli --version; $cli --help; } >"$out/cli-help.txt"
# The completion as an interactive bash finds it.
words=$(bash -c '. /usr/share/bash-completion/completions/marrowtide-cli
    COMP_WORDS=(marrowtide-cli export x --format ""); COMP_CWORD=4; _marrowtide_cli
    echo "${COMPREPLY[*]}"')
[ "$words" = "csv vcf ics" ] || fail "the completion offers \"$words\" for --format"
echo "marrowtide-cli: list, upcoming, export, usage error, help and completion as expected"
