#!/bin/bash
# Three processes on this machine play one game: a host (its third party played by the
# computer) and two joined machines, each person's party driven by a script, and a fourth that
# joins late and watches. Every joined machine's game must agree with the host's at every
# hand-over, and the final dumps of the game must be the same. Given the hostile client, the game is played again with a hostile
# machine joined beside them: the host's final dump must be the same as without it. Given
# --disagree, the host's dice are changed behind the joined machines' backs before the game is
# hosted (the driver's `rnd`): they must see their games differ at a hand-over, take the host's
# game, and end with it.
# Given --proxy PROXY, the joined machines reach the host through a bad network that delays and
# slows every connection and cuts the first two: each machine must join again, be brought up to
# date, and the three games must still agree at every hand-over and end the same.
#     three_machines.sh DRIVER [HOSTILE | --disagree | --proxy PROXY]
set -u
driver=$1
hostile=${2:-}
disagree=
proxy=
if [ "$hostile" = --disagree ]; then
    disagree=yes
    hostile=
elif [ "$hostile" = --proxy ]; then
    proxy=$3
    hostile=
fi
dir=$(mktemp -d)
pids=()
proxy_pid=
cleanup() {
    for p in "${pids[@]}" $proxy_pid; do kill "$p" 2>/dev/null; done
    [ -n "${NET_TEST_KEEP:-}" ] || rm -rf "$dir"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    for f in "$dir"/*.out "$dir"/*.err; do echo "--- $f"; grep -v '^{' "$f" | tail -n 15; done
    exit 1
}

# A person's script: a few turns of steps on the board, time for what they bring, leaving a
# place's screen or a message if one opened, the end of the turn. Lines that cannot be followed
# then (no such screen open, a button disabled) are refused by the host and change nothing.
person() {
    echo "join 127.0.0.1 $1 code42 $2"
    for turn in 1 2 3 4; do
        for key in Up Right Down Left Up Left; do echo "press frmJeu.$key"; done
        echo "wait 2500"
        echo "press Combat.Esc"
        echo "wait 1000"
        echo "press MsgBox.Return"
        echo "press frmJeu.Return"
    done
    echo "leave"
    echo "dump"
    echo "quit"
}

# The game's dump without the driver's own record of sounds and pop-ups (a joined machine did
# not hear the host's title music).
game_dump() {
    local time_kept='s/^//'
    # A machine that took the host's game started its clock again there.
    [ -n "$disagree" ] && time_kept='s/, "time": [0-9]*, /, /'
    grep '^{' "$1" | tail -n 1 | sed 's/, "audio": .*, "windows": /, "windows": /' | sed "$time_kept"
}

play() {
    local tag=$1 with_hostile=$2
    local port
    port=$(( 20000 + (RANDOM % 20000) ))
    # The plain game: the host's own record of it goes on beside the stream (the window's
    # autosave). (The dice changed behind the players' backs would stop its replay there.)
    local own_record=
    [ "$with_hostile" = no ] && [ -z "$disagree" ] && [ -z "$proxy" ] && own_record=$dir/$tag-host.qrec
    {
        [ -n "$own_record" ] && echo "record $own_record"
        echo 'newgame "Ann" 1,2,3,4,5 "Bob" 6,7,8,9,10 "Cid" 11,12,13,14,15'
        echo "computer 3"
        [ -n "$disagree" ] && echo "rnd 0.99 0.99 0.99 0.99 0.99 0.99 0.99 0.99"
        echo "host $port code42 1=Ann 2=Bob 4=Eve"
        echo "serve 20"
        echo "unhost"
        echo "dump"
        echo "quit"
    } > "$dir/host.txt"
    local join_port=$port
    pids=()
    if [ -n "$proxy" ]; then
        join_port=$((port + 1))
        "$proxy" "$join_port" "$port" 7 2 > "$dir/$tag-proxy.out" 2>&1 &
        proxy_pid=$!
    fi
    person "$join_port" Ann > "$dir/ann.txt"
    person "$join_port" Bob > "$dir/bob.txt"
    "$driver" --seed 11 < "$dir/host.txt" > "$dir/$tag-host.out" 2> "$dir/$tag-host.err" &
    pids+=($!)
    local host_pid=$!
    if [ "$with_hostile" = yes ]; then
        "$hostile" "$port" code42 Eve 5 > "$dir/$tag-eve.out" 2> "$dir/$tag-eve.err" &
        pids+=($!)
        sleep 0.3
    fi
    "$driver" --seed 11 < "$dir/ann.txt" > "$dir/$tag-ann.out" 2> "$dir/$tag-ann.err" &
    pids+=($!)
    "$driver" --seed 11 < "$dir/bob.txt" > "$dir/$tag-bob.out" 2> "$dir/$tag-bob.err" &
    pids+=($!)
    if [ "$with_hostile" = no ] && [ -z "$disagree" ] && [ -z "$proxy" ]; then
        # A machine that joins late (or comes back) is brought up to date: the start and every
        # event so far. Eve's seat is a party the game does not have: she watches.
        sleep 1.5
        printf 'join 127.0.0.1 %s code42 Eve\nleave\ndump\nquit\n' "$port" > "$dir/eve.txt"
        "$driver" --seed 11 < "$dir/eve.txt" > "$dir/$tag-eve.out" 2> "$dir/$tag-eve.err" &
        pids+=($!)
    fi
    for p in "${pids[@]}"; do wait "$p" || fail "$tag: a process ended with status $? (pid $p, host $host_pid)"; done
    pids=()
    if [ -n "$proxy" ]; then
        kill "$proxy_pid" 2>/dev/null
        wait "$proxy_pid" 2>/dev/null
    fi

    local hand_overs
    hand_overs=$(sed -n 's/^serve: .*; [0-9]* events, \([0-9]*\) hand-overs.*/\1/p' "$dir/$tag-host.out")
    [ -n "$hand_overs" ] || fail "$tag: the host served nothing"
    # Through the bad network, inputs sent when a connection is cut may be lost: fewer turns.
    local fewest=6
    [ -n "$proxy" ] && fewest=3
    [ "$hand_overs" -ge "$fewest" ] || fail "$tag: only $hand_overs hand-overs"
    for who in ann bob; do
        grep -q "^join: the host ended the game" "$dir/$tag-$who.out" || fail "$tag: $who did not follow to the end"
        if [ -n "$proxy" ]; then
            # Coming back, a machine replays the game from its start: its hand-overs again.
            grep -q "; [0-9]* events, [0-9]* hand-overs agreed, 0 differed, 0 resyncs" "$dir/$tag-$who.out" ||
                fail "$tag: $who did not agree with the host at every hand-over"
        elif [ -n "$disagree" ]; then
            grep -q "hand-overs agreed, [1-9][0-9]* differed, [1-9][0-9]* resyncs" "$dir/$tag-$who.out" ||
                fail "$tag: $who did not see its game differ and take the host's"
            grep -q "^join: hand-over [0-9]*: this game's hash [0-9a-f]* differs from the host's" "$dir/$tag-$who.err" ||
                fail "$tag: $who did not log the difference"
        else
            grep -q "; [0-9]* events, $hand_overs hand-overs agreed, 0 differed, 0 resyncs" "$dir/$tag-$who.out" ||
                fail "$tag: $who did not agree with the host at each of its $hand_overs hand-overs"
        fi
        [ "$(game_dump "$dir/$tag-$who.out")" = "$(game_dump "$dir/$tag-host.out")" ] ||
            fail "$tag: $who's game differs from the host's at the end"
    done
    if [ -f "$dir/$tag-eve.out" ] && [ "$with_hostile" = no ]; then
        grep -q "; [0-9]* events, $hand_overs hand-overs agreed, 0 differed, 0 resyncs" "$dir/$tag-eve.out" ||
            fail "$tag: the machine that joined late did not agree with the host at each hand-over"
        [ "$(game_dump "$dir/$tag-eve.out")" = "$(game_dump "$dir/$tag-host.out")" ] ||
            fail "$tag: the machine that joined late ends with another game than the host's"
        echo "$tag: the machine that joined late was brought up to date"
    fi
    if [ -n "$own_record" ]; then
        # The host's record holds the whole game, the remote machines' inputs among its own.
        printf 'replay %s\ndump\nquit\n' "$own_record" | "$driver" --seed 11 > "$dir/$tag-replay.out" 2> "$dir/$tag-replay.err"
        [ "$(game_dump "$dir/$tag-replay.out")" = "$(game_dump "$dir/$tag-host.out")" ] ||
            fail "$tag: the host's own record does not replay to the host's game"
        echo "$tag: the host's own record, written beside the stream, replays to the host's game"
    fi
    if [ -n "$proxy" ]; then
        grep -q "^cut a connection" "$dir/$tag-proxy.out" || fail "$tag: the proxy cut nothing"
        cat "$dir/$tag-ann.out" "$dir/$tag-bob.out" | grep -q ", [1-9][0-9]* rejoins;" ||
            fail "$tag: no machine joined again after its connection was cut"
        echo "$tag: through a bad network, cut $(grep -c '^cut' "$dir/$tag-proxy.out") times, the three games agree"
    elif [ -n "$disagree" ]; then
        echo "$tag: both joined machines saw their games differ, took the host's, and end with it"
    else
        echo "$tag: $hand_overs hand-overs agreed on both joined machines; the three games are the same"
    fi
}

play plain no
if [ -n "$hostile" ]; then
    play hostile yes
    grep -q "^hostile: [1-9][0-9]* refused in all" "$dir/hostile-eve.out" || fail "the hostile machine was not refused"
    for what in noise "huge line" "old version" "wrong codes" seated; do
        grep -q "^$what: [1-9][0-9]* refused" "$dir/hostile-eve.out" || fail "no refusal for the $what"
    done
    for reason in "not your turn" "driver's scripts" "too many lines"; do
        grep -q "^seated: refused for $reason" "$dir/hostile-eve.out" || fail "nothing refused for $reason"
    done
    [ "$(game_dump "$dir/hostile-host.out")" = "$(game_dump "$dir/plain-host.out")" ] ||
        fail "the hostile machine changed the host's game"
    echo "the hostile machine was refused at each line and changed nothing"
fi
exit 0
