#!/usr/bin/env bash
# Gridora end to end, as people get it: under X with a sound server, run as an unprivileged user.
# First the built program copied alone into a folder of its own: its cues are heard promptly, a
# click cuts off the cue still playing, a cue is heard whole, and its cue file lies beside it
# until SIGINT closes it. Then the installed program, in a /usr/games it could write but leaves
# alone, with the Orca screen reader: a two-player game and a game against "Best", played with keys only, each move
# and each winner's box spoken; the cue file lies in the runtime folder until SIGTERM.
# Usage: e2e_game.sh BUILD_DIR SOURCE_DIR
if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: run as root, so that the game can run as an unprivileged user"
    exit 77
fi
# In process and mount namespaces of its own, so that everything started here ends with it, Orca's
# check for another screen reader of the same user sees only this test, and the test's install
# can stand in /usr/games.
[ $$ = 1 ] || exec unshare --pid --fork --mount-proc --kill-child bash "$0" "$@"
set -euo pipefail
build=$(cd "$1" && pwd)
cues=$2/resources/cues
w=$(mktemp -d /tmp/gridora-e2e.XXXXXX)
trap 'kill $(jobs -p) 2>/dev/null; wait; rm -rf "$w"' EXIT
fail() { echo "FAIL: $*" >&2; tail -n 20 "$w"/*.log >&2; exit 1; }

# The install, its games folder open to the user the game runs as, and a home for that user.
DESTDIR="$w/root" flock "$build/.install.lock" cmake --install "$build" --prefix /usr >/dev/null
chmod 755 "$w"
chown nobody "$w/root/usr/games"
mount --bind "$w/root/usr/games" /usr/games
home=$w/home
install -d -m 700 -o nobody -g nogroup "$home" "$home/run" "$home/alone"
cp "$build/gridora" "$home/alone/"
as_user() { # in the background only: it becomes the program
    exec setpriv --reuid=nobody --regid=nogroup --clear-groups env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$home" \
        XDG_RUNTIME_DIR="$home/run" DISPLAY="$DISPLAY" PULSE_SERVER="$PULSE_SERVER" "$@"
}

# A display; a sound server with two silent sinks, one for the game, recorded, one for speech.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$w/display" 2>"$w/xvfb.log" &
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
    --load="module-null-sink sink_name=game rate=44100 channels=1" --load="module-null-sink sink_name=speech" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$w/pulse" 2>"$w/pulse.log" &
timeout 10 sh -c "until [ -s '$w/display' ] && [ -S '$w/pulse' ]; do sleep 0.05; done" || fail "no X or sound server"
export DISPLAY=:$(cat "$w/display") PULSE_SERVER=unix:$w/pulse
parec -d game.monitor --format=s16le --rate=44100 --channels=1 --latency-msec=10 >"$w/game.raw" 2>/dev/null &
at() { stat -c %s "$w/game.raw"; } # bytes recorded so far: 88200 a second
timeout 10 sh -c "until [ -s '$w/game.raw' ]; do sleep 0.05; done" || fail "nothing recorded"

# loud BYTE: seconds from BYTE of the recording to the first sound above -40 dBFS, and how long
# the sound lasts from there, within 1.1 s.
loud() {
    local cut=(-t raw -r 44100 -e signed -b 16 -c 1 "$w/game.raw" -n trim "$(($1 / 2))s" 1.1 silence 1 0.001 1%)
    echo "$(sox "${cut[@]}" stat 2>&1 | awk '/^Length/ { print 1.1 - $3 }')" \
        "$(sox "${cut[@]}" reverse silence 1 0.001 1% stat 2>&1 | awk '/^Length/ { print $3 }')"
}
cue_span() { sox "$cues/$1.wav" -n silence 1 0.001 1% reverse silence 1 0.001 1% stat 2>&1 | awk '/^Length/ { print $3 }'; }
window() { timeout 20 xdotool search --sync --onlyvisible --name '^Gridora$' | head -n 1; }
click() { xdotool mousemove --window "$win" "$1" "$2" click 1; }

echo "-- the program alone in a folder of its own"
as_user "$home/alone/gridora" 2>"$w/alone.log" &
game=$!
win=$(window)
sleep 0.5
start=$(at) && click 384 28 && sleep 0.1 # "Start " plays 0.6 s of sound,
check=$(at) && click 176 320 && sleep 1.2 # "Play Computer?" cuts it off with 0.05 s of its own
first=$(at) && click 76 312 && sleep 1.2
[ -f "$home/alone/temp1.wav" ] || fail "no cue file beside the program"
kill -INT "$game" # as Ctrl+C in a terminal
wait "$game" || fail "exit status $? after SIGINT"
read -r onset _ <<<"$(loud "$start")"
read -r _ cut <<<"$(loud "$check")"
read -r _ whole <<<"$(loud "$first")"
echo "   \"Start \" heard after $onset s; \"Play Computer?\" cut it off, sound for $cut s ($(cue_span 109) s);" \
    "\"You Go First\" heard for $whole s ($(cue_span 108) s)"
awk -v o="$onset" -v c="$cut" -v e="$(cue_span 109)" -v h="$whole" -v f="$(cue_span 108)" \
    'BEGIN { exit !(o >= 0 && o < 0.2 && c < e + 0.15 && h - f < 0.06 && f - h < 0.06) }' \
    || fail "the cues are late, not cut off or not whole"

echo "-- the installed program with a screen reader, played by keys"
# The session bus, the accessibility bus, Orca and the game run as one user; Orca speaks into
# the speech sink, and its log holds what it says once it has exited.
as_user dbus-run-session -- sh -c 'PULSE_SINK=speech orca --debug-file "$HOME/orca.txt" & echo $! >"$HOME/orca.pid"
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$0" 2>"$HOME/game.txt" & echo $! >"$HOME/game.pid"
    wait $!; echo $? >"$HOME/game.status"; wait' /usr/games/gridora >"$w/session.log" 2>&1 &
session=$!
# Orca listens to keys once it has spoken; a key before that can stall it.
timeout 30 sh -c 'parec -d speech.monitor 2>/dev/null | sox -q -t raw -r 44100 -e signed -b 16 -c 2 - -n silence 1 0.05 1% trim 0 0.01' \
    || fail "Orca never spoke"
win=$(window)
keys() {
    xdotool windowfocus --sync "$win"
    for key in "$@"; do
        xdotool key "$key"
        [[ $key == [0-9] ]] && sleep 1.6 || sleep 0.3 # a move is told, and answered, in its time
    done
}
keys Tab Tab Tab space shift+Tab shift+Tab shift+Tab space 1 2 4 5 7 Return # two people; X wins
keys Tab Tab Tab Tab Tab space Tab Down Down Tab Tab space 5 9 3 Return     # "Best" wins
[ -f "$home/run/temp1.wav" ] || fail "no cue file in the runtime folder"
[ -z "$(find "$w/root" -name 'temp*')" ] || fail "a cue file beside the installed program"
kill -INT "$(cat "$home/orca.pid")" # Orca stops at the next event, which the game's leaving makes
kill -TERM "$(cat "$home/game.pid")"
wait "$session" || true
[ "$(cat "$home/game.status")" = 0 ] || fail "exit status $(cat "$home/game.status") after SIGTERM"

said=$(sed -n "s/.* - SPEECH OUTPUT: ['\"]\(.*\)['\"] \?{.*/|\1/p" "$home/orca.txt" | tr -d '\n')
echo "   Orca said: $said"
in_order="*$(printf '|%s*' "top left, X." "top, O." "left, X." "centre, O." "bottom left, X." "X's win." \
    "centre, X." "top left, O." "bottom right, X." "bottom left, O." "top right, X." "left, O." "O's win.")"
[[ $said == $in_order ]] || fail "Orca did not say each move and each winner, in turn"

leftover=$(find "$w" -name 'temp*.wav')
[ -z "$leftover" ] || fail "cue files left behind: $leftover"
! grep 'gridora: sound:' "$w/alone.log" "$home/game.txt" || fail "a cue could not be played"
echo "e2e game: passed"
