#!/usr/bin/env bash
# Runs a command beside a private PulseAudio server whose only sink is the null sink
# "gridora_null", in a private runtime folder; stops the server and removes the folder after.
set -euo pipefail

runtime=$(mktemp -d /tmp/gridora-pulse.XXXXXX)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime" HOME="$runtime"
unset PULSE_SERVER

pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
  --load="module-null-sink sink_name=gridora_null" \
  --load="module-native-protocol-unix auth-anonymous=1" \
  --log-target=file:"$runtime/pulse.log" &
pulse=$!
trap 'kill "$pulse" 2>/dev/null; wait "$pulse" 2>/dev/null; rm -rf "$runtime"' EXIT

for _ in $(seq 100); do
  pactl info >/dev/null 2>&1 && break
  sleep 0.1
done
pactl info >/dev/null || { echo "with-pulse.sh: the sound server did not start" >&2; cat "$runtime/pulse.log" >&2; exit 1; }

"$@"
