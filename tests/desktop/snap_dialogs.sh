#!/usr/bin/env bash
# snap_dialogs.sh HELPER OUTDIR [english]
#
# Pictures of the help, the journal, a message box, the close question and the market over the
# title window as a window manager (openbox on a virtual X server of 1920 x 1080) shows them at
# QUELMOR_SCALE: OUTDIR/window-NAME.png; then the same over the title in full screen (F11), the
# whole display: OUTDIR/full-NAME.png, and the fight over it, OUTDIR/full-fight.png. With
# "english", in English. HELPER is tests/desktop/windows_helper.cpp built, which takes the
# pictures. Not a test: the pictures are to be looked at.
set -euo pipefail

helper=$1 out=$2 language=${3:-french}
mkdir -p "$out"
source "$(dirname "$0")/xsession.sh"

start_desktop 1920x1080
export QT_QPA_PLATFORM=xcb QUELMOR_SCALE=${QUELMOR_SCALE:-1}
coproc HELPER { exec "$helper" 2> "$scratch/err"; }
pids+=($HELPER_PID)
exec 4>&"${HELPER[1]}" 5<&"${HELPER[0]}"
shoot() { echo "shoot $1" >&4; expect shot > /dev/null; }

echo title >&4
shown=$(expect "shown title ")
[[ $language == english ]] && echo english >&4
title=${shown##*id=} title=${title%% *}
sleep 1
for mode in window full; do
    for dialog in Help Journal Message Question Market File; do
        echo "open $dialog" >&4
        expect "shown $dialog "
        sleep 0.8
        shoot "$out/$mode-$dialog.png"
        echo "$out/$mode-$dialog.png"
        echo close >&4
        expect closed > /dev/null
    done
    [[ $mode == full ]] && break
    xdotool windowactivate --sync "$title" 2> /dev/null || true
    xdotool key F11
    sleep 1
done
# The fight and its action panel over the full screen (the fight's window closes with the helper).
echo fight >&4
expect "ready " > /dev/null
sleep 1
shoot "$out/full-fight.png"
echo "$out/full-fight.png"
echo quit >&4
