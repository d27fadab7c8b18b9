#!/usr/bin/env bash
# Gridora end to end, as people get it, run as whoever runs the tests: under X with a sound server
# and the Orca screen reader, all started here in an environment of their own and stopped here.
# First the built program copied alone into a folder of its own: its cues are heard promptly, a
# click cuts off the cue still playing, a cue is heard whole, the sound server names its stream as
# the game, and its cue file lies beside it until SIGINT closes it. Then the program with Orca: a
# two-player game and a game against "Best", played with keys only at 125 % (Ctrl+Plus), the size,
# each move and each winner's box spoken, until SIGTERM. That game is played by the installed program in /usr/games, which it
# could write but leaves alone, where a private mount namespace can be made; elsewhere (a chroot, a
# container without CAP_SYS_ADMIN) by the copy alone, and the last line says so.
# Usage: e2e_game.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
cues=$2/resources/cues
w=$(mktemp -d /tmp/gridora-e2e.XXXXXX)
home=$w/home
# What stands in /usr/games or comes from this run's folder, for the host to see: nothing, at the end.
mounts() { findmnt -rn -o TARGET,SOURCE | { grep -e '^/usr/games ' -e "$w" || true; }; }
before=$(mounts)
# Every process started here carries this run's mark, so that all of them, their children and the
# daemons they spawn, are found and stopped at the end, whatever happens on the way.
env=(env -i PATH="$w/bin:/usr/bin:/bin" LANG=C.UTF-8 HOME="$home" XDG_RUNTIME_DIR="$home/run" GRIDORA_E2E="$w")
ours() { grep -lzsx "GRIDORA_E2E=$w" /proc/[0-9]*/environ | cut -d/ -f3; }
stop() { # by TERM, then by KILL what is left
    for signal in TERM TERM TERM KILL; do [ -n "$(ours)" ] || break; kill -$signal $(ours) 2>/dev/null || true; sleep 0.3; done
    wait; rm -rf "$w"
}
trap stop EXIT
fail() { echo "FAIL: $*" >&2; tail -n 20 "$w"/*.log >&2; exit 1; }

install -d -m 700 "$w/bin" "$home" "$home/run" "$home/alone"
cp "$build/gridora" "$home/alone/"
DESTDIR="$w/root" flock "$build/.install.lock" cmake --install "$build" --prefix /usr >/dev/null
# Orca will not start beside another Orca of the same user, which it looks for with pgrep: here
# pgrep sees this run's processes only.
printf '#!/bin/sh\nfor p in $(/usr/bin/pgrep "$@"); do grep -qszx "GRIDORA_E2E=%s" /proc/$p/environ && echo $p; done; :\n' \
    "$w" >"$w/bin/pgrep"
chmod +x "$w/bin/pgrep"

# A display; a sound server with two silent sinks, one for the game, recorded, one for speech.
"${env[@]}" Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$w/display" 2>"$w/xvfb.log" &
"${env[@]}" pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
    --load="module-null-sink sink_name=game rate=44100 channels=1" --load="module-null-sink sink_name=speech" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$w/pulse" 2>"$w/pulse.log" &
timeout 10 sh -c "until [ -s '$w/display' ] && [ -S '$w/pulse' ]; do sleep 0.05; done" || fail "no X or sound server"
export DISPLAY=:$(cat "$w/display") PULSE_SERVER=unix:$w/pulse
env+=(DISPLAY="$DISPLAY" PULSE_SERVER="$PULSE_SERVER")
"${env[@]}" parec -d game.monitor --format=s16le --rate=44100 --channels=1 --latency-msec=10 >"$w/game.raw" 2>/dev/null &
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
"${env[@]}" "$home/alone/gridora" 2>"$w/alone.log" &
game=$! win=$(window) && sleep 0.5
start=$(at) && click 384 28 && sleep 0.1 # "Start " plays 0.6 s of sound,
check=$(at) && click 176 320 && sleep 1.2 # "Play Computer?" cuts it off with 0.05 s of its own
first=$(at) && click 76 312 && sleep 0.3
# While the cue plays, the desktop's volume control shows its stream as the game's.
mixer=$("${env[@]}" pactl list sink-inputs | grep -oE '(application\.(name|icon_name|id)|media\.role) = "[^"]*"' | sort -u | paste -sd ' ') || true
[ "$mixer" = 'application.icon_name = "gridora" application.id = "gridora" application.name = "Gridora" media.role = "game"' ] \
    || fail "the sound mixer shows: $mixer"
sleep 0.9
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

# The installed program stands in /usr/games only inside a mount namespace of its own: a plain one
# where the user may make one (root), a user namespace's otherwise. A chroot's root is no mount
# point, and a container may forbid both: there the copy alone plays.
in_ns=() program=$home/alone/gridora cue_file=$home/alone/temp1.wav what="copy alone" why=""
for namespace in "unshare --mount" "unshare --user --map-root-user --mount"; do
    try=($namespace sh -c 'mount --bind "$0" /usr/games && exec "$@"' "$w/root/usr/games")
    error=$("${try[@]}" true 2>&1) || { why+="${why:+; }$namespace: ${error#unshare: }" && continue; }
    in_ns=("${try[@]}") program=/usr/games/gridora cue_file=$home/run/temp1.wav what="installed program"
    break
done
echo "-- the $what with a screen reader, played by keys"
# The session bus, the accessibility bus, Orca and the game; Orca speaks into the speech sink, and
# its log holds what it says once it has exited.
"${env[@]}" "${in_ns[@]}" dbus-run-session -- sh -c 'PULSE_SINK=speech orca --debug-file "$HOME/orca.txt" & echo $! >"$HOME/orca.pid"
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$0" 2>"$HOME/game.txt" & echo $! >"$HOME/game.pid"
    wait $!; echo $? >"$HOME/game.status"; wait' "$program" >"$w/session.log" 2>&1 &
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
keys ctrl+plus Tab Tab Tab space shift+Tab shift+Tab shift+Tab space shift+Tab Left Left Up Left space 2 4 5 7 Return # at 125 %, two people; X wins
keys Tab Tab Tab Tab space Tab Down Down Tab Tab Tab space 5 9 3 Return     # "Best" wins
[ -f "$cue_file" ] || fail "no cue file at $cue_file"
[ -z "$(find "$w/root" -name 'temp*')" ] || fail "a cue file beside the installed program"
kill -INT "$(cat "$home/orca.pid")" # Orca stops at the next event, which the game's leaving makes
kill -TERM "$(cat "$home/game.pid")"
wait "$session" || true
[ "$(cat "$home/game.status")" = 0 ] || fail "exit status $(cat "$home/game.status") after SIGTERM"

said="$(sed -n "s/.* - SPEECH OUTPUT: ['\"]\(.*\)['\"] \?{.*/|\1/p" "$home/orca.txt" | tr -d '\n')|"
echo "   Orca said: $said"
# What must be said, in this order: the new size, the cells the arrows reach, each move, each
# winner's box. A screen reader may say more between them (Orca 48 reads the whole row when the focus
# changes rows, and the board's description when it changes), and may end an utterance with a full
# stop.
in_order="*$(printf '|%s[.|]*' "*Zoom 125 %" "centre, empty" "left, empty" "top left, empty" "top left, X" "top, O" "left, X" "centre, O" \
    "bottom left, X" "alert X's win" "centre, X" "top left, O" "bottom right, X" "bottom left, O" "top right, X" "left, O" "alert O's win")"
[[ $said == $in_order ]] || fail "Orca did not say each move and each winner, in turn"

[ -z "$(find "$w" -name 'temp*.wav')" ] || fail "cue files left behind: $(find "$w" -name 'temp*.wav')"
! grep 'gridora: sound:' "$w/alone.log" "$home/game.txt" || fail "a cue could not be played"
stop
trap - EXIT
[ "$(mounts)" = "$before" ] || fail "mounts left behind: $(mounts)"
[ ${#in_ns[@]} != 0 ] && echo "e2e game: passed" ||
    echo "e2e game: passed (the installed program in /usr/games: skipped, no private mount namespace here: ${why//$'\n'/ })"
