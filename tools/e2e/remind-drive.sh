#!/usr/bin/env bash
# The inside of remind-trial.sh: on a private session bus and mount namespace.
#   remind-drive.sh BIN_FOLDER OUTPUT_FOLDER
set -uo pipefail
bin="$1"
out="$2"
shot() { import -window root "$out/$1.png"; }

# systemd --user starts only where the machine looks booted with systemd.
if [ ! -d /run/systemd/system ]; then
  mount -t tmpfs tmpfs /run/systemd && mkdir -p /run/systemd/system
fi
export HOME="$out/home" XDG_RUNTIME_DIR="$out/runtime"
export XDG_CONFIG_HOME="$HOME/.config" DISPLAY=:77
mkdir -p "$XDG_CONFIG_HOME/Marrowtide" && mkdir -m 700 "$XDG_RUNTIME_DIR"
# The Upcoming window must come from the click alone, not from the start-up reminder.
printf '[Upcoming]\nRemindAtStartUp=0\n' > "$XDG_CONFIG_HOME/Marrowtide/Marrowtide.conf"

Xvfb "$DISPLAY" -screen 0 1280x800x24 > /dev/null 2>&1 & xvfb=$!
sleep 1
dunst > "$out/dunst.log" 2>&1 & dunst=$!
/lib/systemd/systemd --user > "$out/systemd.log" 2>&1 & manager=$!
sleep 2
systemctl --user import-environment DISPLAY DBUS_SESSION_BUS_ADDRESS XDG_RUNTIME_DIR HOME \
  XDG_CONFIG_HOME

"$bin/marrowtide" > "$out/window.log" 2>&1 & window=$!
sleep 4
xdotool mousemove 137 75 click 1; sleep 1   # View
shot 1-view-menu
xdotool mousemove 200 186 click 1; sleep 4  # Remind When Closed
echo "timer: $(systemctl --user is-enabled marrowtide-remind.timer)," \
     "$(systemctl --user is-active marrowtide-remind.timer)"
systemctl --user list-timers --all --no-pager
kill "$window"; wait "$window"

systemctl --user start marrowtide-remind.service   # what the timer starts
sleep 3
shot 2-notification
eval "$(xdotool getwindowgeometry --shell "$(xdotool search --class dunst | head -1)")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 2
sleep 5
shot 3-after-click
systemctl --user status marrowtide-remind.service --no-pager | sed -n 1,3p
echo "started by the click: $(pgrep -a -x -f "$bin/marrowtide --upcoming")"
systemctl --user start marrowtide-remind.service; sleep 2
echo "second run the same day: $(systemctl --user show -p ExecMainStatus marrowtide-remind.service)"
shot 4-second-run

for pid in $(pgrep -x -f "$bin/marrowtide --upcoming"); do kill "$pid"; done
kill "$manager" "$dunst" "$xvfb"
echo "screenshots in $out"
