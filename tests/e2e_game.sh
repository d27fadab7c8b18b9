#!/usr/bin/env bash
# A whole game against the computer at "Best" on the installed program, driven from outside like a
# player would: clicks on the window, the board read back from screenshots, the cues heard on the
# sound server's monitor. The player never blocks, so the computer wins and says so in a message
# box. SIGTERM then closes the window the normal way and the cue file is gone.
# Usage: e2e_game.sh BUILD_DIR SOURCE_DIR
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/e2e_lib.sh"
cues="$2/resources/cues"

e2e_start "$1"

step "options and \"Start \", each with its cue"
sleep 0.5
quiet_until=$(recording_offset)
you_first_at=$quiet_until
press "You Go First"
sleep 1.2
best_at=$(recording_offset)
press "Best"
sleep 1.8
selected=$(selected_options | paste -sd ,)
[ "$selected" = "Best,You Go First,You are X" ] || fail "selected after \"You Go First\" and \"Best\": $selected"
start_at=$(recording_offset)
press Start
sleep 1.6

# The program's own folder is read-only to it, so the cue file goes to the runtime folder.
wait_for 5 "cue file in XDG_RUNTIME_DIR" test -f "$user_runtime/temp1.wav"
[ -z "$(find "$root" "$user_tmp" -name 'temp*.wav')" ] || fail "cue file outside XDG_RUNTIME_DIR"

read_whole_board
board=$shown_board
[ "$board" = "........." ] || fail "the board is not empty after \"Start \": $board"

step "the game"
# Corners first, then edges; never a cell that blocks the computer's two or completes our own three.
preference=(8 2 6 0 5 7 1 3)
box=""
for turn in 1 2 3 4 5; do
    if [ $turn -eq 1 ]; then
        choice=4 # the centre
    else
        avoid=" $(open_gaps "$board" O | tr '\n' ' ') $(open_gaps "$board" X | tr '\n' ' ') "
        choice=""
        for i in "${preference[@]}"; do
            if [ "${board:i:1}" = . ] && [[ "$avoid" != *" $i "* ]]; then
                choice=$i
                break
            fi
        done
        [ -n "$choice" ] || fail "no cell left that leaves the computer its win: $board"
    fi
    read -r col row <<<"$(cell_of_index "$choice")"
    click_cell "$col" "$row"
    clicked=$(set_mark "$board" "$choice" X)

    # Our X shows at once; the computer's O follows on its next timer tick.
    deadline=$(($(now_ns) + 5000000000))
    while :; do
        box=$(message_box)
        [ -n "$box" ] && break 2
        now=$(read_board)
        if [[ "$now" != *"?"* && "$now" != "$board" && "$now" != "$clicked" ]]; then
            one_new_mark "$clicked" "$now" O || fail "board $now after clicking cell ($col,$row) on $board"
            board=$now
            echo "   clicked ($col,$row): $board"
            break
        fi
        [ "$(now_ns)" -lt "$deadline" ] || fail "no answer to the click on ($col,$row); board $now"
        sleep 0.05
    done
done
[ -n "$box" ] || fail "no message box when the game should be over; board $board"

step "the computer's win, announced"
read_message "$box"
echo "   message box reads \"$message_letter...\", ${message_width} px wide"
[ "$message_letter" = O ] || fail "the message box announces $message_letter, the computer plays O"
[ "$message_width" -ge 20 ] && [ "$message_width" -le 90 ] || fail "message text ${message_width} px wide, expected about \"O's win\""
xdotool windowfocus "$box" key Return
wait_for 5 "closing of the message box" no_message_box
read_whole_board
final=$shown_board
echo "   final board: $final"
has_line "$final" O || fail "no line of O on the final board $final"
! has_line "$final" X || fail "a line of X on the final board $final"
one_new_mark "$clicked" "$final" O || fail "final board $final after clicking ($col,$row) on $board"

step "SIGTERM closes the window normally"
[ -f "$user_runtime/temp1.wav" ] || fail "the cue file went away while the game was running"
kill -TERM "$game_pid"
expect_clean_exit "SIGTERM"

step "the cues on the sound server"
read -r level first last <<<"$(sound_after 0 "$(awk -v b="$quiet_until" 'BEGIN { print b / 176400 }')")"
echo "   before any click: level $level"
awk -v l="$level" 'BEGIN { exit !(l < 0.0005) }' || fail "sound before any click (level $level)"
check_cue "You Go First" "$you_first_at" "$cues/108.wav"
check_cue "Best" "$best_at" "$cues/103.wav"
check_cue "Start " "$start_at" "$cues/101.wav"

step "the built program, copied alone into a folder of its own, plays its cues from there"
alone="$user_home/games"
as_user mkdir "$alone"
cp "$1/gridora" "$alone/"
e2e_start_game "$alone/gridora"
sleep 0.5
better_at=$(recording_offset)
press "Better"
wait_for 5 "cue file beside the copy" test -f "$alone/temp1.wav"
sleep 1.2
kill -TERM "$game_pid"
expect_clean_exit "SIGTERM"
check_cue "Better" "$better_at" "$cues/102.wav"

echo "e2e game: passed"
