#!/usr/bin/env bash
# Gridora for Windows under Wine, with a fresh Wine prefix and an X server and a sound server of
# this run's own, all stopped here: the cue file's, the logic's and the window's tests built for
# Windows; then gridora.exe copied alone into an empty folder and played: its window, "Start "
# heard, marks placed by clicks and digit keys and read back from the screen, the winner's box,
# the cue file beside it until the window closes; German captions under LANG=de_DE.UTF-8; and the
# window's size at Windows' Text size 150 %.
# Usage: tests/windows.sh WINDOWS_BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
w=$(mktemp -d /tmp/gridora-wine.XXXXXX)
# Every process started here carries this run's mark, so that all of them (the wineserver and
# Wine's services too) are found and stopped at the end.
env=(env -i PATH=/usr/bin:/bin HOME="$w/home" LANG=C.UTF-8 XDG_RUNTIME_DIR="$w/run" GRIDORA_RUN="$w"
     WINEPREFIX="$w/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LOCPATH="$w/locale")
. "$(dirname "$0")/wait.sh"
install -d -m 700 "$w/home" "$w/run" "$w/alone" "$w/locale"
# German needs a German locale, which Wine takes from the C library: one made for this run.
localedef -i de_DE -f UTF-8 "$w/locale/de_DE.UTF-8" || fail "cannot make a de_DE.UTF-8 locale"

servers 1920x1440x24
run() { "${env[@]}" "$@"; }
start=$SECONDS
run wine wineboot --init >"$w/wineboot.log" 2>&1 || fail "wineboot"
echo "-- $(wine --version): a fresh prefix in $((SECONDS - start)) s"

for test in test_cue_file test_logic test_window; do
    # Wine shows a console program's output to no console: the results go to a file.
    run wine "$build/tests/$test.exe" -o "Z:$w/$test.txt,txt" >"$w/$test.log" 2>&1 \
        || fail "$test.exe: $(grep -a -A2 FAIL "$w/$test.txt")"
    echo "   $test.exe: $(grep -a '^Totals' "$w/$test.txt")"
done

cp "$build/gridora.exe" "$w/alone/"
windows() { xdotool search --onlyvisible --name '^Gridora$' 2>/dev/null || true; }
count() { [ "$(windows | wc -l)" "$@" ]; } # count -ge 2: of the windows titled Gridora
# The marks as the screen shows them, row by row: X (lit at the cell's centre), O (a dark centre
# in a lit ring) or "." for an empty cell. The user scale runs from -20 to 200 across the window's
# 435 pixels and from 0 to 200 down its 347.
board() {
    import -window "$win" "$w/board.png"
    for cell in "50 50" "100 50" "150 50" "50 100" "100 100" "150 100" "50 150" "100 150" "150 150"; do
        set -- $cell
        convert "$w/board.png" -crop 30x30+$((($1 + 20) * 435 / 220 - 15))+$(($2 * 347 / 200 - 15)) +repage \
            -colorspace gray -format '%[fx:p{15,15} > 0.5] %[fx:mean > 0.02]\n' info:
    done | awk '{ printf "%s", $1 ? "X" : $2 ? "O" : "." }'
}
# shows BOARD: waits until the screen shows the marks BOARD, as after a move and the repaint it makes.
shows() { local want=$1; await 20 eval 'seen=$(board) && [ "$seen" = "$want" ]' || fail "the screen shows $seen, not $1"; }
# The board's grid on screen, at its left line's middle (at 75 and 100 of the user scale), at any
# size: the window has been painted.
painted() { import -window "$win" "$w/grid.png" && [ "$(convert "$w/grid.png" -format '%[fx:p{w*95/220,h/2} > 0.5]' info:)" = 1 ]; }
# play [COMMAND...]: starts the game by COMMAND, gridora.exe alone in its folder if none, finds its
# window and waits until it is painted. started FOLDER: clicks "Start ", hears it, and finds the cue
# file in FOLDER.
play() {
    (($#)) || set -- run wine "$w/alone/gridora.exe"
    "$@" 2>>"$w/game.log" &
    await 60 count -ge 1 || fail "no window titled Gridora from $*"
    win=$(windows | head -n 1)
    await 20 painted || fail "the window was not painted"
}
started() {
    local before=$(at) && click 384 28 # "Start " plays cue 101
    await 20 heard "$before" || fail "\"Start \" was not heard"
    [ -f "$1/temp1.wav" ] || fail "no temp1.wav in $1"
}
# close: asks the window to close, as its close button does, and waits until it is gone.
close() {
    run wine taskkill /im gridora.exe >/dev/null 2>&1 || true
    await 30 count -eq 0 || fail "the window did not close"
    wait $! 2>/dev/null || true
}

echo "-- gridora.exe alone in an empty folder"
play
import -window "$win" "$w/english.png"
started "$w/alone"
click 176 320 && click 384 28 # "Play Computer?" off, and "Start " again: two people
click 138 86 && shows X........ && xdotool key 4 && shows X..O..... && xdotool key 5 && shows X..OX.... && click 336 173 && shows X..OXO...
xdotool key 9 # X bottom right: three in a row (digit keys go to the window with the focus)
await 30 count -ge 2 || fail "no winner's box"
box=$(windows | grep -vx "$win" | head -n 1)
xdotool windowfocus --sync "$box" && xdotool key Return
await 30 count -eq 1 || fail "the winner's box did not close"
close
[ ! -e "$w/alone/temp1.wav" ] || fail "temp1.wav left behind after the window closed"
echo "   \"Start \" heard; the board read $seen, then X won; the box closed; temp1.wav came and went"

echo "-- in German"
play run LANG=de_DE.UTF-8 wine "$w/alone/gridora.exe"
import -window "$win" "$w/german.png"
close
# The same window before any click, but for its words: the board and the places are the same.
differ=$(compare -metric AE "$w/english.png" "$w/german.png" null: 2>&1 || true)
[ "${differ%% *}" -gt 500 ] || fail "the captions are not German (they differ from English in $differ pixels)"
echo "   the captions differ from English in $differ pixels"
run wine reg add 'HKCU\Software\Microsoft\Accessibility' /v TextScaleFactor /t REG_DWORD /d 150 /f >/dev/null 2>&1 && play
size=$(xdotool getwindowgeometry "$win" | awk '/Geometry/ { print $2 }') && close
# Back to 100 %: the games below click where the controls are at that size.
run wine reg delete 'HKCU\Software\Microsoft\Accessibility' /v TextScaleFactor /f >/dev/null 2>&1
[ "$size" = 653x521 ] && echo "-- at Windows' Text size 150 % the window is $size" || fail "at Text size 150 % the window is $size"
! grep -a 'gridora: sound:' "$w/game.log" || fail "a cue could not be played"
# The game installed: from a folder it cannot write, and from its installer.
. "$(dirname "$0")/windows-install.sh"
echo "windows: passed"
