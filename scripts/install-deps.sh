#!/usr/bin/env bash
# Installs the Debian 12 packages the planner and its tests need. Safe to run
# again: apt-get skips what is already installed.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config python3
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev libqt6svg6 libgl-dev
    qt6-qpa-plugins libqt6sql6-sqlite
    # the end-to-end tests: a real X server, a window manager, tools to look
    xvfb openbox xdotool x11-utils imagemagick fonts-dejavu-core fonts-urw-base35
    # the reminder's real services in the tests: a sound server with a null sink,
    # private D-Bus buses with mock logind and notification daemons
    pulseaudio pulseaudio-utils dbus dbus-daemon python3-dbusmock gstreamer1.0-plugins-base
    # benchmarks and fuzzing
    libbenchmark-dev clang libclang-rt-14-dev
)

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
