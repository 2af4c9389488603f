# The editor's round through its real file dialogs, shared by the maker's end-to-end scripts (bash; source it
# after e2e.sh).
# maker_round WIN INPUT OUTPUT: in the zorban_maker window WIN, loads INPUT by typing its path into the open
# dialog, picks "白ブロック" and paints row 5 from column 2 rightwards past the field's edge by dragging,
# types "E2E STAGE" as the title, and saves as OUTPUT by typing its path into the save dialog.
maker_round() {
    local win=$1 input=$2 output=$3 dialog x
    # Load through the open dialog; the all-clear cell then shows in the editor's fixed blue.
    e2e_click "$win" 474 416
    dialog=$(e2e_wait_window "開く")
    e2e_type_replacing "$dialog" "$input"
    xdotool key Return
    e2e_wait_window_gone "開く"
    e2e_wait_pixel "$win" 20 10 8080FF "loaded all-clear block (1, 1)"

    # Pick "白ブロック" (entry 1; entries are 12 pixels high) and paint row 5 by dragging rightwards one
    # cell per step, each step held longer than the 10 ms paint tick, ending over the block list.
    e2e_click "$win" 440 18
    sleep 0.3
    e2e_down "$win" 60 90
    sleep 0.15
    for x in 100 140 180 220 260 300 340 380 420; do
        e2e_move "$win" "$x" 90
        sleep 0.15
    done
    e2e_up
    sleep 0.2

    # The title field.
    e2e_click "$win" 250 417
    e2e_type_replacing "$win" "E2E STAGE"
    sleep 0.2

    # Save through the save dialog (it proposes the loaded file's name), typing a new full path.
    e2e_click "$win" 474 444
    dialog=$(e2e_wait_window "名前を付けて保存")
    e2e_type_replacing "$dialog" "$output"
    xdotool key Return
    e2e_wait_window_gone "名前を付けて保存"
    e2e_wait_file "$output"
}
