#!/usr/bin/env bash
# The power-off request on a private system bus with a mock logind
# (python3-dbusmock's logind template under Debian's /usr/bin/python3). The
# machine's own system bus and logind are never reached: every D-Bus client
# started here gets DBUS_SYSTEM_BUS_ADDRESS of the private bus, and the script
# stops before starting anything if that address is not the private one.
#
# Usage: run_poweroff.sh --self-check
#   sets up the bus and the mock, asks the mock to power off through the
#   private address and checks that the mock's call log shows it.
# The planner-driven check (a record with the power-off switch falls due and
# PowerOff arrives about five seconds later, then the process ends) comes
# with the reminder's window wiring; until then this script is not part of
# CTest.
set -uo pipefail

python=/usr/bin/python3
work=$(mktemp -d /tmp/tolvik-poweroff.XXXXXX)
passed=0
failed=0
pids=()

cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

for tool in dbus-daemon "$python"; do
    if ! command -v "$tool" >/dev/null; then
        echo "missing $tool: install the test packages (scripts/install-deps.sh)"
        exit 1
    fi
done
if ! "$python" -c 'import dbusmock' 2>/dev/null; then
    echo "missing python3-dbusmock: install the test packages (scripts/install-deps.sh)"
    exit 1
fi

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

# A system bus of our own: its own socket in the work folder, a policy that
# lets the mock own logind's name.
start_private_system_bus() {
    cat >"$work/system.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=$work/system_bus_socket</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_type="method_call"/>
    <allow send_type="signal"/>
    <allow send_type="method_return"/>
    <allow send_type="error"/>
    <allow receive_type="method_call"/>
    <allow receive_type="signal"/>
    <allow receive_type="method_return"/>
    <allow receive_type="error"/>
  </policy>
</busconfig>
CONF
    dbus-daemon --config-file="$work/system.conf" --nofork --print-address=1 >"$work/address" 2>"$work/bus.log" &
    pids+=($!)
    for _ in $(seq 100); do
        [ -s "$work/address" ] && break
        sleep 0.1
    done
    private_address=$(head -n 1 "$work/address")
    case "$private_address" in
    "unix:path=$work/system_bus_socket"*) ;;
    *)
        echo "the private system bus did not start (address '$private_address'); stopping"
        exit 1
        ;;
    esac
    export DBUS_SYSTEM_BUS_ADDRESS=$private_address
}

# Refuses to go on unless the system bus of every client started from here is
# the private one.
require_private_bus() {
    case "${DBUS_SYSTEM_BUS_ADDRESS:-}" in
    "unix:path=$work/system_bus_socket"*) return 0 ;;
    esac
    echo "DBUS_SYSTEM_BUS_ADDRESS is not the private bus; stopping"
    exit 1
}

start_mock_logind() {
    require_private_bus
    "$python" -m dbusmock --template logind -l "$work/logind.log" >"$work/mock.out" 2>&1 &
    pids+=($!)
    for _ in $(seq 150); do
        mock_answers && return 0
        sleep 0.1
    done
    echo "the mock logind did not come up:"
    cat "$work/mock.out"
    exit 1
}

# Runs a python snippet with `manager`, logind's manager object on the
# private bus (reached by its address only, never as "the system bus").
on_mock() {
    require_private_bus
    "$python" - "$DBUS_SYSTEM_BUS_ADDRESS" "$1" <<'PY'
import sys
import dbus
bus = dbus.bus.BusConnection(sys.argv[1])
manager = bus.get_object("org.freedesktop.login1", "/org/freedesktop/login1")
exec(sys.argv[2])
PY
}

mock_answers() { on_mock 'manager.GetCalls(dbus_interface="org.freedesktop.DBus.Mock")' >/dev/null 2>&1; }

# How many PowerOff calls the mock has had, and with which arguments:
# prints one line per call, "PowerOff False" for a non-interactive request.
poweroff_calls() {
    on_mock '
for stamp, method, args in manager.GetCalls(dbus_interface="org.freedesktop.DBus.Mock"):
    if method == "PowerOff":
        print(method, " ".join(str(bool(a)) for a in args))
'
}

# Waits up to $1 seconds for exactly one non-interactive PowerOff.
expect_one_poweroff() {
    local calls
    for _ in $(seq $(($1 * 10))); do
        calls=$(poweroff_calls)
        [ -n "$calls" ] && break
        sleep 0.1
    done
    sleep 0.5
    calls=$(poweroff_calls)
    [ "$calls" = "PowerOff False" ]
}

self_check() {
    start_private_system_bus
    start_mock_logind
    check "no PowerOff before the request" test -z "$(poweroff_calls)"
    on_mock 'manager.PowerOff(False, dbus_interface="org.freedesktop.login1.Manager")'
    check "the mock logs one non-interactive PowerOff" expect_one_poweroff 5
}

case "${1:-}" in
--self-check) self_check ;;
*)
    echo "usage: $0 --self-check"
    exit 2
    ;;
esac

echo "poweroff: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
