#!/bin/bash
# vornak-package: a manifest with every kind of line builds a package that
# "list" reads back field by field; damaged manifests and packages end with
# the reason and a non-zero status, and leave no output file behind.
set -euo pipefail
TOOL=$1
DIR=$(mktemp -d)
trap 'rm -rf "$DIR"' EXIT
cd "$DIR"
fail() { echo "FAIL: $*" >&2; exit 1; }

printf 'MZ stub bytes' > stub.exe
printf 'uninstaller' > uninst.exe
printf 'Licence text\nsecond line\n' > licence.txt
printf 'program' > vornak.exe
mkdir -p meshes
printf 'solid king\nendsolid\n' > meshes/KING.STL
cat > m.txt <<'MANIFEST'
# the shipped layout, with extras
product = Vornak
version = 2.98F
show_welcome = 1
show_destination = 1
show_shortcuts = 1
licence = licence.txt
pack_licence = 0
programs_menu = 1
desktop = 1
startup = 0
run_program = 1
close_running = 1
window_class = vornak
program = vornak.exe
uninstaller = uninst.exe
file = vornak.exe | - | 0 |  | 2026-12-07 15:04:59 | 2.98.0.6 | restart,shared
file = meshes/KING.STL | - | 0 | pieces | 2020-01-31 00:00:00 | - | -
user_value = Software\Vornak | 1 | Path | <Destination>
machine_value = Software\Vornak | 4 | Depth | 8
association = .vsg | Vornak.Game | Vornak game | <Destination>\vornak.exe | <Destination>\vornak.exe | 2
run = <Temp>\redist.exe | /q | 1
MANIFEST
"$TOOL" build m.txt stub.exe out.exe > build.log || fail "build: $(cat build.log)"
"$TOOL" list out.exe > list.txt || fail "list failed"
expect() { grep -qxF -- "$1" list.txt || { cat list.txt >&2; fail "missing line: $1"; }; }
expect "product: Vornak"
expect "version: 2.98F"
expect "pages: welcome 1 licence 1 destination 1 shortcuts 1"
expect "shortcuts: programs 1 desktop 1 startup 0"
expect "run program: 1"
expect "close running: 1"
expect "window class: vornak"
expect "program: vornak.exe"
expect "licence: 25 bytes"
expect "uninstaller: 11 bytes"
expect "files: 2"
expect "  vornak.exe size 7 dest install subdir '' time 2026-12-07 15:04:59 version 2.98.0.6 restart shared"
expect "  KING.STL size 20 dest install subdir 'pieces' time 2020-01-31 00:00:00"
expect "    type 1 Path=<Destination>"
expect "    type 4 Depth=8"
expect "  .vsg Vornak.Game 'Vornak game' program '<Destination>\\vornak.exe' icon '<Destination>\\vornak.exe',2"
expect "  <Temp>\\redist.exe '/q' condition 1"
# The stub is kept byte for byte in front of the package.
cmp -n 13 stub.exe out.exe || fail "stub changed"

# A damaged package: the reader's message, status 1.
head -c -1 out.exe > cut.exe
printf '\377\377\377\177' >> cut.exe
if "$TOOL" list cut.exe 2> err.txt; then fail "damaged package listed"; fi
grep -q "Invalid package trailer." err.txt || fail "wrong message: $(cat err.txt)"

# A manifest with an unsafe name: refused, nothing written.
sed 's/| - | 0 | pieces |/| - | 0 | ..\\\\pieces |/' m.txt > bad.txt
if "$TOOL" build bad.txt stub.exe bad.exe 2> err.txt; then fail "unsafe manifest built"; fi
grep -q "Unsafe file name" err.txt || fail "wrong message: $(cat err.txt)"
[ ! -e bad.exe ] && [ ! -e bad.exe.part ] || fail "output left behind"
echo "package tool: ok"
