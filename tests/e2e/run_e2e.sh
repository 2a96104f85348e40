#!/usr/bin/env bash
# End-to-end: the real planner binary on a real X server (Xvfb) with a window
# manager (openbox), in a temporary program folder, checked from outside with
# xdotool and xprop. Usage: run_e2e.sh path/to/tolvik
set -uo pipefail

# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/lib.sh"
e2e_begin "$1"

# 1. "00110": the window is shown at start, in English, on top.
folder=$(new_folder shown)
printf '00110' >"$folder/tolvik.ini"
pid=$(start_planner "$folder")
pids+=("$pid")
window=$(window_of "$pid")
check "window shown with options 00110" wait_until 20 is_viewable "$window"
check "English title" wait_until 20 title_is "$window" "Tolvik"
check "kept on top" wait_until 20 is_on_top "$window"
stop "$pid"

# 2. "00000": shown, Russian, an ordinary window.
folder=$(new_folder russian)
printf '00000' >"$folder/tolvik.ini"
pid=$(start_planner "$folder")
pids+=("$pid")
window=$(window_of "$pid")
wait_until 20 is_viewable "$window"
check "Russian title" wait_until 20 title_is "$window" "Толвик"
check "an ordinary window, not on top" is_not_on_top "$window"
stop "$pid"

# 3. No options file: "start in the tray". Xvfb has no tray, so the window is
#    minimised rather than hidden: the program can always be reached.
folder=$(new_folder tray)
pid=$(start_planner "$folder")
pids+=("$pid")
window=$(window_of "$pid")
check "no tray: starts minimised, not hidden" wait_until 20 is_iconic "$window"

# 4. A second start in the same folder exits at once and brings the first up.
run_planner "$folder" "$folder/second.log" 20
check "second instance exits with 0" test $? -eq 0
check "first instance comes up" wait_until 20 is_viewable "$window"
check "first instance is no longer minimised" wait_until 20 is_not_iconic "$window"
stop "$pid"

# 5. "20110": in the tray unless the diary holds a record for today.
folder=$(new_folder today)
printf '20110' >"$folder/tolvik.ini"
printf '%s 23:59\r\ntoday\r\n(null)\r\n0000000000\r\n' "$(date +%d.%m.%Y)" >"$folder/tolvik.dat"
pid=$(start_planner "$folder")
pids+=("$pid")
window=$(window_of "$pid")
check "a record for today: window shown" wait_until 20 is_viewable "$window"
stop "$pid"
folder=$(new_folder not-today)
printf '20110' >"$folder/tolvik.ini"
printf '%s 23:59\r\nlater\r\n(null)\r\n0000000000\r\n' "$(date -d tomorrow +%d.%m.%Y)" >"$folder/tolvik.dat"
pid=$(start_planner "$folder")
pids+=("$pid")
window=$(window_of "$pid")
check "no record for today: window minimised" wait_until 20 is_iconic "$window"
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
box=$(wait_until 20 error_box_of "$pid")
check "bad date shows an error box" test -n "$box"
[ -n "$box" ] && xdotool windowactivate --sync "$box" key Return 2>/dev/null
window=$(window_of "$pid")
check "planner still runs after the bad date" kill -0 "$pid"
check "window shown after the box" wait_until 20 is_viewable "$window"
check "diary untouched" cmp -s "$folder/tolvik.dat" "$work/malformed.orig"
stop "$pid"

e2e_end
