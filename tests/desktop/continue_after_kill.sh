#!/usr/bin/env bash
# continue_after_kill.sh GAME OUTDIR
#
# The game killed in mid-game and taken up again, in the real game under a real window manager
# (openbox on a virtual X server): a two-player game is started, a few moves are played with the
# keys, the board is photographed (OUTDIR/before.png) and the game is killed (SIGKILL). Started
# again, the title offers File > Continue the last game (OUTDIR/title.png, the menu open);
# the entry takes the game up and the board is photographed again (OUTDIR/after.png). Then a game
# of two computer parties is killed at a random moment of its play and continued the same way:
# the computer plays on (OUTDIR/computer-after.png). The pictures are for the eye; the script
# fails when a window does not come, the record is missing, or the game stops.
set -eu

game=$1 out=$2
desktop_size=1280x1024
source "$(dirname "$0")/record_desktop.sh"
keys() {
    local w
    w=$(window '^Quelmor$')
    [[ -n $w ]] || fail "no game window"
    xdotool windowactivate --sync "$w" 2> /dev/null || true
    # A key may close the window it was sent to (Ctrl+R closes the title): the next goes on.
    for k in "$@"; do xdotool key --window "$w" "$k" 2> /dev/null || true; sleep 0.35; done
}
kill_game() { kill -9 "$run"; wait "$run" 2> /dev/null || true; }
take_up() {
    run_game
    within 300 sh -c "xdotool search --onlyvisible --name '^Quelmor\$'" || fail "no title after the kill"
    sleep 3   # the title's sword and fire
    keys alt+f
    shoot "$1"
    # The entry's underlined letter in the open menu (the key Ctrl+R does the same).
    keys d
    sleep 3
}

# A game of two persons: a few steps and two turns ended, then killed.
run_game QUELMOR_DEMO_BOARD=2
within 300 sh -c 'xdotool search --onlyvisible --name "^Quelmor\$"' || fail "no board"
sleep 3
keys Up Right Down Return Left Up Return Down Down
ls "$records"/game-*.qrec > /dev/null 2>&1 || fail "no record in $records"
shoot before
kill_game
take_up title
shoot after
tail -3 "$records"/game-*.qrec | sed 's/^/record: /' | cut -c1-120
kill_game

# Two computer parties, killed at a random moment of their play, then taken up.
rm -f "$records"/game-*.qrec
run_game QUELMOR_DEMO_BOARD=2 QUELMOR_DEMO_COMPUTERS=1
within 300 sh -c 'xdotool search --onlyvisible --name "^Quelmor\$"' || fail "no board"
sleep "$((3 + RANDOM % 6)).$((RANDOM % 10))"
kill_game
lines=$(wc -l < "$(ls "$records"/game-*.qrec | tail -1)")
echo "killed with $lines lines written"
take_up computer-title
shoot computer-after
sleep 3
more=$(wc -l < "$(ls "$records"/game-*.qrec | tail -1)")
echo "after Continue: $more lines"
[[ $more -gt $lines ]] || fail "the computer did not play on after Continue"
kill -0 "$run" || fail "the game stopped"
kill_game
echo "continue after kill: done"
