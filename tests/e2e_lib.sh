# Sourced by the end-to-end tests of the installed program. Gives each test its own X server, its
# own sound server with a silent sink whose monitor is recorded, and its own install of Gridora,
# run as an unprivileged user so that the program's folder really is read-only to it (root would
# write there whatever the permission bits say). Everything started here is stopped on exit, by
# process id, newest first; nothing else is touched.
#
#     source e2e_lib.sh
#     e2e_start "$build_dir"        # install, X, sound, recording, the game; sets $win
#     click 384 28                  # "Start "
#     [ "$(read_board)" = "....X...." ]

set -euo pipefail

# Running the game as another user takes root; CI and the project's machines run as root.
if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: run as root, so that the game can run as an unprivileged user"
    exit 77
fi

e2e_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$e2e_here/install_files.sh"

build_dir=""
run_user=nobody
run_group=nogroup
e2e_pids=()
work=$(mktemp -d /tmp/gridora-e2e.XXXXXX) # not $TMPDIR: the game's user must reach it too
root="$work/root"                  # the DESTDIR
bin="$root/usr/games"
user_home="$work/user"             # HOME of the user the game runs as
user_runtime="$user_home/runtime"  # its XDG_RUNTIME_DIR
user_tmp="$user_home/tmp"          # its TMPDIR
recording="$work/monitor.raw"      # s16le, 44100 Hz, stereo
export HOME="$work/home"           # the sound tools' own settings stay in here too

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

step() { echo "-- $*"; }

now_ns() { date +%s%N; }

# wait_for SECONDS WHAT COMMAND...: runs COMMAND until it succeeds; fails the test after SECONDS.
# COMMAND's arguments are expanded once, by the caller: what must be looked at afresh goes in a
# function.
wait_for() {
    local seconds=$1 what=$2
    shift 2
    local deadline=$(($(now_ns) + seconds * 1000000000))
    until "$@" >/dev/null 2>&1; do
        [ "$(now_ns)" -lt "$deadline" ] || fail "no $what after ${seconds} s"
        sleep 0.1
    done
}

# Whether the process has ended (a zombie still holds its id until it is waited for).
has_ended() {
    local state
    state=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f1) || return 0
    [ -z "$state" ] || [ "$state" = Z ]
}

# stop_process PID [SIGNAL]: signals our child, kills it after 5 s, reaps it and forgets it.
# Leaves its exit status in $stopped_status. Not in a subshell: only this shell can reap it.
stop_process() {
    local pid=$1 signal=${2:-TERM} i
    kill "-$signal" "$pid" 2>/dev/null || true
    for ((i = 0; i < 50; ++i)); do
        has_ended "$pid" && break
        sleep 0.1
    done
    has_ended "$pid" || kill -KILL "$pid" 2>/dev/null || true
    stopped_status=0
    wait "$pid" 2>/dev/null || stopped_status=$?
    forget_process "$pid"
}

# wait_for_exit PID SECONDS: waits for our child to end by itself, then reaps it and forgets it,
# leaving its exit status in $stopped_status; fails the test if it does not end in time.
wait_for_exit() {
    wait_for "$2" "exit of process $1" has_ended "$1"
    stopped_status=0
    wait "$1" 2>/dev/null || stopped_status=$?
    forget_process "$1"
}

forget_process() {
    local kept=() p
    for p in "${e2e_pids[@]}"; do
        [ "$p" = "$1" ] || kept+=("$p")
    done
    e2e_pids=("${kept[@]}")
}

e2e_cleanup() {
    local status=$? i
    set +e
    for ((i = ${#e2e_pids[@]} - 1; i >= 0; --i)); do
        stop_process "${e2e_pids[i]}"
    done
    if [ $status -ne 0 ]; then
        for log in game xvfb pulse parec; do
            [ -s "$work/$log.log" ] && { echo "--- $log.log"; tail -n 30 "$work/$log.log"; }
        done
        # Keeps the last screenshots, beside the build, for a look at what went wrong.
        if [ -n "$build_dir" ] && compgen -G "$work/*.png" >/dev/null; then
            local shots
            shots="$build_dir/e2e-failures/$(basename "$0" .sh)"
            rm -rf "$shots" && mkdir -p "$shots" && cp "$work"/*.png "$shots/" && echo "screenshots kept in $shots"
        fi
    fi
    rm -rf "$work"
    exit $status
}
trap e2e_cleanup EXIT
set -E
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND failed" >&2' ERR

as_user() {
    setpriv --reuid="$run_user" --regid="$run_group" --clear-groups "$@"
}

# Installs into $root and makes the program's folder unwritable for the user it runs as.
e2e_install() {
    install_into "$root" "$1"
    chmod 755 "$work" # mktemp made it private to root; the user must reach the program
    chmod a-w "$bin"
    mkdir -m 700 "$HOME" "$user_home" "$user_runtime" "$user_tmp"
    chown -R "$run_user:$run_group" "$user_home"
    as_user test -x "$bin/gridora" || fail "$run_user cannot run $bin/gridora"
    ! as_user test -w "$bin" || fail "$run_user can write to $bin"
    ! as_user touch "$bin/probe" 2>/dev/null || fail "$run_user could create a file in $bin"
}

e2e_start_display() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
    e2e_pids+=("$!")
    wait_for 10 "X server" test -s "$work/display"
    DISPLAY=":$(head -n 1 "$work/display")"
    export DISPLAY
    wait_for 10 "X server answering on $DISPLAY" xdpyinfo
}

# A private sound server whose only sink is silent; its monitor is recorded from here on.
e2e_start_sound() {
    mkdir -m 700 "$work/pulse-home"
    mkdir -m 755 "$work/pulse" # the user's programs connect to the socket in here
    printf 'autospawn = no\n' >"$work/pulse-client.conf"
    chmod 644 "$work/pulse-client.conf"
    export PULSE_SERVER="unix:$work/pulse/native" PULSE_CLIENTCONFIG="$work/pulse-client.conf"
    HOME="$work/pulse-home" XDG_RUNTIME_DIR="$work/pulse-home" \
        pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
        --log-target=stderr \
        --load="module-null-sink sink_name=gridora_null rate=44100 channels=2 format=s16le" \
        --load="module-native-protocol-unix auth-anonymous=1 socket=$work/pulse/native" \
        2>"$work/pulse.log" &
    e2e_pids+=("$!")
    wait_for 10 "sound server" pactl info
    parec -d gridora_null.monitor --format=s16le --rate=44100 --channels=2 --latency-msec=20 \
        >"$recording" 2>"$work/parec.log" &
    e2e_pids+=("$!")
    wait_for 5 "recording" test -s "$recording"
}

# The visible windows titled exactly "Gridora": the game's, and its message box while one is open.
gridora_windows() { xdotool search --onlyvisible --name '^Gridora$' 2>/dev/null || true; }
has_gridora_window() { [ -n "$(gridora_windows)" ]; }

# e2e_start_game [PROGRAM]: the installed program, or another copy of it.
e2e_start_game() {
    touch "$work/game-started"
    # Not through as_user: $! must be the game itself, which setpriv and env become by exec.
    setpriv --reuid="$run_user" --regid="$run_group" --clear-groups \
        env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$user_home" XDG_RUNTIME_DIR="$user_runtime" \
        TMPDIR="$user_tmp" DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb \
        PULSE_SERVER="$PULSE_SERVER" PULSE_CLIENTCONFIG="$PULSE_CLIENTCONFIG" \
        "${1:-$bin/gridora}" >"$work/game.log" 2>&1 &
    game_pid=$!
    e2e_pids+=("$game_pid")
    wait_for 20 "Gridora window" has_gridora_window
    win=$(gridora_windows)
    [ "$(wc -w <<<"$win")" -eq 1 ] || fail "more than one Gridora window at start: $win"
    local geometry
    geometry=$(xdotool getwindowgeometry "$win")
    grep -q 'Position: 483,179 ' <<<"$geometry" && grep -q 'Geometry: 435x347' <<<"$geometry" \
        || fail "the window is not 435x347 at (483,179): $geometry"
}

e2e_start() {
    build_dir=$(cd "$1" && pwd)
    e2e_install "$build_dir"
    e2e_start_display
    e2e_start_sound
    e2e_start_game
}

# click X Y: a left click at client pixel (X, Y) of the game's window.
click() { xdotool mousemove --window "$win" "$1" "$2" click 1; }

# Client pixels of the controls: a point inside each, and the centre of each round indicator.
declare -A control_at=(
    [Start]="384 28" [Easy]="48 32" [Better]="48 48" [Best]="48 64"
    [You Go First]="76 312" [Computer First]="76 328" [Play Computer?]="176 320"
    [You are X]="376 312" [You are O]="376 328")
declare -A indicator_at=(
    [Easy]="23 32" [Better]="23 48" [Best]="23 64" [You Go First]="39 312" [Computer First]="39 328"
    [You are X]="343 312" [You are O]="343 328")
press() {
    local x y
    read -r x y <<<"${control_at[$1]}"
    click "$x" "$y"
}

# The option buttons that show as selected (a dark dot in the white indicator), one a line.
selected_options() {
    import -window "$win" "$work/options.png" 2>/dev/null || return 1
    local name spots=""
    for name in "${!indicator_at[@]}"; do spots+="${indicator_at[$name]} $name;"; done
    grey_pixels "$work/options.png" | awk -v spots="$spots" '
        NR == 1 { next }
        { for (x = 0; x < NF; ++x) g[x, NR - 2] = $(x + 1) }
        END {
            n = split(spots, s, ";")
            for (i = 1; i < n; ++i) {
                split(s[i], f, " "); name = s[i]; sub(/^[0-9]+ [0-9]+ /, "", name)
                if (g[f[1], f[2]] < 128) print name
            }
        }' | LC_ALL=C sort
}

# Client pixel of a cell's centre: the board's user scale is -20..200 across, 0..200 down.
cell_x() { echo $((((50 * $1 + 20) * 435 + 110) / 220)); }
cell_y() { echo $(((50 * $1 * 347 + 100) / 200)); }
click_cell() { click "$(cell_x "$1")" "$(cell_y "$2")"; }

# The board as the window shows it: nine characters, row by row from the top, X, O or "." for an
# empty cell, "?" where the picture is neither (a cell covered by the message box, say). An X is two
# white strokes crossing at the centre; an O a white ring about 20 px round a black centre.
read_board() {
    import -window "$win" "$work/board.png" 2>/dev/null || { echo "?????????"; return; }
    grey_pixels "$work/board.png" | awk '
        NR == 1 { w = $1; h = $2; next }
        { for (x = 0; x < w; ++x) g[x, NR - 2] = $(x + 1) }
        function level(x, y,   dx, dy, sum) {
            for (dx = -1; dx <= 1; ++dx) for (dy = -1; dy <= 1; ++dy) sum += g[x + dx, y + dy]
            return sum / 9
        }
        function white(x, y) { return level(x, y) > 160 }
        function black(x, y) { return level(x, y) < 96 }
        END {
            r = 20
            for (row = 1; row <= 3; ++row) for (col = 1; col <= 3; ++col) {
                x = int((50 * col + 20) * w / 220 + 0.5); y = int(50 * row * h / 200 + 0.5)
                ring = white(x - r, y) + white(x + r, y) + white(x, y - r) + white(x, y + r)
                gap = black(x - r, y) + black(x + r, y) + black(x, y - r) + black(x, y + r)
                if (white(x, y) && gap == 4) c = "X"
                else if (black(x, y) && ring == 4) c = "O"
                else if (black(x, y) && gap == 4) c = "."
                else c = "?"
                printf "%s", c
            }
            print ""
        }'
}

# grey_pixels PICTURE: its width and height, then one line of grey levels (0..255) per row.
grey_pixels() {
    local size
    size=$(identify -format '%w %h' "$1")
    echo "$size"
    stream -map i -storage-type char "$1" - | od -An -v -tu1 -w"${size% *}"
}

board_is() { [ "$(read_board)" = "$1" ]; }

# Leaves the board in $shown_board once every cell reads as X, O or empty (a window just
# uncovered may take a moment to repaint); fails the test after 5 s.
read_whole_board() { wait_for 5 "board with every cell readable" whole_board_shown; }
whole_board_shown() {
    shown_board=$(read_board)
    [[ "$shown_board" != *"?"* ]]
}

# cell_index COL ROW: the position of a cell in read_board's nine characters.
cell_index() { echo $((($2 - 1) * 3 + $1 - 1)); }
cell_of_index() { echo "$(($1 % 3 + 1)) $(($1 / 3 + 1))"; }
count_of() { local s=${1//[^$2]/}; echo ${#s}; }
set_mark() { local b=$1 i=$2; echo "${b:0:i}$3${b:i+1}"; }

# one_new_mark OLD NEW MARK: whether NEW is OLD with MARK in exactly one of its empty cells.
one_new_mark() {
    local i changed=0
    for i in {0..8}; do
        [ "${1:i:1}" = "${2:i:1}" ] && continue
        [ "${1:i:1}" = . ] && [ "${2:i:1}" = "$3" ] || return 1
        changed=$((changed + 1))
    done
    [ $changed -eq 1 ]
}

# The eight lines of the board as positions in read_board's string.
board_lines=("0 3 6" "1 4 7" "2 5 8" "0 1 2" "3 4 5" "6 7 8" "0 4 8" "6 4 2")

# has_line BOARD MARK: whether MARK fills a whole line.
has_line() {
    local l a b c
    for l in "${board_lines[@]}"; do
        read -r a b c <<<"$l"
        [ "${1:a:1}${1:b:1}${1:c:1}" = "$2$2$2" ] && return 0
    done
    return 1
}

# open_gaps BOARD MARK: the empty positions that would complete a line of MARK.
open_gaps() {
    local l a b c cells
    for l in "${board_lines[@]}"; do
        read -r a b c <<<"$l"
        cells="${1:a:1}${1:b:1}${1:c:1}"
        if [ "$(count_of "$cells" "$2")" -eq 2 ] && [ "$(count_of "$cells" .)" -eq 1 ]; then
            for i in $a $b $c; do [ "${1:i:1}" = . ] && echo "$i"; done
        fi
    done
}

# The message box: the visible "Gridora" window that is not the game's.
message_box() { gridora_windows | grep -vx "$win" | head -n 1 || true; }
no_message_box() { [ -z "$(message_box)" ]; }
has_message_box() { [ -n "$(message_box)" ]; }

# read_message BOX: leaves in $message_letter the first letter of the box's text, and in
# $message_width the width of the text, once the box shows some; fails the test after 5 s.
read_message() { wait_for 5 "text in the message box" message_shown "$1"; }
message_shown() {
    local reading
    reading=$(message_first_letter "$1") || return 1
    read -r message_letter message_width <<<"$reading"
}

# The first letter of the message box's text, X or O, read from the shape of the glyph: where the
# strokes of an X cross, an O has its hole. Prints the letter and the width of the text line.
message_first_letter() {
    import -window "$1" "$work/message.png" 2>/dev/null || return 1
    grey_pixels "$work/message.png" | awk '
        NR == 1 { w = $1; h = $2; next }
        { for (x = 0; x < w; ++x) dark[x, NR - 2] = ($(x + 1) < 128) }
        END {
            # The text is the topmost band of rows with dark pixels; the button lies below it.
            top = -1
            for (y = 0; y < h; ++y) {
                any = 0
                for (x = 0; x < w; ++x) if (dark[x, y]) any = 1
                if (any && top < 0) top = y
                if (!any && top >= 0) { bottom = y - 1; break }
            }
            if (top < 0 || bottom < top) exit 1
            left = -1; glyph_end = -1
            for (x = 0; x < w; ++x) {
                any = 0
                for (y = top; y <= bottom; ++y) if (dark[x, y]) any = 1
                if (any) { if (left < 0) left = x; right = x }
                if (!any && left >= 0 && glyph_end < 0) glyph_end = x - 1
            }
            if (glyph_end < left) exit 1
            mx = int((left + glyph_end) / 2 + 0.5); my = int((top + bottom) / 2 + 0.5)
            print (dark[mx, my] ? "X" : "O"), right - left + 1
        }'
}

# Reads sox's text samples; prints the RMS level, then the first and the last moment (in seconds)
# at which the sound is louder than 1 % of full scale, or -1 -1 when it never is.
measure_sound() {
    awk '
        /^;/ { next }
        { sub(/\r$/, "") } # sox ends its lines with CR LF
        { for (c = 2; c <= NF; ++c) {
              sum += $c * $c; ++n
              if ($c > 0.01 || $c < -0.01) { if (first == "") first = $1; last = $1 } } }
        END { if (first == "") { first = -1; last = -1 }
              printf "%.5f %.3f %.3f\n", (n ? sqrt(sum / n) : 0), first, last }'
}

# sound_after OFFSET SECONDS: measure_sound over SECONDS of the recording from byte OFFSET.
sound_after() {
    sox -t raw -r 44100 -e signed -b 16 -c 2 "$recording" -t dat - trim "$(($1 / 4))s" "$2" 2>/dev/null | measure_sound
}

# check_cue NAME OFFSET CUE_FILE: the cue in CUE_FILE is heard, whole, starting within 0.5 s of
# the click on NAME, which was made at byte OFFSET of the recording.
check_cue() {
    local level first last cue_first cue_last
    read -r _ cue_first cue_last <<<"$(sox "$3" -t dat - | measure_sound)"
    local seconds end
    seconds=$(awk -v l="$cue_last" 'BEGIN { print l + 0.5 }')
    end=$(awk -v o="$2" -v s="$seconds" 'BEGIN { printf "%d", o + s * 176400 }')
    wait_for 5 "recording up to the end of the cue after \"$1\"" recorded_past "$end"
    read -r level first last <<<"$(sound_after "$2" "$seconds")"
    echo "   after \"$1\": level $level, sound from $first s to $last s; $(basename "$3") sounds for $cue_first..$cue_last s"
    awk -v l="$level" -v f="$first" -v t="$last" -v cf="$cue_first" -v ct="$cue_last" \
        'BEGIN { d = (t - f) - (ct - cf); exit !(l > 0.003 && f >= 0 && f < 0.5 && d > -0.1 && d < 0.1) }' \
        || fail "the cue after \"$1\" is missing or not whole"
}

# The position in the recording now, in bytes.
recording_offset() { stat -c %s "$recording"; }
recorded_past() { [ "$(recording_offset)" -gt "$1" ]; }

# request_close WINDOW: asks the window to close, as a window manager's close button does: a
# WM_DELETE_WINDOW client message (xdotool's windowclose would destroy the window instead).
request_close() {
    python3 - "$1" <<'PYTHON'
import ctypes, sys

class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]

class Event(ctypes.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]

x11 = ctypes.CDLL("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XInternAtom.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                           ctypes.POINTER(Event)]
x11.XFlush.argtypes = [ctypes.c_void_p]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

display = x11.XOpenDisplay(None)
if not display:
    sys.exit("cannot open the display")
window = int(sys.argv[1], 0)
event = Event()
event.xclient.type = 33  # ClientMessage
event.xclient.window = window
event.xclient.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
event.xclient.format = 32
event.xclient.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
event.xclient.data[1] = 0  # CurrentTime
if not x11.XSendEvent(display, window, 0, 0, ctypes.byref(event)):
    sys.exit("XSendEvent failed")
x11.XFlush(display)
x11.XCloseDisplay(display)
PYTHON
}

# expect_clean_exit HOW: the game, closed by HOW, ended with status 0, left no cue file behind
# and never failed to play a cue.
expect_clean_exit() {
    wait_for_exit "$game_pid" 10
    [ "$stopped_status" = 0 ] || fail "gridora exited with status $stopped_status after $1"
    leftover=$(leftover_cue_files)
    [ -z "$leftover" ] || fail "cue file left behind: $leftover"
    if grep 'gridora: sound:' "$work/game.log"; then
        fail "the game could not play its cues"
    fi
}

# Cue files the game left: in its install, its home (runtime and temporary folders included), or
# the shared temporary folder since the game started.
leftover_cue_files() {
    find "$root" "$user_home" -name 'temp*.wav'
    find /tmp -maxdepth 1 -name 'temp*.wav' -user "$run_user" -newer "$work/game-started"
}
