#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a Debian 12 or 13 machine for the calculator, builds it, and then either
# starts it ("run") or runs the whole test suite headless ("test").
# Safe to run again: it installs only what is missing and rebuilds only what
# changed.
set -euo pipefail

mode="${1:-}"
if [[ "$mode" != run && "$mode" != test ]]; then
    echo "usage: $0 run|test" >&2
    exit 2
fi

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ALTAVESH_BUILD_DIR:-$root/build}"

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-webengine-dev libgl-dev
    fonts-liberation fonts-urw-base35 fonts-dejavu-core
    xvfb xauth
)
# Only the tests and benchmarks need these: Google Benchmark, package and desktop metadata checks, a client
# for the browser engine's debugging port (python3-websocket), the desktops the GUI tests run on
# (openbox on Xvfb, with xprop to tell when it manages the screen and xmodmap to give the keyboard
# the regional digits; GNOME's mutter on Wayland, with Xwayland, Qt's Wayland plugin and gdbus), the
# test hand's ways in (xdotool on X; mutter's remote desktop through python3-gi), what listens as a
# screen reader does (the accessibility bus, its Python bindings, and Orca with Speech Dispatcher),
# and clang-format for the sources' layout.
[[ "$mode" == test ]] && packages+=(libbenchmark-dev dpkg-dev file lintian desktop-file-utils appstream curl python3 clang-format
    python3-websocket openbox x11-utils x11-xserver-utils mutter xwayland qt6-wayland libglib2.0-bin
    xdotool dbus at-spi2-core python3-gi gir1.2-atspi-2.0 orca speech-dispatcher)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=()
    [[ $(id -u) -ne 0 ]] && sudo=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# CMake keeps options in its cache, so each mode sets them every time: `run`
# must not configure the tests (their packages may be missing), and `test`
# must not inherit a cache that `run` left without them. The tests' builds
# take a warning for an error, so that none lands unnoticed; a user's build
# with a newer compiler still builds.
extras=ON
[[ "$mode" == run ]] && extras=OFF
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_TESTING=$extras -DALTAVESH_BUILD_BENCH=$extras -DCMAKE_COMPILE_WARNING_AS_ERROR=$extras >/dev/null
cmake --build "$build"

if [[ "$mode" == test ]]; then
    export QT_QPA_PLATFORM=offscreen
    [[ $(id -u) -eq 0 ]] && export QTWEBENGINE_DISABLE_SANDBOX=1
    ctest --test-dir "$build" --output-on-failure --no-tests=error
    # The same suite again, built with AddressSanitizer and UBSan.
    asan="${build}-asan"
    cmake -S "$root" -B "$asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DALTAVESH_SANITIZE=ON -DBUILD_TESTING=ON -DALTAVESH_BUILD_BENCH=OFF \
        -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
    cmake --build "$asan"
    ctest --test-dir "$asan" --output-on-failure --no-tests=error
    exit
fi

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "No display found. To run the calculator on a virtual screen:" >&2
    echo "    xvfb-run -a -s '-screen 0 1024x768x24' $build/bin/Al-Tavesh" >&2
    exit 1
fi
exec "$build/bin/Al-Tavesh"
