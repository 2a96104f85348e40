#!/usr/bin/env bash
# End-to-end: the real planner binary on a real X server (Xvfb) with a window
# manager (openbox), in a temporary program folder, checked from outside with
# xdotool and xprop. Usage: run_e2e.sh path/to/tolvik
set -uo pipefail

binary=$(readlink -f "$1")
work=$(mktemp -d /tmp/tolvik-e2e.XXXXXX)
passed=0
failed=0
pids=()

cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

for tool in Xvfb openbox xdotool xprop; do
    if ! command -v "$tool" >/dev/null; then
        echo "missing $tool: install the test packages (scripts/install-deps.sh)"
        exit 1
    fi
done

# A free display number.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
export DISPLAY=":$display"
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
export QT_QPA_PLATFORM=xcb

check() { # name, then a command that must succeed
    local name=$1
    shift
    if "$@"; then
        echo "PASS: $name"
        passed=$((passed + 1))
    else
        echo "FAIL: $name"
        failed=$((failed + 1))
    fi
}

# A fresh program folder with the binary in it; the files are written by the caller.
new_folder() {
    local folder="$work/$1"
    mkdir -p "$folder/home"
    cp "$binary" "$folder/tolvik"
    echo "$folder"
}

start_planner() { # folder
    HOME="$1/home" XDG_CONFIG_HOME="$1/home/.config" "$1/tolvik" >"$1/stdout.log" 2>&1 &
    echo $!
}

# The planner's main window (by its process and its fixed 519-pixel width;
# Qt's 1x1 group leader carries the same title), waiting up to 10 s.
window_of() { # pid
    local id
    for _ in $(seq 100); do
        for id in $(xdotool search --pid "$1" --name '^(Tolvik|Толвик)$' 2>/dev/null); do
            if xwininfo -id "$id" 2>/dev/null | grep -q 'Width: 519'; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}

is_on_top() { xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q '_NET_WM_STATE_ABOVE'; }
is_viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
is_iconic() { xprop -id "$1" WM_STATE 2>/dev/null | grep -q 'Iconic'; }
title_is() { [ "$(xdotool getwindowname "$1")" = "$2" ]; }
stop() { kill "$1" 2>/dev/null; wait "$1" 2>/dev/null; }

# 1. "00110": the window is shown at start, in English, on top.
folder=$(new_folder shown)
printf '00110' >"$folder/tolvik.ini"
pid=$(start_planner "$folder")
pids+=("$pid")
window=$(window_of "$pid")
check "window shown with options 00110" is_viewable "$window"
check "English title" title_is "$window" "Tolvik"
check "kept on top" is_on_top "$window"
stop "$pid"

# 2. "00000": shown, Russian, an ordinary window.
folder=$(new_folder russian)
printf '00000' >"$folder/tolvik.ini"
pid=$(start_planner "$folder")
pids+=("$pid")
window=$(window_of "$pid")
check "Russian title" title_is "$window" "Толвик"
check "an ordinary window, not on top" bash -c "! xprop -id $window _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE"
stop "$pid"

# 3. No options file: "start in the tray". Xvfb has no tray, so the window is
#    minimised rather than hidden: the program can always be reached.
folder=$(new_folder tray)
pid=$(start_planner "$folder")
pids+=("$pid")
window=$(window_of "$pid")
sleep 0.5
check "no tray: starts minimised, not hidden" is_iconic "$window"

# 4. A second start in the same folder exits at once and brings the first up.
HOME="$folder/home" XDG_CONFIG_HOME="$folder/home/.config" timeout 10 "$folder/tolvik" >/dev/null 2>&1
check "second instance exits with 0" test $? -eq 0
sleep 1
check "first instance comes up" is_viewable "$window"
check "first instance is no longer minimised" bash -c "! xprop -id $window WM_STATE | grep -q Iconic"
stop "$pid"

# 5. "20110": in the tray unless the diary holds a record for today.
folder=$(new_folder today)
printf '20110' >"$folder/tolvik.ini"
printf '%s 23:59\r\ntoday\r\n(null)\r\n0000000000\r\n' "$(date +%d.%m.%Y)" >"$folder/tolvik.dat"
pid=$(start_planner "$folder")
pids+=("$pid")
window=$(window_of "$pid")
check "a record for today: window shown" is_viewable "$window"
stop "$pid"
folder=$(new_folder not-today)
printf '20110' >"$folder/tolvik.ini"
printf '%s 23:59\r\nlater\r\n(null)\r\n0000000000\r\n' "$(date -d tomorrow +%d.%m.%Y)" >"$folder/tolvik.dat"
pid=$(start_planner "$folder")
pids+=("$pid")
window=$(window_of "$pid")
sleep 0.5
check "no record for today: window minimised" is_iconic "$window"
stop "$pid"

# 6. A malformed diary survives start-up untouched: an error box, the program
#    keeps running, the file keeps every byte.
folder=$(new_folder malformed)
printf '00110' >"$folder/tolvik.ini"
printf '31.02.2004 09:00\r\nbad day\r\n(null)\r\n0000000000\r\n03.02.2004 10:00\r\nkept\r\n(null)\r\n0100000000\r\n\x00\xff garbage' \
    >"$folder/tolvik.dat"
cp "$folder/tolvik.dat" "$work/malformed.orig"
pid=$(start_planner "$folder")
pids+=("$pid")
box=""
for _ in $(seq 100); do
    box=$(xdotool search --pid "$pid" --name '^(Error|Ошибка)$' 2>/dev/null | head -n 1)
    [ -n "$box" ] && break
    sleep 0.1
done
check "bad date shows an error box" test -n "$box"
[ -n "$box" ] && xdotool windowactivate --sync "$box" key Return 2>/dev/null
window=$(window_of "$pid")
check "planner still runs after the bad date" kill -0 "$pid"
check "window shown after the box" is_viewable "$window"
check "diary untouched" cmp -s "$folder/tolvik.dat" "$work/malformed.orig"
stop "$pid"

echo "e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
