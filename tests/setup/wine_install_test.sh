#!/bin/bash
# setup.exe and VTUnInst.exe under wine: a package with every page, file
# destination and setting is clicked through (licence refusal blocks Next,
# the folder picker, the shortcut boxes) and its results checked on disk and
# in the registry; then a version-checked DLL is skipped or replaced with its
# shared count, a copy is cancelled half-way, damaged packages end in the
# "Error" box with status 1, and the uninstaller removes what it should.
#
#   wine_install_test.sh SETUP_EXE UNINSTALLER_EXE VORNAK_PACKAGE
set -u
SETUP=$1 UNINST=$2 TOOL=$3
source "$(dirname "$0")/wine_lib.sh"
w_require x86_64-w64-mingw32-gcc x86_64-w64-mingw32-windres
w_begin
F="$W_TMP/files"
mkdir -p "$F"

# --- Test files ---------------------------------------------------------------

# A DLL that carries a file version, as the version check reads it.
make_dll()  # name major minor build revision
{
    cat > "$F/v.rc" <<RC
1 VERSIONINFO
FILEVERSION $2,$3,$4,$5
PRODUCTVERSION $2,$3,$4,$5
BEGIN
  BLOCK "StringFileInfo"
  BEGIN
    BLOCK "040904b0"
    BEGIN
      VALUE "FileVersion", "$2.$3.$4.$5"
    END
  END
  BLOCK "VarFileInfo"
  BEGIN
    VALUE "Translation", 0x409, 1200
  END
END
RC
    echo "int vornak_test_version = $2$3$4$5;" > "$F/v.c"
    x86_64-w64-mingw32-windres "$F/v.rc" -O coff -o "$F/v.o" || w_fail "windres"
    x86_64-w64-mingw32-gcc -shared -s -o "$F/$1" "$F/v.c" "$F/v.o" || w_fail "dll link"
}
make_dll shared12.dll 1 2 0 0
make_dll shared11.dll 1 1 0 0
make_dll shared13.dll 1 3 0 0
printf 'the program\r\n' > "$F/vornak.exe"
for piece in BISHOP KING KNIGHT PAWN QUEEN ROOK; do
    printf 'solid %s\nendsolid\n' "$piece" > "$F/$piece.STL"
done
printf 'Licence text & terms\nsecond line\n' > "$F/licence.txt"
printf 'note' > "$F/note.txt"
printf '@echo off\r\nif exist "%%TEMP%%\\vt_temp\\note.txt" echo ran> C:\\ran.txt\r\n' > "$F/runme.bat"
printf '@echo off\r\necho ran> C:\\never.txt\r\n' > "$F/never.bat"

header()  # product pages(0/1) [close_running, default 1]
{
    cat <<M
product = $1
version = 2.98F
show_welcome = $2
show_destination = $2
show_shortcuts = $2
programs_menu = 1
desktop = 1
startup = 0
run_program = 0
close_running = ${3:-1}
window_class = VornakTestWindow
program = vornak.exe
uninstaller = $UNINST
M
}

# --- 1. The whole wizard ---------------------------------------------------------
{
    header Vornak 1
    echo "licence = licence.txt"
    echo "file = vornak.exe | - | 0 |  | 2026-12-07 15:04:59 | 2.98.0.6 | -"
    for piece in BISHOP KING KNIGHT PAWN QUEEN ROOK; do
        echo "file = $piece.STL | - | 0 | pieces | 2020-01-31 08:09:10 | - | -"
    done
    echo "file = shared12.dll | vtshared.dll | 2 |  | 2021-06-15 12:00:00 | 1.2.0.0 | shared"
    echo "file = note.txt | - | 6 |  | 2021-06-15 12:00:00 | - | -"
    echo "file = runme.bat | - | 6 |  | 2021-06-15 12:00:00 | - | -"
    echo "file = never.bat | - | 6 |  | 2021-06-15 12:00:00 | - | -"
    echo "user_value = Software\\Vornak | 1 | Path | <Destination>"
    echo "user_value = Software\\Vornak | 4 | Depth | 12"
    echo "machine_value = Software\\Vornak | 1 | Version | 2.98F"
    echo "association = .vsg | Vornak.Game | Vornak saved game | <Destination>\\vornak.exe | <Destination>\\vornak.exe | 1"
    echo "run = <Temp>\\runme.bat |  | 0"
    echo "run = <Temp>\\never.bat |  | 1"
} > "$F/full.txt"
"$TOOL" build "$F/full.txt" "$SETUP" "$F/full.exe" >/dev/null || w_fail "package build"

w_start "$F/full.exe"
w_wait_line "^page welcome"
w_wait_line "^control next "
w_click next
w_wait_line "^page licence"
w_wait_line "^control disagree "
[ "$(w_enabled next)" = 0 ] || w_fail "Next enabled before the licence is accepted"
w_click next
sleep 2
[ "$(w_count '^page destination')" = 0 ] || w_fail "Next left the licence page without agreement"
w_click agree
for i in $(seq 50); do [ "$(w_enabled next)" = 1 ] && break; sleep 0.2; done
[ "$(w_enabled next)" = 1 ] || w_fail "Next stays disabled after I agree"
w_click next
w_wait_line "^page destination"
w_wait_line "^control browse "
# An emptied box is not a destination: the page stays.
w_click dir
xdotool key End shift+Home BackSpace
w_click next
w_wait_line "^destination refused"
w_answer '^Vornak Setup$' Return
sleep 1
[ "$(w_count '^page shortcuts')" = 0 ] || w_fail "an empty destination was accepted"
w_click browse
PICKER=$(w_find_window '^Browse for Folder$' 10) || w_fail "the folder picker did not open"
sleep 1
eval "$(xwininfo -id "$PICKER" | awk '/Absolute upper-left X/ {print "PX=" $4} /Absolute upper-left Y/ {print "PY=" $4}')"
# "Documents" in the tree, then OK.
xdotool mousemove $((PX + 90)) $((PY + 105)) click 1
sleep 0.5
xdotool mousemove $((PX + 180)) $((PY + 296)) click 1
sleep 1
# A trailing backslash typed at the end is dropped.
w_click dir
xdotool key End backslash
w_click next
w_wait_line "^page shortcuts"
w_wait_line "^control startup "
w_click desktop
w_click startup
sleep 0.5
w_click finish
w_wait_line "^install"
w_wait_line "^page complete" 120
w_answer '^Vornak Setup$' Return
w_wait_exit
[ "$W_STATUS" = 0 ] || w_fail "setup exited with $W_STATUS"

# The picked folder with the product's folder in it, the typed backslash dropped.
PICKED=$(grep -E '^picked ' "$W_LOG" | tail -1 | sed -E 's/^picked //; s/\\$//')
[ -n "$PICKED" ] || w_fail "the folder picker returned nothing"
WDEST=$(grep -E '^wrote .*\\vornak\.exe$' "$W_LOG" | sed -E 's/^wrote //; s/\\vornak\.exe$//')
[ "$WDEST" = "$PICKED\\Vornak" ] || w_fail "installed into '$WDEST', not into the picked '$PICKED'"
DEST=$(wine winepath -u "$WDEST" 2>/dev/null | tr -d '\r')
DEST=${DEST%/}
[ -f "$DEST/vornak.exe" ] || w_fail "vornak.exe not in the picked folder"
cmp -s "$F/vornak.exe" "$DEST/vornak.exe" || w_fail "vornak.exe contents differ"
for piece in BISHOP KING KNIGHT PAWN QUEEN ROOK; do
    cmp -s "$F/$piece.STL" "$DEST/pieces/$piece.STL" || w_fail "pieces/$piece.STL missing or different"
done
[ "$(stat -c %Y "$DEST/vornak.exe")" = "$(date -d '2026-12-07 15:04:59' +%s)" ] || w_fail "vornak.exe time"
[ "$(stat -c %Y "$DEST/pieces/KING.STL")" = "$(date -d '2020-01-31 08:09:10' +%s)" ] || w_fail "KING.STL time"
SYS="$C/windows/system32"
cmp -s "$F/shared12.dll" "$SYS/vtshared.dll" || w_fail "shared DLL not in the system folder"
[ -f "$C/windows/VTUnInst.exe" ] || w_fail "VTUnInst.exe not in the Windows folder"
cmp -s "$UNINST" "$C/windows/VTUnInst.exe" || w_fail "VTUnInst.exe differs from the packaged one"
[ -f "$C/ran.txt" ] || w_fail "the follow-up program did not run with the temporary files in place"
[ ! -e "$C/never.txt" ] || w_fail "a program only for old systems ran"
TEMPDIR=$(find "$C/users" -maxdepth 5 -type d -name vt_temp 2>/dev/null | head -1)
[ -z "$TEMPDIR" ] || w_fail "the temporary folder $TEMPDIR is left"

# Shortcuts: Programs menu and Startup chosen, Desktop switched off.
PROGRAMS=$(grep -E '^shortcut .*\\Programs\\Vornak\.lnk$' "$W_LOG" | sed 's/^shortcut //')
STARTUP=$(grep -iE '^shortcut .*\\Startup\\Vornak\.lnk$' "$W_LOG" | sed 's/^shortcut //')
[ -n "$PROGRAMS" ] && [ -n "$STARTUP" ] || w_fail "Programs and Startup shortcuts not made"
grep -qE '^shortcut .*Desktop' "$W_LOG" && w_fail "a Desktop shortcut was made though unticked"
LNK=$(find "$C/users" -path '*Start Menu/Programs/Vornak.lnk' | head -1)
[ -n "$LNK" ] || w_fail "no Programs menu link on disk"
[ "$(head -c 4 "$LNK" | od -An -tx1 | tr -d ' ')" = 4c000000 ] || w_fail "the link is not a shell link"
strings -a "$LNK" | grep -q 'vornak.exe' || strings -a -el "$LNK" | grep -q 'vornak.exe' || w_fail "link target"

LOG="$DEST/Uninst.log"
[ -f "$LOG" ] || w_fail "no Uninst.log"
EXPECTED=$(printf 'Vornak\nCheckProgramNotRunning\nVornakTestWindow\n2\n%s\n%s\n1\nC:\\windows\\system32\\vtshared.dll\n' "$PROGRAMS" "$STARTUP")
[ "$(cat "$LOG")" = "$EXPECTED" ] || { cat "$LOG" >&2; w_fail "Uninst.log content"; }

wineserver -w
[ "$(w_reg 'HKCU\Software\Vornak' Path)" = "Path    REG_SZ    $WDEST" ] || w_fail "HKCU Path: $(w_reg 'HKCU\Software\Vornak' Path)"
[ "$(w_reg 'HKCU\Software\Vornak' Depth)" = "Depth    REG_DWORD    0xc" ] || w_fail "HKCU Depth"
[ "$(w_reg 'HKLM\Software\Vornak' Version)" = "Version    REG_SZ    2.98F" ] || w_fail "HKLM Version"
wine reg query 'HKCR\.vsg' 2>/dev/null | tr -d '\r' | grep -q 'Vornak.Game' || w_fail ".vsg association"
wine reg query 'HKCR\Vornak.Game\shell\open\command' 2>/dev/null | tr -d '\r' | grep -qF "$WDEST\\vornak.exe \"%1\"" ||
    w_fail "open command"
wine reg query 'HKCR\Vornak.Game\DefaultIcon' 2>/dev/null | tr -d '\r' | grep -qF "$WDEST\\vornak.exe,1" || w_fail "icon"
UKEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vornak'
[ "$(w_reg "$UKEY" DisplayName)" = "DisplayName    REG_SZ    Vornak" ] || w_fail "DisplayName"
[ "$(w_reg "$UKEY" UninstallString)" = "UninstallString    REG_SZ    C:\\windows\\VTUnInst.exe $WDEST\\Uninst.log" ] ||
    w_fail "UninstallString: $(w_reg "$UKEY" UninstallString)"
SHARED='HKLM\Software\Microsoft\Windows\CurrentVersion\SharedDLLs'
shared_count()
{
    wine reg query "$SHARED" 2>/dev/null | tr -d '\r' | grep -iF 'C:\windows\system32\vtshared.dll ' | awk '{print $3}'
}
[ "$(shared_count)" = 0x1 ] || w_fail "shared count after the first install: $(shared_count)"
w_log "full wizard install: ok"

# --- 2. Version checks and shared counts -----------------------------------------
{
    header VornakB 0
    echo "file = shared11.dll | vtshared.dll | 2 |  | 2021-06-15 12:00:00 | 1.1.0.0 | shared"
    echo "file = shared12.dll | vtshared.dll | 2 |  | 2021-06-15 12:00:00 | 1.2.0.0 | shared"
} > "$F/older.txt"
"$TOOL" build "$F/older.txt" "$SETUP" "$F/older.exe" >/dev/null || w_fail "package build"
w_start "$F/older.exe"
w_wait_line "^page complete" 120
w_answer '^VornakB Setup$' Return
w_wait_exit
[ "$W_STATUS" = 0 ] || w_fail "setup exited with $W_STATUS"
[ "$(w_count '^skip .*vtshared.dll')" = 2 ] || w_fail "an older or equal DLL was not skipped"
cmp -s "$F/shared12.dll" "$SYS/vtshared.dll" || w_fail "the installed DLL was touched"
wineserver -w
[ "$(shared_count)" = 0x1 ] || w_fail "a skipped DLL changed its shared count: $(shared_count)"

{
    header VornakC 0
    echo "file = shared13.dll | vtshared.dll | 2 |  | 2021-06-15 12:00:00 | 1.3.0.0 | shared"
} > "$F/newer.txt"
"$TOOL" build "$F/newer.txt" "$SETUP" "$F/newer.exe" >/dev/null || w_fail "package build"
w_start "$F/newer.exe"
w_wait_line "^page complete" 120
w_answer '^VornakC Setup$' Return
w_wait_exit
cmp -s "$F/shared13.dll" "$SYS/vtshared.dll" || w_fail "a newer DLL was not installed"
wineserver -w
[ "$(shared_count)" = 0x2 ] || w_fail "shared count after a second product: $(shared_count)"
w_log "version checks and shared counts: ok"

# --- 3. Cancel during the copy ------------------------------------------------------
{
    header VornakD 0
    for i in $(seq 1 30); do echo "file = note.txt | f$i.txt | 0 |  | 2021-06-15 12:00:00 | - | -"; done
    echo "user_value = Software\\VornakD | 1 | Copied | all"
} > "$F/cancel.txt"
"$TOOL" build "$F/cancel.txt" "$SETUP" "$F/cancel.exe" >/dev/null || w_fail "package build"
VORNAK_SETUP_SLOW=400 w_start "$F/cancel.exe"
w_wait_line '^wrote .*\\f2\.txt$' 120
w_click cancel
w_wait_line "^ask cancel"
w_answer '^VornakD Setup$' y
w_wait_line "^copy cancelled"
w_wait_line "^page complete"
w_answer '^VornakD Setup$' Return
w_wait_exit
[ "$W_STATUS" = 0 ] || w_fail "setup exited with $W_STATUS after a cancel"
PF="$C/Program Files/VornakD"
COPIED=$(find "$PF" -name 'f*.txt' | wc -l)
[ "$COPIED" -ge 2 ] && [ "$COPIED" -lt 30 ] || w_fail "$COPIED files copied after a cancel"
[ -f "$PF/Uninst.log" ] || w_fail "no uninstall log after a cancel"
wineserver -w
[ -z "$(w_reg 'HKCU\Software\VornakD' Copied)" ] || w_fail "registry values written after a cancel"
[ -n "$(w_reg 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\VornakD' DisplayName)" ] ||
    w_fail "no uninstall registration after a cancel"
w_log "cancel during the copy: ok"

# --- 4. Damaged packages -------------------------------------------------------------
damaged()  # file expected-message
{
    w_start "$1"
    w_wait_line "^error " 60
    grep -qxF "error $2" "$W_LOG" || w_fail "expected '$2'"
    w_answer '^Error$' Return
    w_wait_exit
    [ "$W_STATUS" = 1 ] || w_fail "a damaged package exited with $W_STATUS"
}
cp "$F/older.exe" "$F/trailer.exe"
printf '\377\377\377\177' | dd of="$F/trailer.exe" bs=1 seek=$(($(stat -c %s "$F/trailer.exe") - 4)) conv=notrunc status=none
damaged "$F/trailer.exe" "Invalid package trailer."
# A byte of the packed uninstaller changed: the inflate fails once copying starts.
cp "$F/older.exe" "$F/packed.exe"
OFFSET=$(od -An -tu4 -j $(($(stat -c %s "$F/packed.exe") - 4)) -N4 "$F/packed.exe" | tr -d ' ')
printf '\125\252\125\252' | dd of="$F/packed.exe" bs=1 seek=$((OFFSET + 133 + 8 + 100)) conv=notrunc status=none
damaged "$F/packed.exe" "Error uncompressing data."
w_log "damaged packages: ok"

# --- 5. A file in use and a running program ---------------------------------------
x86_64-w64-mingw32-gcc -s -o "$F/holder.exe" "$(dirname "$0")/holder.c" || w_fail "holder build"
BUSY="$C/Program Files/VornakR"
mkdir -p "$BUSY"
printf 'old' > "$BUSY/busy.dll"
wine "$F/holder.exe" 'C:\Program Files\VornakR\busy.dll' VornakTestWindow >"$W_TMP/holder.log" 2>/dev/null &
HOLDER=$!
for i in $(seq 150); do grep -q holding "$W_TMP/holder.log" && break; sleep 0.2; done
grep -q holding "$W_TMP/holder.log" || w_fail "the stand-in program did not start"
{
    header VornakR 0 0
    echo "file = note.txt | busy.dll | 0 |  | 2021-06-15 12:00:00 | - | restart"
    echo "file = note.txt | free.txt | 0 |  | 2021-06-15 12:00:00 | - | -"
} > "$F/busy.txt"
"$TOOL" build "$F/busy.txt" "$SETUP" "$F/busy.exe" >/dev/null || w_fail "package build"
w_start "$F/busy.exe"
w_wait_line "^page restart" 120
w_wait_line "^control finish "
grep -qF 'wrote C:\Program Files\VornakR\busy.dll.new' "$W_LOG" || w_fail "the file in use was not written beside it"
grep -qF 'scheduled C:\Program Files\VornakR\busy.dll' "$W_LOG" || w_fail "the replacement was not scheduled"
# Clicks reach the dialog only once it is on the screen.
for i in $(seq 20); do
    w_click no
    sleep 0.5
    grep -q '^restart choice later' "$W_LOG" && break
done
w_wait_line '^restart choice later'
w_click finish
w_wait_line '^finish$'
w_wait_exit
[ "$W_STATUS" = 0 ] || w_fail "setup exited with $W_STATUS after the restart question"
[ "$(cat "$BUSY/busy.dll")" = old ] || w_fail "the file in use was overwritten"
cmp -s "$F/note.txt" "$BUSY/busy.dll.new" || w_fail "no busy.dll.new"
cmp -s "$F/note.txt" "$BUSY/free.txt" || w_fail "the file after the busy one was not written"
for i in 1 2 3 4 5; do
    PENDING=$(wine reg query 'HKLM\System\CurrentControlSet\Control\Session Manager' \
        /v PendingFileRenameOperations 2>&1 | tr -d '\r')
    [ -n "$PENDING" ] && break
    sleep 1
done
echo "$PENDING" | grep -qiF 'VornakR\busy.dll.new' || w_fail "the replacement is not scheduled: $PENDING"

# The uninstaller refuses while the program runs...
w_start "$C/windows/VTUnInst.exe" "$WDEST\\Uninst.log"
w_wait_line "^ask remove"
w_answer '^Vornak Uninstall$' y
w_wait_line "^running"
w_answer '^Vornak Uninstall$' Return
w_wait_exit
[ "$W_STATUS" = 1 ] || w_fail "the uninstaller went on while the program runs ($W_STATUS)"
[ -f "$DEST/vornak.exe" ] || w_fail "files removed while the program runs"
# ...and setup closes a running copy when its package asks to.
{
    header VornakS 0 1
    echo "file = note.txt | - | 0 |  | 2021-06-15 12:00:00 | - | -"
} > "$F/close.txt"
"$TOOL" build "$F/close.txt" "$SETUP" "$F/close.exe" >/dev/null || w_fail "package build"
w_start "$F/close.exe"
w_wait_line "^page complete" 120
w_answer '^VornakS Setup$' Return
w_wait_exit
for i in $(seq 100); do kill -0 "$HOLDER" 2>/dev/null || break; sleep 0.2; done
grep -q closing "$W_TMP/holder.log" || w_fail "the running program was not asked to close"
w_log "file in use and running program: ok"

# --- 6. The uninstaller ------------------------------------------------------------
w_start "$C/windows/VTUnInst.exe" "$WDEST\\Uninst.log"
w_wait_line "^ask remove"
w_answer '^Vornak Uninstall$' y
w_wait_line "^page removed" 60
w_answer '^Vornak Uninstall$' Return
w_wait_exit
[ "$W_STATUS" = 0 ] || w_fail "the uninstaller exited with $W_STATUS"
[ ! -e "$DEST" ] || w_fail "the installation folder is left: $(find "$DEST")"
[ -z "$(find "$C/users" -name 'Vornak.lnk')" ] || w_fail "shortcuts left: $(find "$C/users" -name 'Vornak.lnk')"
[ -f "$SYS/vtshared.dll" ] || w_fail "a DLL still used by another product was removed"
wineserver -w
[ "$(shared_count)" = 0x1 ] || w_fail "shared count after the uninstall: $(shared_count)"
[ -z "$(w_reg "$UKEY" DisplayName)" ] || w_fail "the Uninstall key is left"
w_log "uninstaller: ok"
echo "installer under wine: ok"
