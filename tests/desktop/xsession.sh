# Sourced by the desktop scripts: a scratch folder, the processes to stop on exit, and a wait.
scratch=$(mktemp -d)
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2> /dev/null || true; done
    wait 2> /dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

# Stops the script when one of the tools named is missing (the set-up installs them all).
need_tools() {
    local tool
    for tool in "$@"; do
        command -v "$tool" > /dev/null || { echo "FAIL: no $tool (scripts/setup.sh installs it)" >&2; exit 1; }
    done
}

# Waits up to $1 tenths of a second for the command that follows to succeed.
within() {
    local n=$1; shift
    for ((t = 0; t < n; t++)); do
        "$@" > /dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# A virtual X server of SIZE (WIDTHxHEIGHT) with openbox managing its windows, DISPLAY set to it.
# Stops the script through its own fail, when it has one, if either does not start.
start_desktop() {
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3> "$scratch/display" 2> "$scratch/xvfb.log" &
    pids+=($!)
    within 100 test -s "$scratch/display" || desktop_fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
    export DISPLAY=:$(head -1 "$scratch/display")
    openbox --sm-disable > "$scratch/wm.log" 2>&1 &
    pids+=($!)
    within 100 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || desktop_fail "openbox did not start"
}
desktop_fail() {
    if declare -F fail > /dev/null; then fail "$@"; fi
    echo "FAIL: $*" >&2
    exit 1
}

# The next line of the windows helper (read from descriptor 5) that starts with $1; other
# lines, such as presses, are passed over.
expect() {
    local line
    while read -r -t 10 line <&5; do
        [[ $line == "$1"* ]] && { echo "$line"; return 0; }
    done
    return 1
}
