#!/bin/sh
# Cuts one of Qt's own catalogues down to the contexts whose words the game's windows can show: the
# box's buttons, the counter box's menu with its key names, the layout direction and the actions a
# screen reader names. The rest of Qt's words (print dialogs, SQL drivers, sockets...) never reach
# a player, and would cost gridora.exe some 40 KB a language.
# Usage: cmake/trim-qt-catalogue.sh LCONVERT IN.qm OUT.qm
set -eu
"$1" -i "$2" -of ts -o - | awk '
    /<context>/ { block = ""; inside = 1 }
    inside {
        block = block $0 "\n"
        if ($0 ~ /<name>/)
            keep = $0 ~ /<name>(QPlatformTheme|QDialogButtonBox|QLineEdit|QUnicodeControlCharacterMenu|QShortcut|QGuiApplication|QAccessibleActionInterface)<\/name>/
        if ($0 ~ /<\/context>/) { if (keep) printf "%s", block; inside = 0 }
        next
    }
    { print }' | "$1" -if ts -i - -of qm -o "$3"
