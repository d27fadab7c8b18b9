#!/usr/bin/env bash
# Gridora's start-up, idle and response figures, measured beside a minimal Qt window.
#
#   bench/run.sh BUILD_DIR      (make bench)
#
# BUILD_DIR holds the built gridora; the bench's own programs (bench/probe.cpp, bench/baseline/)
# are built into BUILD_DIR/bench. Starts a private Xvfb and a private PulseAudio with a null sink,
# runs gridora and the baseline alternately, prints a markdown table and writes it, with the
# machine it ran on, to bench/RESULTS.md. Takes about 2.5 minutes, and one more for each of the
# other games that is installed.
#
# Settings from the environment:
#   RUNS=5     full runs of each program (start-up, memory, idle, and gridora's clicks)
#   STARTS=3   start-ups of each after every run, which only add to the start-up figures: those
#              vary most from launch to launch
#   IDLE=10    length of the idle measurement, in seconds
#   OTHERS="bovo four-in-a-row"   other games measured alongside where they are installed
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(dirname "$here")
[ $# -eq 1 ] || { echo "usage: bench/run.sh BUILD_DIR" >&2; exit 2; }
build=$(cd "$1" && pwd)
runs=${RUNS:-5}
starts=${STARTS:-3}
idle=${IDLE:-10}
others=${OTHERS:-bovo four-in-a-row}
game=$build/gridora
[ -x "$game" ] || { echo "bench: no $game; build the game first (make build)" >&2; exit 1; }

bench_build=$build/bench
if ! { cmake -S "$here" -B "$bench_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
       && cmake --build "$bench_build" -j "$(nproc)"; } >"$build/bench-build.log" 2>&1; then
  cat "$build/bench-build.log" >&2
  echo "bench: building the probe and the baseline failed" >&2
  exit 1
fi
probe=$bench_build/probe
baseline=$bench_build/baseline

# ---- a private display and sound server, stopped on the way out --------------------------------
work=$(mktemp -d /tmp/gridora-bench.XXXXXX)
xvfb_pid=""
pulse_pid=""
bus_pid=""
finish() {
  local pid
  for pid in $bus_pid $pulse_pid $xvfb_pid; do
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap finish EXIT
trap 'exit 130' INT TERM

# Xvfb picks a free display itself and writes its number once it accepts connections.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
if [ ! -s "$work/display" ]; then
  cat "$work/xvfb.log" >&2
  echo "bench: Xvfb did not start within 10 s" >&2
  exit 1
fi
display=":$(tr -dc 0-9 <"$work/display")"

mkdir -m 700 "$work/run"
env -u DISPLAY HOME="$work" XDG_RUNTIME_DIR="$work/run" pulseaudio -n --daemonize=no \
  --exit-idle-time=-1 --disallow-exit --use-pid-file=no --log-target=stderr \
  --load="module-null-sink sink_name=gridora_null rate=48000" \
  --load="module-native-protocol-unix auth-anonymous=1" 2>"$work/pulse.log" &
pulse_pid=$!
export PULSE_SERVER="unix:$work/run/pulse/native"
for _ in $(seq 100); do timeout 2 pactl info >/dev/null 2>&1 && break; sleep 0.1; done
if ! timeout 2 pactl info >/dev/null 2>&1; then
  cat "$work/pulse.log" >&2
  echo "bench: the private PulseAudio did not start within 10 s" >&2
  exit 1
fi

# A copy of the game, so a rebuild while the bench runs cannot change what is measured; its cue
# file goes beside it, into the work folder.
cp "$game" "$work/gridora"
game=$work/gridora
game_version=$(git -C "$repo" rev-parse --short HEAD 2>/dev/null || echo unknown)
if [ -n "$(git -C "$repo" status --porcelain -- src CMakeLists.txt 2>/dev/null)" ]; then
  game_version="$game_version with uncommitted changes in src/"
fi

export DISPLAY=$display XDG_RUNTIME_DIR=$work/run

# KDE's games do not start without a session bus: the other games get a private one, and
# gridora and the baseline none, as before.
bus=unix:path=$work/bus
bus_pid=$(dbus-daemon --session --fork --address="$bus" --print-pid)
unset QT_QPA_PLATFORM WAYLAND_DISPLAY SESSION_MANAGER

# ---- the runs ----------------------------------------------------------------------------------
# run_probe NAME OPTIONS... -- PROGRAM: one run, its "key value" lines appended to $work/NAME.
# A failed run is tried once more, since a process of another session may have ended it.
run_probe() {
  local name=$1 try
  shift
  for try in 1 2; do
    if "$probe" --log "$work/$name.log" "$@" >"$work/last" 2>"$work/last.err"; then
      cat "$work/last" >>"$work/$name"
      cp "$work/last" "$work/$name.last"
      # Figures that could not be taken say why; the table shows them as missing.
      sed 's/^/  /' "$work/last.err" >&2
      return 0
    fi
    cat "$work/last.err" >&2
    if [ -s "$work/$name.log" ]; then
      echo "--- the end of $name's output:" >&2
      tail -20 "$work/$name.log" >&2
    fi
    [ "$try" -eq 1 ] && echo "bench: the run of $name failed; trying it once more" >&2
  done
  echo "bench: the run of $name failed twice" >&2
  exit 1
}

# values NAME KEY: every figure taken for KEY, one a line.
values() { awk -v k="$2" '$1 == k && $2 != "-" { print $2 }' "$work/$1" 2>/dev/null || true; }

# median NAME KEY
median() {
  values "$1" "$2" | sort -g | awk '{ v[NR] = $1 } END {
    if (NR == 0) exit; print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}

# cell NAME KEY SCALE DECIMALS: "median (min–max)" of the figures, each divided by SCALE.
cell() {
  values "$1" "$2" | sort -g | awk -v s="$3" -v d="$4" '{ v[NR] = $1 / s } END {
    if (NR == 0) { print "not measured"; exit }
    m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    f = "%." d "f"
    if (NR == 1) printf f "\n", m
    else printf f " (" f "–" f ")\n", m, v[1], v[NR] }'
}

# ratio A B: A / B to two decimals.
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a == "" || b == "" || b == 0) print "—"; else printf "%.2f×\n", a / b }'; }
# verdict VALUE LIMIT: whether VALUE <= LIMIT.
verdict() { awk -v v="$1" -v l="$2" 'BEGIN { if (v !~ /^[0-9.]+$/) print "not measured"; else print (v + 0 <= l ? "yes" : "**no**") }'; }

header() {
  cat <<EOF
How each figure is taken (all times on one CLOCK_MONOTONIC, in bench/probe.cpp):
- First painted frame: the probe watches the DAMAGE extension on Xvfb's root window, which
  reports every drawing on the screen; the clock starts right before fork/exec and stops at the
  first damage inside the program's window after that window's MapNotify (no window manager runs,
  and Qt gives its windows no background, so mapping alone draws nothing). "Window mapped" is
  the MapNotify.
- Idle memory: VmRSS from /proc/PID/status 2 s after the first frame.
- Idle CPU and wakeups: utime+stime from /proc/PID/stat, and voluntary+nonvoluntary context
  switches summed over /proc/PID/task/*/status, over the next $idle s with no input.
- Click to mark: "Start " is pressed, then an XTest press+release on the centre cell; the clock
  stops at the first damage in that cell after which the X is on screen (pixels at the cell's
  centre read back bright; a 2 ms pixel poll backs up the damage events). First and second game.
- Click to sound onset: parec records the null sink's monitor (48 kHz mono, 5 ms fragments) into
  a pipe the probe reads; the onset is the first 1 ms block above -40 dBFS RMS after an XTest
  click on "Easy". The sink renders in real time, so a sample's time is the stream's start plus
  its place in the stream, the start being the earliest the chunk arrivals allow; a chunk that
  arrives late cannot make the onset late. The first click of each run (the first cue the
  program plays) is reported apart from the two after it.
Other work on the machine moves the figures, the start-up ones most: see the load average.
EOF
}

echo "Gridora bench: $runs runs and $((runs * (starts + 1))) start-ups each, alternating, on Xvfb $display with a private PulseAudio null sink"
header
echo

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
"$probe" --start-only -- "$game" >/dev/null 2>&1 || true # page cache and font cache
"$probe" --start-only -- "$baseline" >/dev/null 2>&1 || true
# Debian installs its games in /usr/games, which root's PATH lacks.
measured_others=()
skipped_others=()
for other in $others; do
  if path=$(PATH="$PATH:/usr/games" command -v "$other"); then
    measured_others+=("$path")
  else
    skipped_others+=("$other")
  fi
done

for r in $(seq "$runs"); do
  run_probe gridora --idle "$idle" --sound gridora_null.monitor --mark -- "$game"
  run_probe baseline --idle "$idle" -- "$baseline"
  echo "run $r/$runs  gridora:  $(awk '{ printf "%s=%s ", $1, $2 }' "$work/gridora.last")"
  echo "          baseline: $(awk '{ printf "%s=%s ", $1, $2 }' "$work/baseline.last")"
  for other in "${measured_others[@]}"; do
    name=$(basename "$other")
    DBUS_SESSION_BUS_ADDRESS=$bus run_probe "$name" --idle "$idle" -- "$other"
    echo "          $name: $(awk '{ printf "%s=%s ", $1, $2 }' "$work/$name.last")"
  done
  for _ in $(seq "$starts"); do
    run_probe gridora --start-only -- "$game"
    run_probe baseline --start-only -- "$baseline"
    run_probe caption --start-only -- "$baseline" --caption
  done
done
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

# ---- the table ---------------------------------------------------------------------------------
g_frame=$(median gridora frame_ms)
b_frame=$(median baseline frame_ms)
g_rss=$(median gridora rss_kb)
b_rss=$(median baseline rss_kb)
g_wake=$(median gridora wakeups_ps)
c_frame=$(median caption frame_ms)
frame_ratio=$(ratio "$g_frame" "$c_frame")
rss_ratio=$(ratio "$g_rss" "$b_rss")

table() {
  echo "Medians over $runs runs, and over $((runs * (starts + 1))) launches for the start-up figures;"
  echo "(min–max) beside them; \"met\" judges the median."
  echo
  echo "| Figure | Gridora | Baseline | Gridora / baseline | Target | Met |"
  echo "| --- | --- | --- | --- | --- | --- |"
  echo "| First painted frame, beside the baseline with one caption (ms) | $(cell gridora frame_ms 1 1) | $(cell caption frame_ms 1 1) | $frame_ratio | ≤ 1.2× | $(verdict "${frame_ratio%×}" 1.2) |"
  echo "| First painted frame, beside the text-free baseline (ms) | $(cell gridora frame_ms 1 1) | $(cell baseline frame_ms 1 1) | $(ratio "$g_frame" "$b_frame") | — | — |"
  echo "| Window mapped (ms) | $(cell gridora mapped_ms 1 1) | $(cell baseline mapped_ms 1 1) | $(ratio "$(median gridora mapped_ms)" "$(median baseline mapped_ms)") | — | — |"
  echo "| Idle memory, VmRSS (MiB) | $(cell gridora rss_kb 1024 1) | $(cell baseline rss_kb 1024 1) | $rss_ratio | ≤ 1.5× baseline | $(verdict "${rss_ratio%×}" 1.5) |"
  echo "| Threads once idle | $(cell gridora threads 1 0) | $(cell baseline threads 1 0) | — | — | — |"
  echo "| Idle CPU (% of one core) | $(cell gridora cpu_pct 1 2) | $(cell baseline cpu_pct 1 2) | — | — | — |"
  echo "| Idle wakeups (context switches/s) | $(cell gridora wakeups_ps 1 1) | $(cell baseline wakeups_ps 1 1) | — | 0 (< 0.5/s) | $(verdict "$g_wake" 0.49) |"
  echo "| Click to mark, first game (ms) | $(cell gridora mark_first_ms 1 1) | — | — | ≤ 20 ms | $(verdict "$(median gridora mark_first_ms)" 20) |"
  echo "| Click to mark, second game (ms) | $(cell gridora mark_later_ms 1 1) | — | — | ≤ 20 ms | $(verdict "$(median gridora mark_later_ms)" 20) |"
  echo "| Click to sound onset, first cue of a run (ms) | $(cell gridora sound_first_ms 1 1) | — | — | ≤ 50 ms | $(verdict "$(median gridora sound_first_ms)" 50) |"
  echo "| Click to sound onset, later cues (ms) | $(cell gridora sound_later_ms 1 1) | — | — | ≤ 50 ms | $(verdict "$(median gridora sound_later_ms)" 50) |"
  echo
  if [ ${#measured_others[@]} -gt 0 ]; then
    echo "Other games installed here, measured in the same runs (start-up over the $runs full runs only):"
    echo
    echo "| Program | First painted frame (ms) | Idle VmRSS (MiB) | Idle CPU (%) | Idle wakeups/s |"
    echo "| --- | --- | --- | --- | --- |"
    for name in gridora baseline "${measured_others[@]##*/}"; do
      echo "| $name | $(cell "$name" frame_ms 1 1) | $(cell "$name" rss_kb 1024 1) | $(cell "$name" cpu_pct 1 2) | $(cell "$name" wakeups_ps 1 1) |"
    done
    echo
  fi
  if [ ${#skipped_others[@]} -gt 0 ]; then
    echo "Not installed, so not measured: ${skipped_others[*]}."
  fi
}

machine() {
  local cpu mem qt
  cpu=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
  mem=$(awk '/^MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)
  qt=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)
  echo "| | |"
  echo "| --- | --- |"
  echo "| Date | $(date -u '+%Y-%m-%d %H:%M UTC') |"
  echo "| CPU | ${cpu:-unknown}, $(nproc) cores |"
  echo "| Memory | $mem |"
  echo "| System | Debian $(cat /etc/debian_version), Linux $(uname -r) |"
  echo "| Qt | $qt (Debian packages) |"
  echo "| Display, sound | Xvfb $(dpkg-query -W -f='${Version}' xvfb), 1280x800x24, no window manager; PulseAudio $(dpkg-query -W -f='${Version}' pulseaudio), null sink |"
  echo "| Load average (1, 5, 15 min) | $load_before before, $load_after after |"
  echo "| Gridora | $game_version, as built in $(basename "$build")/ when the bench started |"
}

echo
table
{
  echo "# Gridora benchmark results"
  echo
  echo "The last \`make bench\` run (bench/run.sh): $runs runs of gridora and of a minimal Qt window"
  echo "(bench/baseline/) alternating under Xvfb."
  echo
  echo "## Machine"
  echo
  machine
  echo
  echo "## Figures"
  echo
  table
  echo
  echo "## Method"
  echo
  header | sed '1d'
} >"$here/RESULTS.md"
echo
echo "Written to bench/RESULTS.md"
