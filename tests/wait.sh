# Waiting for what a step checks rather than for a time, for the scripts that drive a program from
# outside. They keep their files in $w and start each program by env, which marks it GRIDORA_RUN=$w:
# ours finds them all, their children and the daemons they spawn, and stop ends them at the end.
ours() { grep -lzsx "GRIDORA_RUN=$w" /proc/[0-9]*/environ | cut -d/ -f3; }
trap stop EXIT

# await SECONDS COMMAND...: runs COMMAND until it succeeds, or for SECONDS and then fails. It looks
# five times a second: often enough, and cheap beside the program it waits for on a busy machine.
await() { local end=$((SECONDS + $1)); shift; until "$@"; do ((SECONDS < end)) || return 1; sleep 0.2; done; }

# stop: ends every process of ours, by TERM, and by KILL what is left after 5 s; removes $w.
stop() { await 5 eval 'kill -TERM $(ours) 2>/dev/null; [ -z "$(ours)" ]' || kill -KILL $(ours) 2>/dev/null || true; wait; rm -rf "$w"; }
fail() { echo "FAIL: $*" >&2; tail -n 20 "$w"/*.log >&2; exit 1; }
click() { xdotool mousemove --window "$win" "$1" "$2" click 1; } # click X Y: in the window $win

# servers SCREEN [PULSEAUDIO OPTIONS...]: an X server with a screen of SCREEN (1280x1024x24) and a
# sound server whose first silent sink, the one programs play into, is "game", recorded into
# $w/game.raw (16-bit mono, 44100 Hz).
servers() {
    "${env[@]}" Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$w/display" 2>"$w/xvfb.log" &
    "${env[@]}" pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
        --load="module-null-sink sink_name=game rate=44100 channels=1" "${@:2}" \
        --load="module-native-protocol-unix auth-anonymous=1 socket=$w/pulse" 2>"$w/pulse.log" &
    await 30 test -s "$w/display" -a -S "$w/pulse" || fail "no X or sound server"
    export DISPLAY=:$(cat "$w/display") PULSE_SERVER=unix:$w/pulse
    env+=(DISPLAY="$DISPLAY" PULSE_SERVER="$PULSE_SERVER")
    "${env[@]}" parec -d game.monitor --format=s16le --rate=44100 --channels=1 --latency-msec=10 >"$w/game.raw" 2>/dev/null &
    await 30 test -s "$w/game.raw" || fail "nothing recorded"
}
at() { stat -c %s "$w/game.raw"; } # bytes recorded so far: 88200 a second

# sound BYTE GAP: the first sound in the recording from BYTE on, above -40 dBFS: its onset in
# seconds, then its length once GAP seconds of silence have followed it.
sound() {
    local n=$((($(stat -c %s "$w/game.raw") - $1) / 2))
    local cut=(-t raw -r 44100 -e signed -b 16 -c 1 "$w/game.raw" -n trim "$(($1 / 2))s" "${n}s" silence 1 0.001 1%)
    # up to the first GAP of silence, if there is one yet, from the end of which silence is cut again
    awk -v n="$n" -v all="$(seconds "${cut[@]}")" -v upto="$(seconds "${cut[@]}" 1 "$2" 1% reverse silence 1 0.001 1%)" \
        -v gap="$2" 'BEGIN { if (all > 0) print n / 44100 - all, (all - upto >= gap ? upto : "") }'
}
seconds() { sox "$@" stat 2>&1 | awk '/^Length/ { print $3 }'; }
# heard BYTE: a sound has begun since BYTE. ended BYTE GAP: and GAP seconds of silence followed it.
heard() { [ -n "$(sound "$1" 1)" ]; }
ended() { [[ $(sound "$@") == *" "?* ]]; }
