#!/usr/bin/env bash
# Runs quantora.exe under wine on a virtual X server as a user would: the main window comes up, a
# value typed in converts (the destination list's copy doubles when the value doubles), Options
# opens and closes, Exit ends the program; then a formula file named on the command line opens
# the formula window.
#   tools/windows/end_to_end.sh PROGRAM_FOLDER      (WINEPREFIX names a prepared prefix)
set -euo pipefail

program=$(cd "$1" && pwd)/quantora.exe
work=$(mktemp -d)
display_file=$work/display
server=""
cleanup() {
    wineserver --kill 2>/dev/null || true
    [ -n "$server" ] && kill "$server" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Says what was on the screen: the visible windows' titles, and a screenshot where E2E_SCREENSHOT
# names a file.
fail() {
    echo "end-to-end: $*" >&2
    echo "end-to-end: visible windows: $(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | paste -sd '|')" >&2
    import -window root "$work/screen.png" 2>/dev/null && cp "$work/screen.png" "${E2E_SCREENSHOT:-/dev/null}"
    exit 1
}

# A wine session keeps the display it started with: a program started while the last one (begun
# without a display, or on a server since closed) lingers gets windows nobody can see. So each
# check starts a session of its own on this display.
new_wine_session() {
    wineserver --kill 2>/dev/null || true
    wineserver --wait 2>/dev/null || true
}

start_display() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
    server=$!
    for _ in $(seq 50); do
        [ -s "$display_file" ] && break
        sleep 0.1
    done
    DISPLAY=":$(cat "$display_file")"
    export DISPLAY
}

# window_named TITLE: the id of the window with exactly that title, waiting up to a minute for it.
# The splash comes under the program's name before the main window does, so a window counts once
# the same one has held the title for three seconds.
window_named() {
    local id previous=""
    for _ in $(seq 20); do
        id=$(timeout 60 xdotool search --sync --onlyvisible --name "^$1\$" | tail -n 1)
        [ -n "$id" ] && [ "$id" = "$previous" ] && { echo "$id"; return 0; }
        previous=$id
        sleep 3
    done
    return 1
}

window_gone() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.2
    done
    return 1
}

# The value a double-click on the destination list copies, from a point in its first row
# (its place in the layout, scaled to the window's size).
copied_destination_value() {
    local window=$1 width height
    width=$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^WIDTH=//p')
    height=$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^HEIGHT=//p')
    # The clipboard's owner stays behind to serve it; it must not hold this function's output open.
    xclip -selection clipboard -i /dev/null >/dev/null 2>&1
    xdotool mousemove --window "$window" $((width * 200 / 442)) $((height * 189 / 334)) click --repeat 2 --delay 80 1
    sleep 1
    xclip -o -selection clipboard 2>/dev/null | tr -d ', '
}

type_value() {
    local window=$1 value=$2
    xdotool windowfocus --sync "$window" key --clearmodifiers alt+v ctrl+a type --delay 50 "$value"
    sleep 1
}

check_main_window() {
    new_wine_session
    wine "$program" >/dev/null 2>&1 &
    local main single double
    main=$(window_named Quantora) || fail "the main window \"Quantora\" did not appear"
    [ -n "$main" ] || fail "the main window \"Quantora\" did not appear"
    type_value "$main" 3
    single=$(copied_destination_value "$main")
    type_value "$main" 6
    double=$(copied_destination_value "$main")
    python3 -c "import sys; a, b = float(sys.argv[1]), float(sys.argv[2]); sys.exit(not (a != 0 and abs(b - 2 * a) <= 1e-6 * abs(b)))" \
        "$single" "$double" || fail "3 converted to '$single' and 6 to '$double'"

    xdotool windowfocus --sync "$main" key --clearmodifiers alt+o
    local options
    options=$(window_named Options) || fail "Options did not open"
    xdotool windowfocus --sync "$options" key Escape
    window_gone Options || fail "Options did not close"

    xdotool windowfocus --sync "$main" key --clearmodifiers alt+x
    window_gone Quantora || fail "Exit did not close the main window"
}

# x = 2, f(x) = x*3, degrees: one whole record of a formula file.
check_formula_file() {
    python3 - "$work/calc.xpq" <<'EOF'
import sys
record = b"2".ljust(240, b"\0") + b"x*3".ljust(1240, b"\0") + bytes(7 * 200) + (1).to_bytes(4, "little")
open(sys.argv[1], "wb").write(record)
EOF
    local path
    path=$(winepath -w "$work/calc.xpq")
    new_wine_session
    wine "$program" "$path" >/dev/null 2>&1 &
    window_named "calc - Expressa" >/dev/null || fail "calc.xpq did not open Expressa"
    wineserver --kill
}

start_display
check_main_window
check_formula_file
echo "end-to-end: the main window converted, Options opened and closed, Exit ended it; calc.xpq opened Expressa"
