# shellcheck shell=bash
# Shared by the end-to-end scripts: a private X server (Xvfb) with a window
# manager (openbox), fresh program folders holding a copy of the planner, and
# checks made from outside with xdotool, xprop and xwininfo.
#
#   . "$(dirname "$0")/lib.sh"
#   e2e_begin path/to/tolvik          # starts X and the window manager
#   folder=$(new_folder NAME); pid=$(start_planner "$folder"); pids+=("$pid")
#   check "what it shows" wait_until 20 is_viewable "$(window_of "$pid")"
#   e2e_end                           # the summary line; fails when a check did
#
# Nothing here sleeps for a fixed time: every wait polls for its condition.

binary=""
work=""
passed=0
failed=0
pids=()

# The time in milliseconds, for deadlines.
now_ms() {
    local micros=${EPOCHREALTIME//[!0-9]/}
    echo $((10#$micros / 1000))
}

# Runs a command every tenth of a second until it succeeds; fails when it has
# not within TIMEOUT whole seconds. The command runs at least once, and once
# more at the deadline.
wait_until() { # timeout, then a command
    local deadline=$(($(now_ms) + $1 * 1000))
    shift
    until "$@"; do
        [ "$(now_ms)" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

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

require_tools() { # tool...
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "missing $tool: install the test packages (scripts/install-deps.sh)"
            exit 1
        fi
    done
}

e2e_cleanup() {
    stop_all
    rm -rf "$work"
}

has_line() { [ -s "$1" ] && [ "$(wc -l <"$1")" -ge 1 ]; }

# Xvfb picks a free display itself and writes its number once it accepts
# connections; the display must then answer a client, and keep its socket in
# /tmp/.X11-unix: openbox cannot connect without it, while xcb clients would
# still get through the abstract socket.
x_answers() { xprop -root >/dev/null 2>&1; }
x_socket_kept() { [ -S "/tmp/.X11-unix/X${DISPLAY#:}" ]; }

start_x_server() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    wait_until 20 has_line "$work/display" || return 1
    DISPLAY=":$(head -n 1 "$work/display")"
    export DISPLAY
    wait_until 20 x_answers && x_socket_kept
}

# A window manager announces itself with a check window on the root window.
wm_is_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# Ready, or failed at once when it has exited.
wm_settled() { # pid
    wm_is_ready || ! kill -0 "$1" 2>/dev/null
}

start_window_manager() {
    openbox >"$work/openbox.log" 2>&1 &
    local wm=$!
    pids+=("$wm")
    wait_until 20 wm_settled "$wm" && wm_is_ready
}

# Stops every process the run started.
stop_all() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    pids=()
}

# A server that another one's start or end got in the way of is started
# afresh, once; a second failure ends the run with both logs.
start_x() {
    local attempt
    for attempt in 1 2; do
        if start_x_server && start_window_manager; then
            return 0
        fi
        echo "X did not start (attempt $attempt, display ${DISPLAY:-none}):"
        cat "$work/xvfb.log" "$work/openbox.log" 2>/dev/null
        stop_all
    done
    exit 1
}

e2e_begin() { # path to the planner binary
    require_tools Xvfb openbox xdotool xprop xwininfo
    binary=$(readlink -f "$1")
    work=$(mktemp -d /tmp/tolvik-e2e.XXXXXX)
    trap e2e_cleanup EXIT
    start_x
    export QT_QPA_PLATFORM=xcb
}

# A fresh program folder with the binary in it; the files are written by the caller.
new_folder() { # name
    local folder="$work/$1"
    mkdir -p "$folder/home"
    cp "$binary" "$folder/tolvik"
    echo "$folder"
}

# Runs the folder's planner in the foreground, its output in LOG, for a run
# that ends by itself (a second start); killed after TIMEOUT seconds.
run_planner() { # folder, log, timeout
    HOME="$1/home" XDG_CONFIG_HOME="$1/home/.config" timeout "$3" "$1/tolvik" >"$2" 2>&1
}

# Starts the folder's planner in the background and prints its process id.
start_planner() { # folder
    HOME="$1/home" XDG_CONFIG_HOME="$1/home/.config" "$1/tolvik" >"$1/stdout.log" 2>&1 &
    echo $!
}

# The planner's main window: by its process and its fixed 519-pixel width
# (Qt's 1x1 group leader carries the same title).
main_window_of() { # pid
    local id
    for id in $(xdotool search --pid "$1" --name '^(Tolvik|Толвик)$' 2>/dev/null); do
        if xwininfo -id "$id" 2>/dev/null | grep -q 'Width: 519'; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

window_of() { wait_until 20 main_window_of "$1"; } # pid

# The planner's error box, if one is up.
error_box_of() { # pid
    local id
    id=$(xdotool search --pid "$1" --name '^(Error|Ошибка)$' 2>/dev/null | head -n 1)
    [ -n "$id" ] && echo "$id"
}

# The negative tests hold only for a window that exists and is managed.
is_on_top() { xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q '_NET_WM_STATE_ABOVE'; }
is_not_on_top() { xprop -id "$1" WM_STATE 2>/dev/null | grep -q 'WM_STATE' && ! is_on_top "$1"; }
is_viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
is_iconic() { xprop -id "$1" WM_STATE 2>/dev/null | grep -q 'Iconic'; }
is_not_iconic() { xprop -id "$1" WM_STATE 2>/dev/null | grep -q 'WM_STATE' && ! is_iconic "$1"; }
title_is() { [ "$(xdotool getwindowname "$1" 2>/dev/null)" = "$2" ]; }
stop() { kill "$1" 2>/dev/null; wait "$1" 2>/dev/null; } # pid

# A sanitized planner writes its reports into its log: each one fails the run.
sanitizer_reports() {
    grep -l -E 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$work"/*/*.log 2>/dev/null
}

# Prints the summary line and returns non-zero when anything failed; the
# planners' output is shown then, to tell why.
e2e_end() {
    local log
    for log in $(sanitizer_reports); do
        echo "FAIL: sanitizer report in ${log#"$work"/}"
        failed=$((failed + 1))
    done
    if [ "$failed" -ne 0 ]; then
        for log in "$work"/*/*.log; do
            [ -s "$log" ] || continue
            echo "--- ${log#"$work"/}"
            cat "$log"
        done
    fi
    echo "e2e: $passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}
