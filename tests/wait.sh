# Waiting for what a step checks rather than for a time, for the scripts that drive a program from
# outside. They define ours (their processes) and keep their files in $w.

# await SECONDS COMMAND...: runs COMMAND until it succeeds, or for SECONDS and then fails.
await() { local end=$((SECONDS + $1)); shift; until "$@"; do ((SECONDS < end)) || return 1; sleep 0.05; done; }

# stop: ends every process of ours, by TERM, and by KILL what is left after 5 s; removes $w.
stop() { await 5 eval 'kill -TERM $(ours) 2>/dev/null; [ -z "$(ours)" ]' || kill -KILL $(ours) 2>/dev/null || true; wait; rm -rf "$w"; }

# sound RAW BYTE GAP: the first sound in a recording (16-bit mono, 44100 Hz) from BYTE on, above
# -40 dBFS: its onset in seconds, then its length once GAP seconds of silence have followed it.
sound() {
    local n=$((($(stat -c %s "$1") - $2) / 2))
    local cut=(-t raw -r 44100 -e signed -b 16 -c 1 "$1" -n trim "$(($2 / 2))s" "${n}s" silence 1 0.001 1%)
    # up to the first GAP of silence, if there is one yet, from the end of which silence is cut again
    awk -v n="$n" -v all="$(seconds "${cut[@]}")" -v upto="$(seconds "${cut[@]}" 1 "$3" 1% reverse silence 1 0.001 1%)" \
        -v gap="$3" 'BEGIN { if (all > 0) print n / 44100 - all, (all - upto >= gap ? upto : "") }'
}
seconds() { sox "$@" stat 2>&1 | awk '/^Length/ { print $3 }'; }
# heard RAW BYTE: a sound has begun since BYTE. ended RAW BYTE GAP: and GAP seconds of silence followed it.
heard() { [ -n "$(sound "$1" "$2" 1)" ]; }
ended() { [[ $(sound "$@") == *" "?* ]]; }

# still FILE SIZE SECONDS: FILE, which a program writes as it works, has grown past SIZE bytes and
# then not changed for SECONDS: the program has done what it had to.
still() { (($(stat -c %s "$1") > $2)) && awk -v m="$(stat -c %.9Y "$1")" -v now="$EPOCHREALTIME" "BEGIN { exit now - m < $3 }"; }
