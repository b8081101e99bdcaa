#!/bin/bash
# A machine goes away in the middle of its party's turn (its process killed): the host waits,
# then hands that party to the computer, which plays it; when the machine joins again it is
# brought up to date and its party is its own again, handed back by an event every machine
# applies. The machine that came back agrees with the host at every hand-over and ends with the
# host's game.
#     away_machine.sh DRIVER
set -u
driver=$1
dir=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    [ -n "${NET_TEST_KEEP:-}" ] || rm -rf "$dir"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    for f in "$dir"/*.out "$dir"/*.err; do echo "--- $f"; grep -v '^{' "$f" | tail -n 15; done
    exit 1
}
# Waits up to $1 tenths of a second for the command that follows to succeed.
within() {
    local n=$1; shift
    for ((t = 0; t < n; t++)); do "$@" > /dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}
game_dump() { grep '^{' "$1" | tail -n 1 | sed 's/, "audio": .*, "windows": /, "windows": /'; }

port=$(( 20000 + (RANDOM % 20000) ))
# The host: Ann's party is the computer's, Bob's is played from Bob's machine. Bob goes away:
# once nothing has happened for 3 s, the host hands his party to the computer and serves on.
{
    echo "record $dir/host.qrec"
    echo 'newgame "Ann" 1,2,3,4,5,6 "Bob" 7,8,9,10,11,12'
    echo "computer 1"
    echo "host $port code7 2=Bob"
    echo "serve 3"
    echo "computer 2"
    echo "serve 30"
    echo "unhost"
    echo "dump"
    echo "quit"
} > "$dir/host.txt"
# Bob's first machine: a few steps of his turn, then it is killed while its player still
# thinks (its script goes on being read, and nothing more comes).
{
    echo "join 127.0.0.1 $port code7 Bob"
    for key in Up Right Down Left; do echo "press frmJeu.$key"; done
} > "$dir/bob1.txt"
# Bob again: brought up to date, he has his party back, and is done at once.
printf 'join 127.0.0.1 %s code7 Bob\nleave\ndump\nquit\n' "$port" > "$dir/bob2.txt"

"$driver" --seed 5 < "$dir/host.txt" > "$dir/host.out" 2> "$dir/host.err" &
host_pid=$!
pids+=($host_pid)
# Its script comes through a pipe that stays open: the machine waits for its player's next line.
mkfifo "$dir/bob1.fifo"
{ cat "$dir/bob1.txt"; exec sleep 600; } > "$dir/bob1.fifo" 2> /dev/null &
pids+=($!)
"$driver" --seed 5 < "$dir/bob1.fifo" > "$dir/bob1.out" 2> "$dir/bob1.err" &
bob1=$!
pids+=($bob1)
within 300 grep -q "Bob joined" "$dir/host.err" || fail "Bob's machine did not join"
sleep 2
kill -9 "$bob1" 2>/dev/null
within 300 grep -q "^serve: idle" "$dir/host.out" || fail "the host did not wait for Bob"
sleep 1
"$driver" --seed 5 < "$dir/bob2.txt" > "$dir/bob2.out" 2> "$dir/bob2.err" &
pids+=($!)
wait "$host_pid" || fail "the host ended with status $?"
wait "${pids[-1]}" || fail "Bob's second machine ended with status $?"
grep -q "player 2's party is Bob's again" "$dir/host.err" || fail "the host did not hand Bob's party back"
grep -q "^serve: done: Bob is done and player 2 is to play" "$dir/host.out" || fail "Bob's turn did not come back to him"
grep -q "; [0-9]* events, [0-9]* hand-overs agreed, 0 differed, 0 resyncs" "$dir/bob2.out" ||
    fail "the machine that came back did not agree with the host at every hand-over"
[ "$(game_dump "$dir/bob2.out")" = "$(game_dump "$dir/host.out")" ] || fail "the machine that came back ends with another game"
# In the host's own record, the party went to the computer and came back as events of the game.
grep -q "^computer 2 on$" "$dir/host.qrec" && grep -q "^computer 2 off$" "$dir/host.qrec" ||
    fail "the party's going and coming back are not events of the game"
handovers=$(sed -n 's/^serve: done: .*; [0-9]* events, \([0-9]*\) hand-overs.*/\1/p' "$dir/host.out")
echo "Bob went away, the computer played his party, he came back to it: $handovers hand-overs, the games agree"
