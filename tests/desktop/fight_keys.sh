#!/usr/bin/env bash
# fight_keys.sh HELPER
#
# The fight in real windows under a real window manager (openbox on a virtual X server): the
# action panel lies beside the fight screen and takes none of its clicks, and the action keys
# work when the fight screen has the keyboard, as the window manager gives it when the fight
# opens. HELPER is tests/desktop/windows_helper.cpp built. Fails when Xvfb, openbox, xdotool or
# xprop is missing: the set-up installs them.
set -euo pipefail

helper=$1
fail() { echo "FAIL: $*" >&2; [[ -f ${scratch:-}/out ]] && sed 's/^/helper: /' "$scratch/out" "$scratch/err" >&2; exit 1; }
source "$(dirname "$0")/xsession.sh"
need_tools Xvfb openbox xdotool xprop

start_desktop 1024x768

export QT_QPA_PLATFORM=xcb
mkfifo "$scratch/in"
"$helper" < "$scratch/in" > "$scratch/out" 2> "$scratch/err" &
pids+=($!)
exec 4> "$scratch/in"
# A dialog comes and goes first, as on the board before a fight.
echo "open Graveyard" >&4
within 200 grep -q '^shown Graveyard ' "$scratch/out" || fail "the graveyard did not open"

# A fixed dialog or tool window: no minimise or maximise asked of the window manager (Motif
# decorations 0x20 and 0x40), a fixed size, so no maximising or resizing allowed by it.
fixed_kind() {
    local id=$1 name=$2 decorations
    within 50 sh -c "xprop -id $id _NET_WM_ALLOWED_ACTIONS | grep -q MOVE" || fail "$name is not managed"
    decorations=$(xprop -id "$id" _MOTIF_WM_HINTS | sed -n 's/.*= *[^,]*, *[^,]*, *\([^,]*\),.*/\1/p')
    [[ -n $decorations ]] || fail "$name asks for the default title bar"
    (( (decorations & 0x60) == 0 )) || fail "$name asks for minimise or maximise buttons ($decorations)"
    if xprop -id "$id" _NET_WM_ALLOWED_ACTIONS | grep -Eq 'MAXIMIZE|ACTION_RESIZE'; then
        fail "$name can be maximised or resized"
    fi
    echo "$name: a fixed window without minimise or maximise"
}
fixed_kind "$(sed -n 's/^shown Graveyard id=\([0-9]*\).*/\1/p' "$scratch/out")" Graveyard
echo close >&4
echo fight >&4
within 200 grep -q '^ready ' "$scratch/out" || fail "the fight did not open"
read -r combat panel < <(sed -n 's/^ready combat=\([0-9]*\) panel=\([0-9]*\)$/\1 \2/p' "$scratch/out")

fixed_kind "$panel" "the action panel"

# Both windows are managed and shown, and the window manager has given the keyboard to one.
within 100 sh -c "xdotool getactivewindow | grep -qx '$combat\|$panel'" || fail "no fight window has the keyboard"
echo "the keyboard at the opening: $( [[ $(xdotool getactivewindow) == "$combat" ]] && echo "fight screen" || echo "action panel")"

geometry() {  # X Y W H of a window's client area on the screen
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$X $Y $WIDTH $HEIGHT"
}
apart() {
    sleep 0.5  # the panel is placed once the fight screen's frame is known
    read -r cx cy cw ch < <(geometry "$combat")
    read -r px py pw ph < <(geometry "$panel")
    echo "fight screen ${cw}x${ch} at $cx,$cy; action panel ${pw}x${ph} at $px,$py"
    if ((px < cx + cw && cx < px + pw && py < cy + ch && cy < py + ph)); then
        fail "the action panel lies over the fight screen"
    fi
}
apart
# The player moves the fight screen onto the place of the panel: the panel follows it.
xdotool windowmove --sync "$combat" $((px - 200)) $((cy - 30))
apart

# Clicks along the fight screen's edge nearest the panel reach the fight screen.
for y in 10 $((ch / 2)) $((ch - 10)); do
    xdotool mousemove --sync --window "$combat" $((cw - 3)) "$y" click 1
done
within 50 sh -c "[ \$(grep -c '^press Combat$' '$scratch/out') -eq 3 ]" || fail "clicks on the fight screen went astray"
grep -q '^press ChCmb$' "$scratch/out" && fail "the action panel took a click meant for the fight screen"

# The fight screen has the keyboard: key 3 is the defence.
xdotool windowactivate --sync "$combat"
within 50 sh -c "xdotool getactivewindow | grep -qx '$combat'" || fail "the fight screen did not get the keyboard"
xdotool key 3
within 50 grep -q '^acted ' "$scratch/out" || fail "key 3 did nothing while the fight screen had the keyboard"
grep '^acted ' "$scratch/out"
echo quit >&4
echo "fight keys under a window manager: passed"
