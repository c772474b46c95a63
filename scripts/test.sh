#!/bin/bash
# Installs what the build and the tests need (Debian 12, as root), builds the
# project and runs the whole test suite, the window tests on a private X
# server included. Exits non-zero when anything fails.
#
#   SKIP_APT=1         do not install packages
#   BUILD_DIR=dir      build tree (default: build)
#   ASAN_BUILD_DIR=dir tree of the AddressSanitizer + UBSan program that the
#                      monkey test drives (default: <BUILD_DIR>-asan); only
#                      the program is built there
#   CMAKE_ARGS="..."   extra configure options, e.g. -DVORNAK_ASAN=ON
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
    build-essential cmake pkg-config
    libsdl2-dev freeglut3-dev libglu1-mesa-dev libgl1-mesa-dri libx11-dev libgtest-dev
    xvfb xauth xfonts-base xdotool x11-utils imagemagick zenity desktop-file-utils
    zlib1g-dev g++-mingw-w64-x86-64 g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine wine64
    pgn-extract xboard polyglot
)

# The Windows build compiles SDL2 and freeglut from Debian's source packages
# (apt-get source), which needs source entries beside the binary ones.
add_source_entries()
{
    grep -rqsE '^(Types: *deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/ && return 0
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: *deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
            >/etc/apt/sources.list.d/debian-src.sources
    elif [ -f /etc/apt/sources.list ]; then
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >/etc/apt/sources.list.d/debian-src.list
    fi
}

if [ -z "${SKIP_APT:-}" ]; then
    if [ "$(id -u)" -eq 0 ]; then
        export DEBIAN_FRONTEND=noninteractive
        add_source_entries
        apt-get update -q
        apt-get install -y -q --no-install-recommends "${PACKAGES[@]}"
    else
        echo "test.sh: not root, packages not installed: ${PACKAGES[*]}" >&2
    fi
fi

BUILD_DIR=${BUILD_DIR:-build}
ASAN_BUILD_DIR=${ASAN_BUILD_DIR:-$BUILD_DIR-asan}
JOBS=$(nproc)

# The sources of the Windows program's SDL2.dll and glut32.dll, downloaded
# once into the build tree (the configure step would fetch them too).
if command -v x86_64-w64-mingw32-g++-posix >/dev/null; then
    bash scripts/fetch-windows-sources.sh "$BUILD_DIR/windows-sources"
fi

# The monkey test's program: built with the sanitizers, so that a fault the
# random input provokes shows as a report rather than passing unnoticed.
cmake -S . -B "$ASAN_BUILD_DIR" -DCMAKE_BUILD_TYPE=Debug -DVORNAK_ASAN=ON -DVORNAK_WERROR=ON \
    -DVORNAK_WINDOWS_PROGRAM=OFF
cmake --build "$ASAN_BUILD_DIR" -j "$JOBS" --target vornak
MONKEY_PROGRAM=$(cd "$ASAN_BUILD_DIR" && pwd)/vornak

# shellcheck disable=SC2086  # CMAKE_ARGS is a list of options
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORNAK_WERROR=ON \
    -DVORNAK_MONKEY_PROGRAM="$MONKEY_PROGRAM" ${CMAKE_ARGS:-}
cmake --build "$BUILD_DIR" -j "$JOBS"
cd "$BUILD_DIR"
# The frame-rate measurement (label "bench") is run by hand: ctest -L bench.
ctest --output-on-failure -j "$JOBS" -LE bench
