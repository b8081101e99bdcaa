# Sourced by the desktop scripts: a scratch folder, the processes to stop on exit, and a wait.
scratch=$(mktemp -d)
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2> /dev/null || true; done
    wait 2> /dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

# Waits up to $1 tenths of a second for the command that follows to succeed.
within() {
    local n=$1; shift
    for ((t = 0; t < n; t++)); do
        "$@" > /dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}
