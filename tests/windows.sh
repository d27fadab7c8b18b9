#!/usr/bin/env bash
# Gridora for Windows under Wine, with a fresh Wine prefix, an X server and a sound server of this
# run's own, all stopped here: the cue file's, the logic's and the window's tests built for
# Windows, then gridora.exe copied alone into an empty folder and played: its window, "Start "
# heard, marks placed by clicks and digit keys and read back from the screen, the winner's box,
# the cue file beside it until the window closes, and German captions under LANG=de_DE.UTF-8.
# Usage: tests/windows.sh WINDOWS_BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
w=$(mktemp -d /tmp/gridora-wine.XXXXXX)
# Every process started here carries this run's mark, so that all of them (wineserver and Wine's
# services too) are found and stopped at the end.
env=(env -i PATH=/usr/bin:/bin HOME="$w/home" LANG=C.UTF-8 XDG_RUNTIME_DIR="$w/run" GRIDORA_WINE="$w"
     WINEPREFIX="$w/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=")
ours() { grep -lzsx "GRIDORA_WINE=$w" /proc/[0-9]*/environ | cut -d/ -f3; }
stop() {
    for signal in TERM TERM TERM KILL; do [ -n "$(ours)" ] || break; kill -$signal $(ours) 2>/dev/null || true; sleep 0.3; done
    wait; rm -rf "$w"
}
trap stop EXIT
fail() { echo "FAIL: $*" >&2; tail -n 20 "$w"/*.log >&2; exit 1; }
install -d -m 700 "$w/home" "$w/run" "$w/alone"

"${env[@]}" Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$w/display" 2>"$w/xvfb.log" &
"${env[@]}" pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
    --load="module-null-sink sink_name=game rate=44100 channels=1" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$w/pulse" 2>"$w/pulse.log" &
timeout 10 sh -c "until [ -s '$w/display' ] && [ -S '$w/pulse' ]; do sleep 0.05; done" || fail "no X or sound server"
export DISPLAY=:$(cat "$w/display") PULSE_SERVER=unix:$w/pulse
env+=(DISPLAY="$DISPLAY" PULSE_SERVER="$PULSE_SERVER")
run() { "${env[@]}" "$@"; }
start=$SECONDS
run wine wineboot --init >"$w/wineboot.log" 2>&1 || fail "wineboot"
echo "-- $(wine --version): a fresh prefix in $((SECONDS - start)) s"

for test in test_cue_file test_logic test_window; do
    run QT_QPA_PLATFORM=offscreen wine "$build/tests/$test.exe" >"$w/$test.log" 2>&1 \
        || fail "$test.exe: $(grep -a -m3 FAIL "$w/$test.log")"
    echo "   $test.exe: $(grep -a '^Totals' "$w/$test.log")"
done

# German captions need a German locale, which Wine takes from the C library: one made here.
localedef -i de_DE -f UTF-8 "$w/locale/de_DE.UTF-8" 2>/dev/null || fail "cannot make the de_DE.UTF-8 locale"
cp "$build/gridora.exe" "$w/alone/"
"${env[@]}" parec -d game.monitor --format=s16le --rate=44100 --channels=1 --latency-msec=10 >"$w/game.raw" 2>/dev/null &
timeout 10 sh -c "until [ -s '$w/game.raw' ]; do sleep 0.05; done" || fail "nothing recorded"
at() { stat -c %s "$w/game.raw"; } # bytes recorded so far: 88200 a second
# heard BYTE: whether anything above -40 dBFS was recorded within 2 s of BYTE
heard() { sox -t raw -r 44100 -e signed -b 16 -c 1 "$w/game.raw" -n trim "$(($1 / 2))s" 2 stat 2>&1 |
          awk '/^Maximum amplitude/ { exit !($3 > 0.01) }'; }
window() { timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
click() { xdotool mousemove --window "$win" "$1" "$2" click 1; sleep 0.3; }
key() { xdotool key --window "$win" "$1"; sleep 0.3; }
# mark COL ROW: what the screen shows in that cell: X (lit at its centre), O (dark centre, lit ring)
# or nothing. The board's user scale runs from -20 to 200 across, 0 to 200 down, on 435 x 347 pixels.
mark() {
    local x=$(((50 * $1 + 20) * 435 / 220)) y=$((50 * $2 * 347 / 200))
    import -window "$win" -crop 30x30+$((x - 15))+$((y - 15)) +repage "$w/cell.png"
    convert "$w/cell.png" -colorspace gray -format '%[fx:p{15,15}>0.5 ? 1 : 0] %[fx:mean>0.02 ? 1 : 0]\n' info: |
        awk '{ print $1 ? "X" : $2 ? "O" : "." }'
}

echo "-- gridora.exe alone in an empty folder"
run wine "$w/alone/gridora.exe" 2>"$w/game.log" &
win=$(window '^Gridora$') || fail "no window titled Gridora"
sleep 1
import -window root "$w/shot.png"
click 176 320 # "Play Computer?" off: two people
before=$(at) && click 384 28 # "Start "
sleep 2
heard "$before" || fail "\"Start \" was not heard"
[ -f "$w/alone/temp1.wav" ] || fail "no temp1.wav beside gridora.exe"
click 138 86 && key 4 && key 5 && click 336 173 # X top left, O left, X centre, O right
board=$(for row in 1 2 3; do for col in 1 2 3; do mark $col $row; done; done | tr -d '\n')
[ "$board" = "XO.OXO..." ] || [ "$board" = "X..OXO..." ] || fail "the screen shows $board"
key 9 # X bottom right: three in a row
box=$(window "^Gridora$" >/dev/null; xdotool search --onlyvisible --name '^Gridora$' | grep -v "^$win$" | head -n 1)
[ -n "$box" ] || fail "no winner's box"
import -window "$box" "$w/box.png"
xdotool key --window "$box" Return && sleep 0.5
echo "   \"Start \" heard; the board read $board; a winner's box shown and closed"
run wine taskkill /im gridora.exe >/dev/null 2>&1 || true # asks the window to close, as its X button does
timeout 10 sh -c "while [ -n \"\$(xdotool search --onlyvisible --name '^Gridora\$' 2>/dev/null)\" ]; do sleep 0.2; done" \
    || fail "the window did not close"
sleep 1
[ ! -e "$w/alone/temp1.wav" ] || fail "temp1.wav left behind after the window closed"
