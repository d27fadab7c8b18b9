# Gridora installed on Windows, under Wine; sourced by tests/windows.sh after its games, with its Wine
# prefix, X server, sound server and helpers. gridora.exe in a folder it cannot write; then its
# installer, built as make windows-msi builds it: installed silently over an older one, started
# from its Start menu shortcut, refused to an older one, and uninstalled silently without a trace.

# played FOLDER COMMAND...: starts the game by COMMAND, hears "Start ", and finds its cue file in
# FOLDER until the window has closed.
played() {
    play "${@:2}" && started "$1" && close
    [ ! -e "$1/temp1.wav" ] || fail "temp1.wav left behind in $1"
}

echo "-- gridora.exe in a folder it cannot write"
install -d "$w/readonly" && cp "$build/gridora.exe" "$w/readonly/"
temp=$(run winepath -u "$(run wine cmd /c 'echo %TEMP%' | tr -d '\r')")
# Wine's server opens the files, and Wine run as root writes wherever root may: the folder is made
# read-only in a mount namespace of the game's own, where a server of its own starts.
readonly=(unshare -m sh -c 'mount --bind -o ro "$0" "$0" && exec "$@"' "$w/readonly")
if why=$("${readonly[@]}" true 2>&1); then
    run timeout 60 wineserver -w || fail "Wine's server did not end"
    played "$temp" "${readonly[@]}" "${env[@]}" wine "$w/readonly/gridora.exe"
    run timeout 60 wineserver -w || fail "Wine's server did not end"
    echo "   \"Start \" heard; temp1.wav came and went in the user's temporary folder"
else
    echo "   SKIP: no folder here refuses root's writes: $why"
fi

echo "-- the installer"
repo=$(cd "$(dirname "$0")/.." && pwd) && install -d "$w/msi" && cp "$build/gridora.exe" "$w/msi/"
version=$(sed -n 's/^project(gridora VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")
for v in "$version" 0.0.1; do "$repo/scripts/windows-msi.sh" "$w/msi" $v >/dev/null || fail "no installer $v"; done
msi() { run wine msiexec "$1" "Z:$w/msi/gridora-$2-x64.msi" /qn /l*v "Z:$w/msiexec.log"; }
product() { msiinfo export "$w/msi/gridora-$1-x64.msi" Property | sed -n 's/^ProductCode\t//p' | tr -d '\r'; }
registry() { run wine reg query "$1" /s 2>/dev/null | tr -d '\r' | tr -s ' '; }
new=$(product "$version") uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
products='HKLM\Software\Classes\Installer\Products' installed="$w/prefix/drive_c/Program Files/Gridora"
# Wine puts the shortcut in the user's Start menu, Windows in every user's.
shortcut="$(echo "$w"/prefix/drive_c/users/*/AppData/Roaming)/Microsoft/Windows/Start Menu/Programs/Gridora.lnk"
msi /i 0.0.1 && msi /i "$version" || fail "msiexec /i failed: $(tail -n 3 "$w/msiexec.log")"
! registry "$uninstall" | grep -q "$(product 0.0.1)" || fail "$version left 0.0.1 installed beside it"
cmp "$installed/gridora.exe" "$build/gridora.exe" || fail "no gridora.exe in Program Files\\Gridora"
strings -a "$shortcut" | grep -qxF 'C:\Program Files\Gridora\gridora.exe' || fail "no shortcut to gridora.exe"
entry=$(registry "$uninstall\\$new"; registry "$products")
for value in "DisplayName REG_SZ Gridora" "DisplayVersion REG_SZ $version" "Publisher REG_SZ The Gridora developers" \
             "UninstallString REG_EXPAND_SZ MsiExec.exe /X$new" "ProductIcon REG_SZ C:\\windows\\Installer\\$new\\gridora.ico"; do
    grep -qxF " $value" <<<"$entry" || fail "the Uninstall entry lacks $value: $entry"
done
cmp "$w/prefix/drive_c/windows/Installer/$new/gridora.ico" "$repo/resources/gridora.ico" || fail "not Gridora's icon"
echo "   $version installed over 0.0.1: the program, its shortcut, its entry \"Gridora $version\" with its icon"

played "$installed" run wine start /unix "$shortcut"
echo "   started from its shortcut: \"Start \" heard, the cue file beside it until the window closed"

msi /i 0.0.1 && fail "0.0.1 was installed over $version"
grep -qF "WIX_DOWNGRADE_DETECTED = $new" "$w/msiexec.log" && registry "$uninstall\\$new" | grep -q "$version" \
    || fail "0.0.1 refused for another reason: $(tail -n 3 "$w/msiexec.log")"
msi /x "$version" || fail "msiexec /x failed: $(tail -n 3 "$w/msiexec.log")"
left=$(ls -d "$installed" "$shortcut" "$w/prefix/drive_c/windows/Installer/$new" "$temp"/temp*.wav 2>/dev/null
       { registry "$uninstall"; registry "$products"; } | sed -n '/gridora/Ip')
[ -z "$left" ] || fail "uninstalling left $left"
echo "   0.0.1 refused over $version; uninstalled without a trace"
