#!/usr/bin/env bash
# Installs the Debian 12 packages the planner and its tests need. Safe to run
# again: nothing is fetched when everything is installed. A caller that has
# just refreshed the package lists sets TOLVIK_APT_UPDATED=1, so they are not
# refreshed a second time.
set -euo pipefail

packages=(
    # the build (pkg-config: Qt's CMake files look up xkbcommon with it)
    build-essential cmake ninja-build pkg-config
    # Qt: the headers and tools, the offscreen and xcb platforms the tests run on
    qt6-base-dev qt6-qpa-plugins
    # the window's fonts: Nimbus Sans stands in for MS Sans Serif, DejaVu for the rest
    fonts-urw-base35 fonts-dejavu-core
    # the end-to-end tests: a real X server, a window manager, tools to look
    xvfb xauth openbox xdotool x11-utils
    # the reminder's real services in the tests: a sound server with a null sink,
    # private D-Bus buses with mock logind and notification daemons
    qt6-multimedia-dev pulseaudio pulseaudio-utils dbus dbus-daemon python3-dbusmock gstreamer1.0-plugins-base
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
if [ "${TOLVIK_APT_UPDATED:-0}" != 1 ]; then
    $sudo apt-get update
fi
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
