#!/usr/bin/env bash
# save_while_computer_plays.sh GAME DRIVER
#
# The player saves while the computer plays, in the real game under a real window manager
# (openbox on a virtual X server): Ctrl+S on the board opens the file dialog; while it is open
# the computer does nothing (its verbose log says it waits, and no action follows); the name
# typed and Return, the file is written, no message box asks for a click, the file loads, and
# the computer goes on. GAME is the game's program, DRIVER quelmor-driver (to load the file).
# Fails when Xvfb, openbox, xdotool or xprop is missing (the set-up installs them).
set -euo pipefail

game=$1 driver=$2
source "$(dirname "$0")/xsession.sh"
need_tools Xvfb openbox xdotool xprop
fail() { echo "FAIL: $*" >&2; [[ -f $scratch/err ]] && grep -v '^$' "$scratch/err" | tail -40 | sed 's/^/game: /' >&2; exit 1; }

start_desktop 1280x1024

# A two-player game where the computer plays both parties, its every action in the log.
saves=$scratch/data/quelmor/saves
QT_QPA_PLATFORM=xcb XDG_DATA_HOME=$scratch/data QUELMOR_SCALE=1 QUELMOR_DEMO_BOARD=2 QUELMOR_DEMO_COMPUTERS=1 \
    QUELMOR_COMPUTER_VERBOSE=1 "$game" > "$scratch/out" 2> "$scratch/err" &
pids+=($!)
acted() { grep '^computer: ' "$scratch/err" | grep -vc '^computer: waits ' || true; }
within 600 sh -c "[ \$(grep '^computer: ' '$scratch/err' | grep -vc '^computer: waits ') -ge 3 ]" \
    || fail "the computer does not play"

# Ctrl+S on the board; should a window of the computer's be in front (the market), the save
# is refused with a message (the player's own, which the computer leaves alone): close it
# and try again.
dialog=
for attempt in 1 2 3 4 5 6 7 8 9 10; do
    board=$(xdotool search --onlyvisible --name '^Quelmor$' | head -1)
    [[ -n $board ]] || fail "no board window"
    xdotool windowactivate --sync "$board" 2> /dev/null || true
    xdotool key --window "$board" ctrl+s
    if within 30 sh -c "xdotool search --onlyvisible --name '^Sauvegarder la partie\$'"; then
        dialog=$(xdotool search --onlyvisible --name '^Sauvegarder la partie$' | head -1)
        break
    fi
    # The refusal: its OK answers Return.
    xdotool key Return
    sleep 0.5
done
[[ -n $dialog ]] || fail "the save dialog never opened"
before=$(acted)
sleep 3  # some seven of the computer's paces
during=$(acted)
((during == before)) || fail "the computer acted $((during - before)) times while the save dialog was open"
grep -q "^computer: waits  -- the player's window is open" "$scratch/err" || fail "the computer did not say it waits"
echo "the dialog open 3 s: the computer waited ($before actions before, none during)"

xdotool windowactivate --sync "$dialog" 2> /dev/null || true
xdotool type --window "$dialog" --delay 20 hunt  # an h: the key that hurries the computer, typed here
xdotool key --window "$dialog" Return
within 100 test -s "$saves/hunt.quelmor" || fail "the file was not written: $(ls -a "$saves")"
# Nothing but the file (and the records folder of the game being played): the temporary file
# took its place.
[[ $(ls -A "$saves" | grep -vx records) == hunt.quelmor ]] || fail "more than the file in the folder: $(ls -A "$saves")"
ls "$saves"/records/game-*.qrec > /dev/null || fail "the game being played has no record"
# The computer goes on by itself, and has no box of the player's to close.
within 100 sh -c "[ \$(grep '^computer: ' '$scratch/err' | grep -vc '^computer: waits ') -gt $during ]" \
    || fail "the computer did not go on after the save"
if sed -n "/^computer: waits /,\$p" "$scratch/err" | sed -n 2p | grep -q 'MsgBox'; then
    fail "the computer answered a message box after the save"
fi
# The file is a game between two actions: it loads, on the board, with no fight open.
printf 'load %s\ndump\n' "$saves/hunt.quelmor" | QT_QPA_PLATFORM=offscreen "$driver" > "$scratch/load.out" 2> "$scratch/load.err" \
    || fail "the driver failed on the file: $(cat "$scratch/load.err")"
grep -q '"frmJeu"' "$scratch/load.out" || fail "the saved game does not load: $(head -c 600 "$scratch/load.out")"
grep -q '"MsgBox"' "$scratch/load.out" && fail "loading the saved game was refused: $(head -c 600 "$scratch/load.out")"
echo "saved between two actions while the computer played: passed"
