#!/usr/bin/env bash
# snap_windows.sh HELPER OUTDIR
#
# Pictures of the fixed dialogs and of the fight's two windows as a window manager (openbox on
# a virtual X server) frames them, title bars and their buttons included: OUTDIR/NAME.png for
# Detail, ALaMinaNoVoy, Resource, Graveyard, fight (the fight screen and its action panel) and
# Forge (the forge over the title screen: a dialog over another of the game's windows).
# HELPER is tests/desktop/windows_helper.cpp built; ImageMagick's import takes the pictures. Not a
# test: the pictures are to be looked at.
set -euo pipefail

helper=$1 out=$2
mkdir -p "$out"
source "$(dirname "$0")/xsession.sh"

start_desktop 1024x768
export QT_QPA_PLATFORM=xcb QUELMOR_SCALE=${QUELMOR_SCALE:-1}
mkfifo "$scratch/in"
"$helper" < "$scratch/in" > "$scratch/out" 2> "$scratch/err" &
pids+=($!)
exec 4> "$scratch/in"

# The screen as the server holds it: import reads the root window's pixels as they are. xwd -root
# does not do for these pictures: every Qt window has a colormap of its own, and xwd draws a window
# that lies over another such window black although the screen shows it painted.
shoot() { import -silent -window root "$@"; }

# The screen around a window, its frame included.
snap() {
    local id=$1 name=$2
    sleep 0.7
    eval "$(xdotool getwindowgeometry --shell "$id")"
    local x=$((X > 40 ? X - 40 : 0)) y=$((Y > 40 ? Y - 40 : 0))
    shoot -crop "$((WIDTH + 80))x$((HEIGHT + 80))+$x+$y" +repage "$out/$name.png"
    echo "$out/$name.png"
}

for dialog in Detail ALaMinaNoVoy Resource Graveyard; do
    echo "open $dialog" >&4
    within 100 grep -q "^shown $dialog " "$scratch/out"
    snap "$(sed -n "s/^shown $dialog id=\([0-9]*\).*/\1/p" "$scratch/out")" "$dialog"
    echo close >&4
done
echo fight >&4
within 100 grep -q '^ready ' "$scratch/out"
sleep 1
shoot "$out/fight.png"
echo "$out/fight.png"
echo title >&4
within 100 sh -c "xdotool search --onlyvisible --name '^Quelmor\$'"
echo "open Forge" >&4
within 100 grep -q "^shown Forge " "$scratch/out"
snap "$(sed -n "s/^shown Forge id=\([0-9]*\).*/\1/p" "$scratch/out")" Forge
echo quit >&4
