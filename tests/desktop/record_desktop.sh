# Sourced by the desktop scripts of the game's records, after game=GAME out=OUTDIR and
# desktop_size=WIDTHxHEIGHT are set: the tools checked, a virtual X server with openbox, the
# scratch data folder the game keeps its saves and records in, and helpers to run the game,
# find its windows and take pictures of the screen.
source "$(dirname "${BASH_SOURCE[0]}")/xsession.sh"
need_tools Xvfb openbox xdotool xprop import
fail() { echo "FAIL: $*" >&2; [[ -f $scratch/err ]] && tail -30 "$scratch/err" | sed 's/^/game: /' >&2; exit 1; }
mkdir -p "$out"
start_desktop "$desktop_size"
shoot() { sleep 0.8; import -silent -window root "$out/$1.png"; echo "$out/$1.png"; }
records=$scratch/data/quelmor/saves/records

# Runs the game (extra environment in "$@"); its process id in $run.
run_game() {
    env QT_QPA_PLATFORM=xcb XDG_DATA_HOME="$scratch/data" QUELMOR_SCALE=1 SDL_AUDIODRIVER=dummy \
        ASAN_OPTIONS=detect_leaks=0 "$@" "$game" >> "$scratch/out" 2>> "$scratch/err" &
    run=$!
    pids+=($run)
}
window() { { xdotool search --onlyvisible --name "$1" 2> /dev/null || true; } | head -1; }
