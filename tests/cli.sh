#!/usr/bin/env bash
# The command line, each answer's first line and exit status, with no display: --version (the
# package's version), --help, a wrong option beside one of Qt's X options, a stray argument, no
# display named, and one that does not answer (no abort).
# Usage: cli.sh BUILD_DIR
set -uo pipefail
g=$1/gridora
run() { out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" 2>&1); printf '%s\n%s\n' "${out%%$'\n'*}" $?; }
diff <(printf '%s\n' "gridora $(dpkg-parsechangelog -l "$1/changelog" -SVersion)" 0 "Usage: $g [options]" 0 \
        "gridora: Unknown option 'bogus'. Try '$g --help'." 2 "gridora: Unexpected argument 'stray'. Try '$g --help'." 2 \
        "gridora: cannot open a display: neither DISPLAY nor WAYLAND_DISPLAY is set" 1 \
        "gridora: cannot open a display: could not connect to display :4095" 1) \
     <(run "$g" --version; run "$g" --help; run "$g" -display :1 --bogus; run "$g" stray; run "$g"; run DISPLAY=:4095 "$g")
