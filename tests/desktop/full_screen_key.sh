#!/usr/bin/env bash
# full_screen_key.sh HELPER
#
# F11 under a real window manager (openbox on a virtual X server), at the scale QUELMOR_SCALE:
# the title window goes to a true full screen (marked _NET_WM_STATE_FULLSCREEN, the display's
# whole size) and back to the window where it was, as large as it was, three times over; a
# dialog opened over the full screen is drawn at its scale. HELPER is
# tests/desktop/windows_helper.cpp built. Fails when Xvfb, openbox, xdotool,
# xprop or xwininfo is missing (the set-up installs them).
set -euo pipefail

helper=$1
source "$(dirname "$0")/xsession.sh"
need_tools Xvfb openbox xdotool xprop xwininfo
fail() { echo "FAIL: $*" >&2; sed 's/^/helper: /' "$scratch/err" >&2 || true; exit 1; }

display_size=1280x960
start_desktop "$display_size"

export QT_QPA_PLATFORM=xcb
coproc HELPER { exec "$helper" 2> "$scratch/err"; }
pids+=($HELPER_PID)
exec 4>&"${HELPER[1]}" 5<&"${HELPER[0]}"

echo title >&4
shown=$(expect "shown title ") || fail "the title did not open"
id=${shown##*id=} id=${id%% *}
within 50 sh -c "xwininfo -id $id | grep -q IsViewable" || fail "the title window is not shown"

place() {  # the client area: X Y WIDTH HEIGHT
    xwininfo -id "$id" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
                              /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'
}
full() { xprop -id "$id" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN; }
# Settled: the same place twice, 300 ms apart (the window manager's answer has come).
settled() {
    local a b
    a=$(place); sleep 0.3; b=$(place)
    [[ $a == "$b" ]] && echo "$b"
}

sleep 0.5
xdotool windowactivate --sync "$id" 2> /dev/null || true
before=$(settled) || fail "the window does not keep still"
echo "window: $before"
read -r w h <<< "${display_size/x/ }"
for round in 1 2 3; do
    xdotool key F11
    within 30 full || fail "F11 ($round): not marked full screen (window at $(place))"
    now=$(settled) || fail "F11 ($round): the full screen does not keep still"
    [[ $now == "0 0 $w $h" ]] || fail "F11 ($round): full screen at $now, not the display's 0 0 $w $h"
    echo "F11 ($round): full screen $now"
    if ((round == 1)); then
        # A dialog over the full screen is drawn larger, at the full screen's scale as far as it
        # fits on the display.
        echo "open Help" >&4
        help=$(expect "shown Help ") || fail "the help did not open over the full screen"
        help_id=${help##*id=} help_id=${help_id%% *}
        within 30 sh -c "xwininfo -id $help_id | grep -q IsViewable" || fail "the help is not shown over the full screen"
        read -r hx hy hw hh < <(id=$help_id place)
        echo close >&4
        expect closed > /dev/null || fail "the help did not close"
        echo scale >&4
        title=$(expect "scale title=") || fail "no scale from the helper"
        echo "the help over the full screen ($title): ${help##* } at $hx $hy $hw $hh"
        awk -v h="${help##*scale=}" -v n="${QUELMOR_SCALE:-1}" 'BEGIN { exit !(h > n) }' \
            || fail "the help is drawn at the window's scale over the full screen"
        ((hx >= 0 && hy >= 0 && hx + hw <= w && hy + hh <= h)) || fail "the help runs off the display"
        xdotool windowactivate --sync "$id" 2> /dev/null || true
    fi
    xdotool key F11
    within 30 sh -c "! xprop -id $id _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN" \
        || fail "F11 ($round): still marked full screen"
    now=$(settled) || fail "F11 ($round): the window does not keep still"
    [[ $now == "$before" ]] || fail "F11 ($round): back at $now, not where it was ($before)"
    echo "F11 ($round): back at $now"
done
echo quit >&4
echo "full screen key under a window manager: passed"
