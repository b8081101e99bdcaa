#!/usr/bin/env bash
# dialogs_shown.sh HELPER [TIMES]
#
# Every kind of dialog, opened TIMES times (100 by default) over the title window under a real
# window manager (openbox on a virtual X server), is mapped and managed each time: it lies in a
# frame of the window manager and is viewable within 1.5 s. A dialog the window manager never
# shows leaves the game waiting for it, the other windows deaf to keys and clicks.
# HELPER is tests/desktop/windows_helper.cpp built. Fails when Xvfb, openbox,
# xprop or xwininfo is missing (the set-up installs them).
set -euo pipefail

helper=$1 times=${2:-100}
source "$(dirname "$0")/xsession.sh"
need_tools Xvfb openbox xprop xwininfo
fail() { echo "FAIL: $*" >&2; sed 's/^/helper: /' "$scratch/err" >&2 || true; exit 1; }

start_desktop 1024x768

export QT_QPA_PLATFORM=xcb QUELMOR_FILE_FOLDER=$scratch  # the file dialog lists an empty folder
coproc HELPER { exec "$helper" 2> "$scratch/err"; }
pids+=($HELPER_PID)
exec 4>&"${HELPER[1]}" 5<&"${HELPER[0]}"


# Mapped and managed: viewable on the screen, inside a frame of the window manager (its parent
# is no longer the root window).
managed() {
    local info
    info=$(xwininfo -tree -stats -id "$1" 2> /dev/null) || return 1
    [[ $info == *"Map State: IsViewable"* && $info != *"Parent window id: "*"(the root window)"* ]]
}

# Waits up to 1.5 s for a window to be mapped and managed, looking every 20 ms.
managed_soon() {
    local until=$(( ${EPOCHREALTIME/./} + 1500000 ))
    until managed "$1"; do
        (( ${EPOCHREALTIME/./} < until )) || return 1
        sleep 0.02
    done
}

echo title >&4
within 100 sh -c "xprop -root _NET_CLIENT_LIST | grep -q 0x" || fail "the title window did not show"

failures=0
for kind in Help Journal Message Question Market File; do
    start=$SECONDS missed=0
    for ((n = 1; n <= times; n++)); do
        echo "open $kind" >&4
        shown=$(expect "shown $kind ") || fail "$kind did not open ($n of $times)"
        id=${shown##*id=} id=${id%% *}
        managed_soon "$id" || { echo "$kind ($n of $times): not shown by the window manager within 1.5 s"; ((++missed)); }
        echo close >&4
        expect closed > /dev/null || fail "$kind did not close ($n of $times)"
    done
    echo "$kind: shown $((times - missed)) times of $times ($((SECONDS - start)) s)"
    ((failures += missed)) || true
done
echo quit >&4
((failures == 0)) || fail "$failures dialogs never shown"
echo "dialogs under a window manager: passed"
