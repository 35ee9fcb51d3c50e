#!/usr/bin/env bash
# Runs inside xvfb-run (see run-e2e.sh): starts twm and the program copied into
# OUTPUT/app, and plays the user. Positions are relative to the windows' client areas.
set -euo pipefail
out="$1"
app="$out/app/marrowtide"
db="$out/app/Marrowtide.mdb"
export HOME="$out/home" XDG_CONFIG_HOME="$out/home/.config" XDG_RUNTIME_DIR="$out/runtime"

twm >"$out/twm.log" 2>&1 &
twm_pid=$!
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    kill "$twm_pid" 2>/dev/null || true
}
trap cleanup EXIT
sleep 1

fail_prefix=E2E shot_prefix=e2e-
. "$(dirname "$0")/xdo.sh"

# Esc in the main window, right of where the legend sits (Esc in the legend closes
# only the legend).
stop_with_esc() {
    point "$main" 420 200
    key Escape
    for _ in $(seq 50); do
        kill -0 "$app_pid" 2>/dev/null || { app_pid=; return; }
        sleep 0.2
    done
    fail "Esc did not end the program"
}
rows() { sqlite3 -separator ' | ' "$db" "SELECT strName, dtmBirth, strComments FROM tblAges ORDER BY lngID"; }

# Places in the main window's client area (pixels at 96 dpi) and in the editor.
add_button=(66 38)
legend_picture=(23 38)
functions_menu=(29 9)
add_menu_entry=(60 30)
row_y() { echo $((88 + 18 * $1)); }
name_box=(138 41)
comments_box=(138 136)
add_save_button=(280 20)
duplicate_button=(280 108)

start
shot 01-empty

# 1: the Add button, typed fields, the Add button.
click "$main" "${add_button[@]}"
editor=$(window "Add New Person")
point "$editor" "${name_box[@]}"
typed "Ann Lee"; key Tab; typed "03151980142510"; key Tab; typed "likes tea"
shot 02-adding-ann
click "$editor" "${add_save_button[@]}"
gone "Add New Person"

# 2: F2 twice at once opens one editor; Enter in the date picker adds.
point "$main" 300 200
xdotool key --delay 5 F2 F2
editor=$(window "Add New Person")
sleep 0.5
[ "$(count "Add New Person")" = 1 ] || fail "F2 twice opened two editors"
point "$editor" "${name_box[@]}"
typed "Bob Stone"; key Tab; typed "02011950083000"; key Return
gone "Add New Person"

# 3: the menu entry, Tab to the Add button, Space.
click "$main" "${functions_menu[@]}"
shot 03-functions-menu
click "$main" "${add_menu_entry[@]}"
editor=$(window "Add New Person")
point "$editor" "${name_box[@]}"
typed "Cleo Park"; key Tab; typed "07072001061500"; key Tab; typed "cousin"; key Tab; key space
gone "Add New Person"
shot 04-three-added

# Edit Ann (first row by name) by a double click: new comments, Save.
dblclick "$main" 60 "$(row_y 0)"
editor=$(window "Edit Person")
shot 05-editing-ann
click "$editor" "${comments_box[@]}"
key ctrl+a; typed "likes green tea"
click "$editor" "${add_save_button[@]}"
gone "Edit Person"

# Duplicate Cleo (third row) under a new name, through F4.
click "$main" 60 "$(row_y 2)"
key F4
editor=$(window "Edit Person")
click "$editor" "${name_box[@]}"
key ctrl+a; typed "Dan Park"
click "$editor" "${duplicate_button[@]}"
gone "Edit Person"

# Delete Bob (second row) with the Del key, Enter for the default Yes.
click "$main" 60 "$(row_y 1)"
key Delete
question=$(window "Delete this Entry\\?")
shot 06-delete-question
point "$question" 60 40
key Return
gone "Delete this Entry\\?"

click "$main" "${legend_picture[@]}"
window "Legend" >/dev/null
shot 07-legend
stop_with_esc
[ "$(count Legend)" = 0 ] || fail "the legend outlived the main window"

expected="Ann Lee | 1980-03-15 14:25:10 | likes green tea
Cleo Park | 2001-07-07 06:15:00 | cousin
Dan Park | 2001-07-07 06:15:00 | cousin"
[ "$(rows)" = "$expected" ] || fail "database holds:
$(rows)"

start
shot 08-restarted
stop_with_esc
[ "$(rows)" = "$expected" ] || fail "the restart changed the database"
echo "E2E PASSED; screenshots in $out"
rows
cat "$XDG_CONFIG_HOME/Marrowtide/Marrowtide.conf"
