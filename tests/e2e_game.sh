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
env=(env -i PATH="$w/bin:/usr/bin:/bin" LANG=C.UTF-8 HOME="$home" XDG_RUNTIME_DIR="$home/run" GRIDORA_RUN="$w")
. "$(dirname "$0")/wait.sh"

install -d -m 700 "$w/bin" "$home" "$home/run" "$home/alone"
cp "$build/gridora" "$home/alone/"
DESTDIR="$w/root" flock "$build/.install.lock" cmake --install "$build" --prefix /usr >/dev/null
# Orca will not start beside another Orca of the same user, which it looks for with pgrep: here
# pgrep sees this run's processes only.
printf '#!/bin/sh\nfor p in $(/usr/bin/pgrep "$@"); do grep -qszx "GRIDORA_RUN=%s" /proc/$p/environ && echo $p; done; :\n' \
    "$w" >"$w/bin/pgrep"
chmod +x "$w/bin/pgrep"

# A display; a sound server with a second silent sink, for speech, that logs each stream's properties.
servers 1280x1024x24 --log-level=info --load="module-null-sink sink_name=speech"
cue_span() { seconds "$cues/$1.wav" -n silence 1 0.001 1% reverse silence 1 0.001 1%; }
window() { timeout 60 xdotool search --sync --onlyvisible --name '^Gridora$' | head -n 1; }

echo "-- the program alone in a folder of its own"
"${env[@]}" "$home/alone/gridora" 2>"$w/alone.log" &
game=$! win=$(window)
await 30 eval '"${env[@]}" pactl list clients | grep -q "application.process.id = \"$game\""' || fail "the game did not connect to the sound server once on screen"
start=$(at) && click 384 28 # "Start " plays 0.6 s of sound,
await 20 heard "$start" || fail "\"Start \" was not heard"
check=$(at) && click 176 320 # which "Play Computer?" cuts off with 0.05 s of its own
await 20 ended "$check" 0.2 || fail "\"Play Computer?\" was not heard, or did not end"
first=$(at) && click 76 312 # and "You Go First" is heard whole
await 20 ended "$first" 0.2 || fail "\"You Go First\" was not heard, or did not end"
[ -f "$home/alone/temp1.wav" ] || fail "no cue file beside the program"
# The desktop's volume control shows each of the game's streams as the game's: as the server logged them.
mixer=$(grep 'sink-input.c:' "$w/pulse.log" | grep -oE '(application\.(name|icon_name|id)|media\.role) = "[^"]*"' | sort -u | paste -sd ' ')
[ "$mixer" = 'application.icon_name = "gridora" application.id = "gridora" application.name = "Gridora" media.role = "game"' ] \
    || fail "the sound mixer shows: $mixer"
kill -INT "$game" # as Ctrl+C in a terminal
wait "$game" || fail "exit status $? after SIGINT"
read -r onset _ _ cut later whole <<<"$(sound "$start" 0.2) $(sound "$check" 0.2) $(sound "$first" 0.2)"
echo "   \"Start \" heard after $onset s; \"Play Computer?\" cut it off, sound for $cut s ($(cue_span 109) s);" \
    "\"You Go First\" heard after $later s, for $whole s ($(cue_span 108) s)"
# A cue is cut off as promptly as a cue comes: on a busy machine, every click takes longer. The first
# cue comes as soon as a later one, the game having connected to the sound server before the first
# click; how soon, a busy machine decides.
awk -v l="$later" -v c="$cut" -v e="$(cue_span 109)" -v h="$whole" -v f="$(cue_span 108)" \
    'BEGIN { exit !(c < e + l + 0.15 && h - f < 0.06 && f - h < 0.06) }' || fail "the cues are not cut off or not whole"

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
# The session bus, the accessibility bus, Orca and the game. Orca speaks into the speech sink, and
# logs as it works into a terminal of its own, which writes out each line. Orca gives up if its start
# takes ten seconds, most of which a busy machine may spend starting the speech server: that starts
# first, and is ready when its command returns.
"${env[@]}" "${in_ns[@]}" dbus-run-session -- sh -c 'PULSE_SINK=speech speech-dispatcher -d -t 0 2>/dev/null; PULSE_SINK=speech script -qfc "orca --debug-file /dev/stdout & echo \$! >\$HOME/orca.pid; wait" "$HOME/orca.txt" >/dev/null </dev/null &
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$0" 2>"$HOME/game.txt" & echo $! >"$HOME/game.pid"
    wait $!; echo $? >"$HOME/game.status"; wait' "$program" >"$w/session.log" 2>&1 &
session=$!
# Orca listens to keys once it has spoken; a key before that can stall it.
await 90 grep -qs "SPEECH OUTPUT" "$home/orca.txt" || fail "Orca never spoke"
win=$(window) && xdotool windowfocus --sync "$win"
# What Orca said from byte FROM of its log on, each utterance after a "|"; and "told CELL" where it
# was told that the focus came to a cell of the board (Orca 43 logs the cell [table cell | NAME],
# Orca 48 [table cell: 'NAME']).
said() {
    tail -c +$(($1 + 1)) "$home/orca.txt" | sed -En -e "s/.* - SPEECH OUTPUT: ['\"](.*)['\"] ?[{].*/|\1/p" \
        -e "s/.*:state-changed:focused for \[table cell(: '| \| )([^]']*)'?\] in .* \(1, .*/|told \2./p" | tr -d '\n'; echo '|'
}
# key KEY [WORDS...]: presses KEY, then waits until Orca has said each of WORDS in turn, the last
# words of what KEY makes it say: the next key cuts nothing short, and Orca takes the keys at its
# own pace, as a person listening would. Orca may say more between them (Orca 48 reads the whole
# row when the focus changes rows, and the board's description when it changes), and end an
# utterance with a full stop. A cell the focus leaves at once, for the computer's reply or the
# winner's box, Orca skips when it comes to it late: of ~CELL, it may only have been told.
key() {
    local from=$(stat -c %s "$home/orca.txt") words=*$(printf '|%s[.|]*' "${@:2}")
    words=${words//'|~'/'|?(told )'}
    xdotool key "$1"
    [ $# = 1 ] || await 30 eval '[[ $(said "$from") == $words ]]' || fail "after $1, Orca did not say ${*:2}: $(said "$from")"
}
# steps KEY=WORDS...: a key for each, with the words it makes Orca say; KEY alone where Orca says
# nothing, as at the board's edge.
steps() { for step; do [[ $step == *=* ]] && key "${step%%=*}" "${step#*=}" || key "$step"; done; }
# At 125 %, two people, X wins, then "Best" wins: the new size, each control the keys reach, each cell
# the arrows reach, each move, the computer's replies, and each winner's box, which has the focus
# (its button, "OK") once told. Of a key on a button, Orca says the key.
steps "ctrl+plus=*Zoom 125 %" "Tab=You Go First*" "Tab=You are O*" "Tab=Play Computer?*" "space=not checked" \
    "shift+Tab=You are O*" "shift+Tab=You Go First*" "shift+Tab=Start*" "space=space*" "shift+Tab=centre, empty" \
    "Left=left, empty" Left "Up=top left, empty" Left "space=top left, X" "2=top, O" "4=left, X" "5=centre, O"
key 7 "~bottom left, X" "alert X's win" "OK*" && key Return
# The window takes the keys once the box has gone: focused while the box was open, the next key once
# reached no one, Orca heard nothing.
await 30 eval '[ $(xdotool search --onlyvisible --name "^Gridora\$" | wc -l) = 1 ]' || fail "the winner's box did not close"
xdotool windowfocus --sync "$win"
steps "Tab=Start*" "Tab=You Go First*" "Tab=You are O*" "Tab=Play Computer?*" "space=checked" "Tab=Easy*" "Down=Better*" \
    "Down=Best*" "Tab=*#moves=*" "Tab=bottom left, X" "Tab=Start*" "space=space*"
key 5 "~centre, X" "top left, O" && key 9 "~bottom right, X" "bottom left, O"
key 3 "~top right, X" "~left, O" "alert O's win" "OK*" && key Return
[ -f "$cue_file" ] || fail "no cue file at $cue_file"
[ -z "$(find "$w/root" -name 'temp*')" ] || fail "a cue file beside the installed program"
kill -INT "$(cat "$home/orca.pid")" # Orca stops at the next event, which the game's leaving makes
kill -TERM "$(cat "$home/game.pid")"
wait "$session" || true
[ "$(cat "$home/game.status")" = 0 ] || fail "exit status $(cat "$home/game.status") after SIGTERM"

echo "   Orca said: $(said 0)"

[ -z "$(find "$w" -name 'temp*.wav')" ] || fail "cue files left behind: $(find "$w" -name 'temp*.wav')"
! grep 'gridora: sound:' "$w/alone.log" "$home/game.txt" || fail "a cue could not be played"
stop
trap - EXIT
[ "$(mounts)" = "$before" ] || fail "mounts left behind: $(mounts)"
[ ${#in_ns[@]} != 0 ] && echo "e2e game: passed" ||
    echo "e2e game: passed (the installed program in /usr/games: skipped, no private mount namespace here: ${why//$'\n'/ })"
