#!/usr/bin/env bash
# End-to-end: one planner per folder, and the starts that cannot go on, on the
# real binary under Xvfb with a window manager (openbox), checked from outside
# with xdotool and xprop. Usage: run_instance.sh path/to/tolvik
set -uo pipefail

binary=$(readlink -f "$1")
work=$(mktemp -d /tmp/tolvik-instance.XXXXXX)
chmod 755 "$work"
passed=0
failed=0
pids=()

# Every process the script started ends with it, a stuck one by SIGKILL.
cleanup() {
    for pid in "${pids[@]}"; do stop "$pid"; done
    chmod -R u+w "$work" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

for tool in Xvfb openbox xdotool xprop xwininfo; do
    if ! command -v "$tool" >/dev/null; then
        echo "missing $tool: install the test packages (scripts/install-deps.sh)"
        exit 1
    fi
done

wait_until() { # tenths of a second, then a command that must come to succeed
    local tries=$1
    shift
    for _ in $(seq "$tries"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

is_running() { kill -0 "$1" 2>/dev/null; }
has_ended() { ! is_running "$1"; }

# Ends a process: SIGTERM, up to 5 s, then SIGKILL. Never waits unbounded.
stop() { # pid
    kill "$1" 2>/dev/null
    wait_until 50 has_ended "$1" || kill -9 "$1" 2>/dev/null
    wait "$1" 2>/dev/null
}

# The exit status of a process that must end by itself within 10 s; 124 (and
# the process killed) when it does not.
status_of() { # pid
    if wait_until 100 has_ended "$1"; then
        wait "$1" 2>/dev/null
        return
    fi
    kill -9 "$1" 2>/dev/null
    wait "$1" 2>/dev/null
    return 124
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
wait_until 100 test -s "$work/display" || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(cat "$work/display")"
openbox >/dev/null 2>&1 &
pids+=($!)
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_until 100 wm_ready || { echo "openbox did not start"; exit 1; }
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

# A fresh folder with the binary in it and a home of its own.
new_folder() {
    local folder="$work/$1"
    mkdir -p "$folder/home"
    cp "$binary" "$folder/tolvik"
    echo "$folder"
}

# Starts the planner of a folder in the background; its pid goes to $started.
start_planner() { # folder
    env -u XDG_RUNTIME_DIR -u XDG_DATA_HOME -u XDG_CACHE_HOME HOME="$1/home" XDG_CONFIG_HOME="$1/home/.config" \
        "$1/tolvik" >>"$1/stdout.log" 2>&1 &
    started=$!
    pids+=("$started")
}

# The planner's main window (its fixed 519-pixel width; Qt's 1x1 group leader
# carries the same title).
main_window() { # pid
    local id
    for id in $(xdotool search --pid "$1" --name '^(Tolvik|Толвик)$' 2>/dev/null); do
        if xwininfo -id "$id" 2>/dev/null | grep -q 'Width: 519'; then
            echo "$id"
            return 0
        fi
    done
    return 1
}
has_window() { main_window "$1" >/dev/null; }
# Qt puts the application's display name after a box's own title.
error_box() { # pid, title
    local id
    for id in $(xdotool search --pid "$1" --name . 2>/dev/null); do
        if [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$2" ] && is_viewable "$id"; then
            echo "$id"
            return 0
        fi
    done
    return 1
}
has_error_box() { error_box "$1" "$2" >/dev/null; }
is_viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
is_iconic() { xprop -id "$1" WM_STATE 2>/dev/null | grep -q 'Iconic'; }

# Closes a planner's box with Return, as a user would.
answer_box() { # pid, title
    local box
    box=$(error_box "$1" "$2") || return 1
    # Through the keyboard (XTEST), press and release in one go: a key sent to
    # the box's window would stay held once the box is gone.
    xdotool windowactivate --sync "$box" key Return 2>/dev/null
    wait_until 50 bash -c "! xwininfo -id $box 2>/dev/null | grep -q IsViewable"
}

# 1. The per-user data folder cannot be made: an error box, then status 1.
folder=$(new_folder blocked-data)
mkdir -p "$folder/home/.local/share"
printf 'in the way' >"$folder/home/.local/share/Tolvik"
start_planner "$folder"
pid=$started
check "data folder blocked: an error box in English" wait_until 150 has_error_box "$pid" "Error — Tolvik"
check "data folder blocked: the box closes on Return" answer_box "$pid" "Error — Tolvik"
status_of "$pid"
check "data folder blocked: exit status 1" test $? -eq 1
check "data folder blocked: the file in the way is kept" test "$(cat "$folder/home/.local/share/Tolvik")" = "in the way"

# 2. The lock file cannot be made (a folder in its place): an error box in
#    the language of the options, status 1.
folder=$(new_folder blocked-lock)
printf '00100' >"$folder/tolvik.ini"
mkdir "$folder/tolvik.lock"
start_planner "$folder"
pid=$started
check "lock blocked: an error box in Russian" wait_until 150 has_error_box "$pid" "Ошибка — Толвик"
check "lock blocked: the box closes on Return" answer_box "$pid" "Ошибка — Толвик"
status_of "$pid"
check "lock blocked: exit status 1" test $? -eq 1

# 3. Four starts in the same instant: one planner runs, the others exit 0.
folder=$(new_folder together)
printf '00110' >"$folder/tolvik.ini"
together=()
survivor=""
for _ in 1 2 3 4; do
    start_planner "$folder"
    together+=("$started")
done
running_count() {
    local n=0 pid
    for pid in "${together[@]}"; do is_running "$pid" && n=$((n + 1)); done
    echo "$n"
}
one_left() { [ "$(running_count)" -eq 1 ]; }
check "four at once: one planner left running" wait_until 150 one_left
sleep 1
check "four at once: still exactly one" one_left
statuses=""
for pid in "${together[@]}"; do
    if is_running "$pid"; then
        survivor=$pid
    else
        status_of "$pid"
        statuses+="$? "
    fi
done
check "four at once: the others exit 0" test "$statuses" = "0 0 0 "
check "four at once: the planner has its window" wait_until 100 has_window "$survivor"

# 4. The planner is killed; the next start takes its lock over and runs; a
#    start after that brings the window up from the taskbar and exits 0.
kill -9 "$survivor"
status_of "$survivor"
check "killed: its lock is left behind" test -e "$folder/tolvik.lock"
start_planner "$folder"
restarted=$started
check "killed: the next start runs the planner" wait_until 100 has_window "$restarted"
window=$(main_window "$restarted")
xdotool windowminimize --sync "$window" 2>/dev/null
check "killed: the window minimised" wait_until 50 is_iconic "$window"
env -u XDG_RUNTIME_DIR -u XDG_DATA_HOME -u XDG_CACHE_HOME HOME="$folder/home" XDG_CONFIG_HOME="$folder/home/.config" \
    timeout 20 "$folder/tolvik" >/dev/null 2>&1
check "killed: a later start exits 0" test $? -eq 0
check "killed: and brings the window up" wait_until 50 is_viewable "$window"
check "killed: no longer minimised" wait_until 50 bash -c "! xprop -id $window WM_STATE | grep -q Iconic"
stop "$restarted"

# 5. A folder holding a diary that this user cannot write: the planner uses it,
#    the records show, and a notice says saves will fail.
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null; then
    folder=$(new_folder read-only)
    printf '00110' >"$folder/tolvik.ini"
    printf '%s 23:59\r\ntoday\r\n(null)\r\n0000000000\r\n' "$(date +%d.%m.%Y)" >"$folder/tolvik.dat"
    cp "$folder/tolvik.dat" "$work/read-only.orig"
    chown -R 65534:65534 "$folder/home"
    chmod 555 "$folder"
    setpriv --reuid=65534 --regid=65534 --clear-groups \
        env -u XDG_RUNTIME_DIR -u XDG_DATA_HOME -u XDG_CACHE_HOME HOME="$folder/home" \
        XDG_CONFIG_HOME="$folder/home/.config" "$folder/tolvik" >/dev/null 2>&1 &
    pid=$!
    pids+=("$pid")
    check "read-only folder: a notice box" wait_until 150 has_error_box "$pid" "Error — Tolvik"
    check "read-only folder: the notice closes on Return" answer_box "$pid" "Error — Tolvik"
    check "read-only folder: the planner runs on" wait_until 50 has_window "$pid"
    check "read-only folder: still running after the notice" is_running "$pid"
    check "read-only folder: nothing written beside the diary" \
        test "$(ls "$folder")" = "$(printf 'home\ntolvik\ntolvik.dat\ntolvik.ini')"
    check "read-only folder: the diary untouched" cmp -s "$folder/tolvik.dat" "$work/read-only.orig"
    stop "$pid"
else
    echo "SKIP: read-only folder (needs root and setpriv to run as another user)"
fi

echo "e2e instance: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
