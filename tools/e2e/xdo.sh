# Shared by the end-to-end scripts: playing the user with xdotool under twm.
# Source it after setting `out` (the output folder), `fail_prefix` and `app` (the
# command that starts the program).

fail() {
    echo "$fail_prefix FAILED: $*" >&2
    shot failure
    exit 1
}
shot() { import -window root "$out/$shot_prefix$1.png"; }

# The id of the one visible window whose whole title matches the regular expression,
# waiting up to 10 seconds.
window() {
    local id
    for _ in $(seq 50); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.2
    done
    fail "no window \"$1\""
}
gone() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.2
    done
    fail "window \"$1\" still open"
}
count() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l; }

# Click at x y within window $1; with twm the focus follows the pointer.
click() { xdotool mousemove --window "$1" "$2" "$3" sleep 0.2 click 1 sleep 0.3; }
dblclick() { xdotool mousemove --window "$1" "$2" "$3" sleep 0.2 click --repeat 2 --delay 80 1 sleep 0.3; }
point() { xdotool mousemove --window "$1" "$2" "$3" sleep 0.3; }
typed() { xdotool type --delay 60 "$1"; }
key() { xdotool key "$@"; sleep 0.3; }

start() {
    "$app" >>"$out/app.log" 2>&1 &
    app_pid=$!
    main=$(window "Orrindale Version 1.0")
    sleep 0.5
}
