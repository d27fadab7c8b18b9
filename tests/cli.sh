#!/usr/bin/env bash
# The command line, each answer's first line and exit status, with no display: --version (the
# package's version), --help, a wrong option beside one of Qt's X options, a stray argument, a zoom
# that is no step and one not given; every
# display that cannot be opened, in one line with status 1 (no abort): X with none named, no such
# server and one that refuses, Wayland with no compositor whether Qt chose it or was told, eglfs,
# linuxfb and vnc. --help-all lists -platform once; given an argument, the game comes up and closes
# cleanly on SIGTERM, leaving no cue file. Under X, the window's first size follows the desktop's
# Large Text, read from a settings portal of this run's own, and --zoom overrides it.
# Usage: cli.sh BUILD_DIR
set -uo pipefail
g=$1/gridora
w=$(mktemp -d)
. "$(dirname "$0")/wait.sh"
export XDG_RUNTIME_DIR=$w
# An X server that refuses whoever lacks its cookie; a port that the VNC server cannot have.
xauth -q -f "$w/cookie" add :0 . "$(mcookie)"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -auth "$w/cookie" -nolisten tcp 3>"$w/display" 2>/dev/null &
exec 4< <(exec python3 -c 'import socket, time; s = socket.socket(); s.bind(("", 0)); s.listen(); print(s.getsockname()[1], flush=True); time.sleep(60)')
listener=$!
trap 'kill $(jobs -p) $listener 2>/dev/null; rm -rf "$w"' EXIT
read -r port <&4
await 30 test -s "$w/display"
run() { out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE "$@" 2>&1); printf '%s\n%s\n' "${out%%$'\n'*}" $?; }
no="gridora: cannot open a display:" wl="Failed to create wl_display (No such file or directory)"
diff <(printf '%s\n' "gridora $(dpkg-parsechangelog -l "$1/changelog" -SVersion)" 0 "Usage: $g [options]" 0 \
        "gridora: Unknown option 'bogus'. Try '$g --help'." 2 "gridora: Unexpected argument 'stray'. Try '$g --help'." 2 \
        "gridora: Zoom '130' is none of 100, 125, 150, 175, 200, 250 and 300. Try '$g --help'." 2 \
        "gridora: Missing value after '--zoom'. Try '$g --help'." 2 \
        "$no neither DISPLAY nor WAYLAND_DISPLAY is set" 1 "$no could not connect to display :4095" 1 \
        "$no Authorization required, but no authorization protocol specified" 1 "$no $wl" 1 "$no $wl" 1 "$no $wl" 1 \
        "$no Could not open DRM device /nonexistent (No such file or directory)" 1 \
        "$no Failed to open framebuffer /nonexistent (No such file or directory)" 1 \
        "$no QVncServer could not connect: \"The bound address is already in use\"" 1 1) \
     <(run "$g" --version; run "$g" --help; run "$g" -display :1 --bogus; run "$g" stray; run "$g" --zoom 130; run "$g" --zoom
       run "$g"; run DISPLAY=:4095 "$g"
       run DISPLAY=:"$(cat "$w/display")" XAUTHORITY=/dev/null "$g"; run WAYLAND_DISPLAY=wayland-9 "$g"
       run QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-9 "$g"; run "$g" -platform wayland
       run QT_QPA_EGLFS_INTEGRATION=eglfs_kms QT_QPA_EGLFS_KMS_CONFIG=<(echo '{"device": "/nonexistent"}') "$g" -platform eglfs
       run "$g" -platform linuxfb:fb=/nonexistent; run "$g" -platform vnc:port="$port"; "$g" --help-all | grep -c -- '--platform ') || exit 1
"$g" -platform offscreen 2>/dev/null & game=$!
# Up, once it has taken SIGTERM over to close the normal way.
await 30 eval '(("0x$(awk "/^SigCgt/ { print \$2 }" /proc/$game/status)" & 1 << 14))' && kill -TERM $game && wait $game || { echo "FAIL: the game did not come up, or did not close with status 0"; exit 1; }
[ -z "$(find "$1" "$w" -maxdepth 1 -name 'temp*.wav')" ] || { echo "FAIL: a cue file left"; exit 1; }

# GNOME's Large Text at 1.5, as its portal gives it (wrapped twice): the window opens at 150 %. Over
# it, --zoom 100; and --zoom 300 gives the largest step that fits the 1280 x 1024 screen, 250 %,
# moved just enough to fit.
export DBUS_SESSION_BUS_ADDRESS=unix:path=$w/bus DISPLAY=:$(cat "$w/display") XAUTHORITY=$w/cookie
xauth -q add "$DISPLAY" . "$(xauth list | awk '{ print $3; exit }')" # the cookie, for this display's clients
dbus-daemon --session --nofork --address="$DBUS_SESSION_BUS_ADDRESS" 2>/dev/null &
await 30 test -S "$w/bus"
/usr/bin/python3 -c 'import dbus.service, dbus.mainloop.glib; from gi.repository import GLib; dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
class Portal(dbus.service.Object):
    @dbus.service.method("org.freedesktop.portal.Settings", "ss", "v")
    def Read(self, namespace, key): # None, an error, for any other setting
        if (namespace, key) == ("org.gnome.desktop.interface", "text-scaling-factor"): return dbus.Double(1.5, variant_level=2)
Portal(dbus.service.BusName("org.freedesktop.portal.Desktop", dbus.SessionBus()), "/org/freedesktop/portal/desktop"); GLib.MainLoop().run()' &
await 30 eval 'dbus-send --session --print-reply --dest=org.freedesktop.portal.Desktop /org/freedesktop/portal/desktop \
    org.freedesktop.portal.Settings.Read string:org.gnome.desktop.interface string:text-scaling-factor >/dev/null 2>&1'
placed() { "$g" "$@" 2>/dev/null & local game=$! # where the window opens, and its size
    xdotool getwindowgeometry "$(timeout 60 xdotool search --sync --onlyvisible --name '^Gridora$' | head -n 1)" | awk 'NR > 1 { printf "%s ", $2 }'
    kill $game && wait $game; }
seen="$(placed)|$(placed --zoom 100)|$(placed --zoom 300)"
[ "$seen" = "483,179 653x521 |483,179 435x347 |192,156 1088x868 " ] || { echo "FAIL: the window opened at $seen"; exit 1; }
