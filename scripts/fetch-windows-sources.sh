#!/bin/bash
# Fetches the sources of SDL2 and freeglut that the Windows build of the
# program compiles with MinGW-w64: Debian's own source packages, unpacked
# into DIR (libsdl2-*/ and freeglut-*/). Does nothing when they are there
# already, so a rebuild never downloads again. Needs a deb-src entry in the
# apt sources (scripts/test.sh adds one); no root rights.
#
#   fetch-windows-sources.sh DIR
set -euo pipefail
# Absolute: the checks below run from inside it.
mkdir -p "$1"
DIR=$(cd "$1" && pwd)

present()
{
    local pattern
    for pattern in 'libsdl2-*/CMakeLists.txt' 'freeglut-*/CMakeLists.txt'; do
        # shellcheck disable=SC2086  # the pattern is meant to glob
        compgen -G "$DIR/$pattern" >/dev/null || return 1
    done
}

present && exit 0
cd "$DIR"
# A half-finished earlier attempt would leave a directory that apt-get
# refuses to unpack over.
rm -rf libsdl2-* freeglut-* libsdl2_* freeglut_*
if ! apt-get source -q libsdl2 freeglut >fetch.log 2>&1; then
    cat fetch.log >&2
    echo "fetch-windows-sources: 'apt-get source libsdl2 freeglut' failed; the apt sources need a deb-src entry" >&2
    exit 1
fi
# Only the unpacked trees are used.
rm -f ./*.dsc ./*.tar.* ./*.diff.gz
present || { echo "fetch-windows-sources: no SDL2 or freeglut tree in $DIR" >&2; exit 1; }
