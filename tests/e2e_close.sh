#!/usr/bin/env bash
# A two-player game on the installed program, X winning down the left column, then the window
# closed the way a window manager's close button closes it. Each click puts its own mark and
# nothing else on the board, the win is announced for X with the winner's cue, and closing the
# window ends the program and removes its cue file.
# Usage: e2e_close.sh BUILD_DIR SOURCE_DIR
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/e2e_lib.sh"
cues="$2/resources/cues"

e2e_start "$1"

step "two players: \"Play Computer?\" off, then \"Start \""
sleep 0.5
check_at=$(recording_offset)
press "Play Computer?"
sleep 1
start_at=$(recording_offset)
press Start
sleep 1.4
read_whole_board
board=$shown_board
[ "$board" = "........." ] || fail "the board is not empty after \"Start \": $board"

step "the game"
win_at=""
for move in "1 1 X" "2 1 O" "1 2 X" "2 2 O" "1 3 X"; do
    read -r col row mark <<<"$move"
    expected=$(set_mark "$board" "$(cell_index "$col" "$row")" "$mark")
    if [ "$expected" = "XO.XO.X.." ]; then
        win_at=$(recording_offset)
        click_cell "$col" "$row"
        break
    fi
    click_cell "$col" "$row"
    wait_for 5 "$mark on ($col,$row), board $expected" board_is "$expected"
    sleep 0.3 # no computer is playing: nothing else may appear
    board=$(read_board)
    [ "$board" = "$expected" ] || fail "board $board after $mark on ($col,$row), expected $expected"
    echo "   $mark on ($col,$row): $board"
done

step "X's win, announced"
wait_for 5 "message box" has_message_box
box=$(message_box)
read_message "$box"
echo "   message box reads \"$message_letter...\", ${message_width} px wide"
[ "$message_letter" = X ] || fail "the message box announces $message_letter, X has won"
xdotool windowfocus "$box" key Return
wait_for 5 "closing of the message box" no_message_box
read_whole_board
final=$shown_board
echo "   final board: $final"
[ "$final" = "XO.XO.X.." ] || fail "final board $final"

step "closing the window ends the program"
# Closing cuts the winner's cue off; let it sound whole first (176400 bytes of recording a second).
wait_for 5 "the end of the winner's cue" recorded_past $((win_at + 176400 * 13 / 10))
[ -f "$user_runtime/temp1.wav" ] || fail "no cue file in XDG_RUNTIME_DIR while the game runs"
request_close "$win"
expect_clean_exit "its window closed"

step "the cues on the sound server"
check_cue "Play Computer?" "$check_at" "$cues/109.wav"
check_cue "Start " "$start_at" "$cues/101.wav"
check_cue "the winning move" "$win_at" "$cues/103.wav"

echo "e2e close: passed"
