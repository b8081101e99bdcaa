#!/usr/bin/env bash
# watch_replay.sh GAME OUTDIR
#
# Watching a recorded game in the real game under a real window manager (openbox on a virtual
# X server): a two-player game is played a few moves with the keys and killed, which leaves its
# record. Started again, File > Watch a replay... (Ctrl+W) opens the record through the file
# dialog; the panel comes beside the board, paused (OUTDIR/watch-paused.png); it is stepped
# (watch-stepped.png), made faster and played (watch-playing.png), then taken over: the panel
# goes and a move is played on the board (watch-taken.png), which a new record holds. The pictures
# are for the eye; the script fails when a window does not come, the game stops, or no new record
# goes on after the take over.
set -eu

game=$1 out=$2
desktop_size=1400x1024
source "$(dirname "$0")/record_desktop.sh"
keys_to() {
    local w
    w=$(window "$1")
    shift
    [[ -n $w ]] || fail "no window $1"
    xdotool windowactivate --sync "$w" 2> /dev/null || true
    for k in "$@"; do xdotool key --window "$w" "$k" 2> /dev/null || true; sleep 0.35; done
}
kill_game() { kill -9 "$run"; wait "$run" 2> /dev/null || true; }
panel='^(Partie enregistrée|Watching a replay)$'

# A game of two persons: a few steps and two turns ended, then killed.
run_game QUELMOR_DEMO_BOARD=2
within 300 sh -c 'xdotool search --onlyvisible --name "^Quelmor\$"' || fail "no board"
sleep 3
keys_to '^Quelmor$' Up Right Down Return Left Up Return Down Down
sleep 1
watched=$(ls "$records"/game-*.qrec | tail -1)
[[ -n $watched ]] || fail "no record in $records"
kill_game
cp "$watched" "$scratch/watched.qrec"
echo "recorded: $(wc -l < "$watched") lines"

# Starts the game, opens FILE through File > Watch a replay... (Ctrl+W) and its file dialog
# (pictured as SHOT when given) and waits for the replay's panel.
watch() {
    run_game
    within 300 sh -c "xdotool search --onlyvisible --name '^Quelmor\$'" || fail "no title"
    sleep 3
    keys_to '^Quelmor$' ctrl+w
    within 100 sh -c "xdotool search --onlyvisible --name 'Revoir|Watch a replay'" || fail "no file dialog"
    sleep 1
    xdotool windowactivate --sync "$(window 'Revoir|Watch a replay')" 2> /dev/null || true
    [[ -n ${2:-} ]] && shoot "$2"
    # The file's name in the dialog's name box, which has the keyboard.
    xdotool type --delay 20 "$1"
    xdotool key Return
    within 200 sh -c "xdotool search --onlyvisible --name '$panel'" || fail "no replay panel"
}

# Watch it.
watch "$watched" watch-dialog
sleep 2
shoot watch-paused
keys_to "$panel" Right Right Right Right Right Right
shoot watch-stepped
keys_to "$panel" Up Up space
sleep 2
shoot watch-playing
# The board takes no key while watching: this Return must not end anybody's turn.
keys_to '^Quelmor$' Return Up
# T closes the panel it is sent to: sent to the window that has the keyboard, so that its
# release still comes (a release aimed at the closed window would be lost, and the key repeat).
xdotool windowactivate --sync "$(window "$panel")" 2> /dev/null || true
xdotool key t
sleep 1
[[ -z $(window "$panel") ]] || fail "the panel stayed after Take over"
cmp -s "$watched" "$scratch/watched.qrec" || fail "the watched record was written"
keys_to '^Quelmor$' Down Return
sleep 2
shoot watch-taken
newest=$(ls "$records"/game-*.qrec | tail -1)
[[ $newest != "$watched" ]] || fail "no new record after Take over"
echo "new record: $(wc -l < "$newest") lines, watched: $(wc -l < "$watched") lines"
tail -n +$(($(wc -l < "$watched") - 1)) "$newest" | cut -c1-100 | sed "s/^/new record: /" | head -40
sleep 1
"$(dirname "$game")/quelmor-driver" --replay "$newest" || fail "the new record does not replay"
kill -0 "$run" || fail "the game stopped"
kill_game

# Two computer parties, recorded a while (fights and dialogs included), watched at ×16 and taken
# over in the middle: the computer plays on.
rm -f "$records"/game-*.qrec
run_game QUELMOR_DEMO_BOARD=2 QUELMOR_DEMO_COMPUTERS=1
within 300 sh -c 'xdotool search --onlyvisible --name "^Quelmor\$"' || fail "no board"
sleep 12
kill_game
watched=$(ls "$records"/game-*.qrec | tail -1)
echo "computer game recorded: $(wc -l < "$watched") lines"
watch "$watched"
sleep 1
keys_to "$panel" Up Up Up Up space
sleep 4
shoot computer-playing
xdotool windowactivate --sync "$(window "$panel")" 2> /dev/null || true
xdotool key t
sleep 1
[[ -z $(window "$panel") ]] || fail "the panel stayed after Take over"
newest=$(ls "$records"/game-*.qrec | tail -1)
[[ $newest != "$watched" ]] || fail "no new record after Take over"
taken=$(wc -l < "$newest")
sleep 4
shoot computer-taken
echo "computer game taken over: $taken lines, 4 s later $(wc -l < "$newest")"
[[ $(wc -l < "$newest") -gt $taken ]] || fail "the computer did not play on after Take over"
kill -0 "$run" || fail "the game stopped"
kill_game
! grep -q "AddressSanitizer\|runtime error" "$scratch/err" || fail "a sanitizer report"
echo "watch replay: done"
