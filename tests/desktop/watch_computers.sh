#!/usr/bin/env bash
# watch_computers.sh GAME [OUTDIR]
#
# A person watches four computer parties play, in the real game under a real window manager
# (openbox on a virtual X server): the computer acts by itself, and the line along the foot of
# the map says what it does and why, once a choice (the verbose log shows each sentence as
# the window says it). H hurries it; F2 opens the journal, where the sentences stand among the
# messages, and the computer waits while it is open. With OUTDIR, pictures of the board and
# the journal are left there for the eye. Fails when Xvfb, openbox, xdotool or xprop is
# missing (the set-up installs them).
set -euo pipefail

game=$1 out=${2:-}
source "$(dirname "$0")/xsession.sh"
need_tools Xvfb openbox xdotool xprop
fail() { echo "FAIL: $*" >&2; [[ -f $scratch/err ]] && grep -v '^$' "$scratch/err" | tail -40 | sed 's/^/game: /' >&2; exit 1; }
shoot() { [[ -z $out ]] && return 0; mkdir -p "$out"; import -silent -window root "$out/$1.png"; echo "$out/$1.png"; }

start_desktop 1280x1024

QT_QPA_PLATFORM=xcb XDG_DATA_HOME=$scratch/data QUELMOR_SCALE=1 QUELMOR_DEMO_BOARD=4 QUELMOR_DEMO_COMPUTERS=1 \
    QUELMOR_COMPUTER_VERBOSE=1 "$game" > "$scratch/out" 2> "$scratch/err" &
pids+=($!)
acted() { grep '^computer: ' "$scratch/err" | grep -vc '^computer: waits ' || true; }
said() { grep -c '^computer says: ' "$scratch/err" || true; }

within 600 sh -c "[ \$(grep -c '^computer says: ' '$scratch/err') -ge 2 ]" || fail "the computer says nothing of its choices"
sleep 0.3
shoot board-says
# A key to the game's window in front (the board, or a fight's window over it, which may close
# meanwhile: then again; a shop or a fight hides the board a while).
press() {
    local w
    for attempt in $(seq 1 40); do
        w=$({ xdotool search --onlyvisible --name '^Quelmor$' 2> /dev/null || true; } | tail -1)
        if [[ -n $w ]]; then
            xdotool windowactivate --sync "$w" 2> /dev/null || true
            xdotool key --window "$w" "$1" 2> /dev/null && return 0
        fi
        sleep 0.3
    done
    fail "no game window took $1"
}
# Once a choice: far fewer sentences than actions, however long it plays.
press h
within 1200 sh -c "[ \$(grep -c '^computer says: ' '$scratch/err') -ge 8 ]" \
    || fail "the hurried computer said only $(said) sentences in $(acted) actions"
actions=$(acted) sentences=$(said)
((sentences * 3 < actions)) || fail "$sentences sentences for $actions actions: not once a choice"
grep '^computer says: ' "$scratch/err" | sort | uniq -c | sort -rn | head -3 | sed 's/^/  /'
# The journal: the computer waits while it is open.
press h   # the normal pace again, for the picture
for attempt in 1 2 3 4 5 6 7 8 9 10; do
    press F2
    if within 30 sh -c "xdotool search --onlyvisible --name '^Journal de la partie\$'"; then break; fi
    sleep 0.5
done
journal=$({ xdotool search --onlyvisible --name '^Journal de la partie$' 2> /dev/null || true; } | head -1)
[[ -n $journal ]] || fail "the journal did not open"
before=$(acted)
sleep 2
shoot journal-says
((before == $(acted))) || fail "the computer acted while the journal was open"
xdotool windowactivate --sync "$journal" 2> /dev/null || true
xdotool key Escape   # to the journal, the window in front
within 50 sh -c "! xdotool search --onlyvisible --name '^Journal de la partie\$'" || fail "Escape did not close the journal"
within 100 sh -c "[ \$(grep '^computer: ' '$scratch/err' | grep -vc '^computer: waits ') -gt $before ]" \
    || fail "the computer did not go on after the journal closed"
echo "four computer parties watched: $(acted) actions, $(said) sentences said: passed"
