#!/usr/bin/env bash
# Builds Gridora's panel sound cues, resources/cues/101.wav ... 109.wav.
#
# Every cue is synthesised from plain sine partials by sox, so the script
# needs nothing but sox and produces the same bytes on every run.  Output
# format: RIFF/WAVE (fmt + data chunks only), 16-bit PCM, mono, 22050 Hz,
# peaks at -4 dBFS, sound from the very first milliseconds (2-3 ms attack),
# short fade to silence at the end.
#
#   101  Start            rising C major arpeggio C5 E5 G5 C6
#   102  Better           two quick notes, E5 up to G5
#   103  Best / you won   bright flourish G5 C6 E6 into a ringing C6-E6-G6 chord
#   104  Easy             soft falling third, E5 down to C5
#   105  You are O        one round, mellow D5
#   106  Computer First   double blip on A5 with a hollow, odd-harmonic colour
#   107  You are X        crisp fourth, A5 up to D6
#   108  You Go First     rising fifth, C5 up to G5
#   109  Play Computer?   short high tick for the check box
#
# Usage: resources/make-cues.sh   (from anywhere; rewrites resources/cues/)

set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out_dir="$here/cues"

command -v sox >/dev/null || {
    echo "make-cues.sh: sox is missing (apt-get install sox)" >&2
    exit 1
}

rate=22050
peak_db=-4      # level of the loudest sample in every cue
tail_fade=0.012 # closing fade so the last sample is silent
# Qt's sound effect stops once it has handed its last sample to the sound server, which can
# swallow the last 100 ms or so: a silent tail keeps the end of every note.
tail_silence=0.15

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Intermediate files are 32-bit float so nothing is rounded (or dithered)
# before the final write.
float_fmt=(-r "$rate" -c 1 -e floating-point -b 32)

# partial OUT FREQ RING ATTACK
#   A single sine with an exponential-like decay: it falls by about 100 dB
#   over RING seconds, so RING sets how long the note keeps ringing.
partial() {
    local out=$1 freq=$2 ring=$3 attack=$4
    sox -D -n "${float_fmt[@]}" "$out" \
        synth "$ring" sine "$freq" \
        fade l "$attack" "$ring" "$(awk -v r="$ring" -v a="$attack" 'BEGIN { printf "%.4f", r - a }')"
}

# note OUT START FREQ RING [TIMBRE [GAIN]]
#   One chime note placed START seconds into the cue, scaled by GAIN (a
#   linear factor, default 1) against the other notes.  TIMBRE picks the
#   overtones mixed over the fundamental:
#     bell   - octave and a faint twelfth, both dying away faster (default)
#     hollow - third and fifth harmonics only, a soft "electronic" colour
#     pure   - the fundamental alone
#     bright - strong octave, quick attack, for the crisper cues
note() {
    local out=$1 start=$2 freq=$3 ring=$4 timbre=${5:-bell} gain=${6:-1}
    local base="$work/nb" f2 f3 r2 r3
    r2=$(awk -v r="$ring" 'BEGIN { printf "%.4f", r * 0.6 }')
    r3=$(awk -v r="$ring" 'BEGIN { printf "%.4f", r * 0.4 }')
    case $timbre in
        bell)
            f2=$(awk -v f="$freq" 'BEGIN { printf "%.3f", f * 2 }')
            f3=$(awk -v f="$freq" 'BEGIN { printf "%.3f", f * 3 }')
            partial "$base-1.f32.wav" "$freq" "$ring" 0.003
            partial "$base-2.f32.wav" "$f2" "$r2" 0.003
            partial "$base-3.f32.wav" "$f3" "$r3" 0.003
            sox -D -m -v 0.50 "$base-1.f32.wav" -v 0.15 "$base-2.f32.wav" \
                -v 0.04 "$base-3.f32.wav" "$base-mix.f32.wav"
            ;;
        hollow)
            f2=$(awk -v f="$freq" 'BEGIN { printf "%.3f", f * 3 }')
            f3=$(awk -v f="$freq" 'BEGIN { printf "%.3f", f * 5 }')
            partial "$base-1.f32.wav" "$freq" "$ring" 0.002
            partial "$base-2.f32.wav" "$f2" "$r2" 0.002
            partial "$base-3.f32.wav" "$f3" "$r3" 0.002
            sox -D -m -v 0.50 "$base-1.f32.wav" -v 0.11 "$base-2.f32.wav" \
                -v 0.035 "$base-3.f32.wav" "$base-mix.f32.wav"
            ;;
        bright)
            f2=$(awk -v f="$freq" 'BEGIN { printf "%.3f", f * 2 }')
            f3=$(awk -v f="$freq" 'BEGIN { printf "%.3f", f * 4 }')
            partial "$base-1.f32.wav" "$freq" "$ring" 0.002
            partial "$base-2.f32.wav" "$f2" "$r2" 0.002
            partial "$base-3.f32.wav" "$f3" "$r3" 0.002
            sox -D -m -v 0.50 "$base-1.f32.wav" -v 0.22 "$base-2.f32.wav" \
                -v 0.06 "$base-3.f32.wav" "$base-mix.f32.wav"
            ;;
        pure)
            partial "$base-mix.f32.wav" "$freq" "$ring" 0.003
            ;;
        *)
            echo "make-cues.sh: unknown timbre '$timbre'" >&2
            exit 1
            ;;
    esac
    sox -D "$base-mix.f32.wav" "$out" pad "$start" 0 vol "$gain"
}

# cue ID LENGTH NOTE...
#   Mixes the notes (each NOTE is "START FREQ RING [TIMBRE [GAIN]]"), cuts the cue
#   to LENGTH seconds, brings its peak to $peak_db and writes cues/ID.wav.
cue() {
    local id=$1 length=$2
    shift 2
    local parts=() n=0 line
    for line in "$@"; do
        n=$((n + 1))
        # shellcheck disable=SC2086  # each NOTE is meant to split into fields
        note "$work/$id-$n.f32.wav" $line
        parts+=("$work/$id-$n.f32.wav")
    done
    if ((n == 1)); then
        cp "$work/$id-1.f32.wav" "$work/$id-mix.f32.wav"
    else
        sox -D -m "${parts[@]}" "$work/$id-mix.f32.wav"
    fi
    # Pad (in case every note died out early) and cut to exactly LENGTH, fade
    # the tail to silence, normalise, then write plain 16-bit PCM (wavpcm
    # keeps the header to the classic fmt + data layout).
    sox -D "$work/$id-mix.f32.wav" "$work/$id-long.f32.wav" pad 0 "$length"
    sox -D "$work/$id-long.f32.wav" "$work/$id.f32.wav" \
        trim 0 "$length" fade t 0 "$length" "$tail_fade" norm "$peak_db" pad 0 "$tail_silence"
    sox -D "$work/$id.f32.wav" -t wavpcm -e signed-integer -b 16 -c 1 -r "$rate" \
        "$work/$id.wav"
}

# Note frequencies (equal temperament, A4 = 440 Hz).
C5=523.251 D5=587.330 E5=659.255 G5=783.991 A5=880.000
B5=987.767 C6=1046.502 D6=1174.659 E6=1318.510 G6=1567.982

# 101 Start: a game begins - four rising notes, the top one left ringing.
cue 101 0.95 \
    "0.000 $C5 0.70" \
    "0.095 $E5 0.70" \
    "0.190 $G5 0.75" \
    "0.285 $C6 1.10"

# 102 Better: a small step up.
cue 102 0.45 \
    "0.000 $E5 0.55" \
    "0.080 $G5 0.65"

# 103 Best, and the player's win: quick bright run ending on a chord.
cue 103 1.10 \
    "0.000 $G5 0.50 bright" \
    "0.070 $C6 0.50 bright" \
    "0.140 $E6 0.55 bright" \
    "0.240 $C6 1.30 bright 0.5" \
    "0.240 $E6 1.25 bright 0.45" \
    "0.240 $G6 1.20 bright 0.4"

# 104 Easy: relaxed, falling.
cue 104 0.50 \
    "0.000 $E5 0.55" \
    "0.110 $C5 0.75"

# 105 You are O: one round, mellow tone.
cue 105 0.40 \
    "0.000 $D5 0.80 pure"

# 106 Computer First: two even blips, slightly "machine" in colour.
cue 106 0.32 \
    "0.000 $A5 0.30 hollow" \
    "0.120 $A5 0.45 hollow"

# 107 You are X: crisp upward fourth.
cue 107 0.40 \
    "0.000 $A5 0.35 bright" \
    "0.070 $D6 0.65 bright"

# 108 You Go First: an open upward fifth.
cue 108 0.55 \
    "0.000 $C5 0.55" \
    "0.100 $G5 0.85"

# 109 Play Computer?: a short tick for the check box.
cue 109 0.16 \
    "0.000 $G6 0.22 pure" \
    "0.000 $B5 0.18 pure"

mkdir -p "$out_dir"
for id in 101 102 103 104 105 106 107 108 109; do
    mv -f "$work/$id.wav" "$out_dir/$id.wav"
done
echo "make-cues.sh: wrote $out_dir/101.wav ... 109.wav"
