#!/bin/bash
# Playing across machines on this machine: a host (its third party played by the computer) and
# two joined machines whose people play TURNS turns each from scripts. Prints, for each joined
# machine, the time from sending an input to the host's answer (median and worst), and the bytes
# it received per hour of the game's time.
#     bench/net/netbench.sh DRIVER [TURNS]
set -u
driver=$1
turns=${2:-20}
dir=$(mktemp -d)
trap '[ -n "${NET_BENCH_KEEP:-}" ] || rm -rf "$dir"' EXIT
port=$(( 20000 + (RANDOM % 20000) ))
{
    echo 'newgame "Ann" 1,2,3,4,5 "Bob" 6,7,8,9,10 "Cid" 11,12,13,14,15'
    echo "computer 3"
    echo "host $port benchcode 1=Ann 2=Bob"
    echo "serve 60"
    echo "unhost"
    echo "quit"
} > "$dir/host.txt"
for who in Ann Bob; do
    {
        echo "join 127.0.0.1 $port benchcode $who"
        for ((t = 0; t < turns; ++t)); do
            for key in Up Right Down Left Up Left; do echo "press frmJeu.$key"; done
            echo "wait 2500"
            echo "press Combat.Esc"
            echo "wait 1000"
            echo "press MsgBox.Return"
            echo "press frmJeu.Return"
        done
        echo "leave"
        echo "quit"
    } > "$dir/$who.txt"
done
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0
start=$(date +%s.%N)
"$driver" --seed 3 < "$dir/host.txt" > "$dir/host.out" 2> "$dir/host.err" &
host=$!
"$driver" --seed 3 < "$dir/Ann.txt" > "$dir/Ann.out" 2> "$dir/Ann.err" &
ann=$!
"$driver" --seed 3 < "$dir/Bob.txt" > "$dir/Bob.out" 2> "$dir/Bob.err" &
bob=$!
wait $host $ann $bob
end=$(date +%s.%N)
grep '^serve:' "$dir/host.out"
for who in Ann Bob; do
    line=$(grep '^join:' "$dir/$who.out")
    echo "$who: ${line#*; }"
    bytes=$(echo "$line" | sed -n 's/.*; \([0-9]*\) bytes over \([0-9]*\) ms of the game/\1 \2/p')
    set -- $bytes
    if [ -n "${1:-}" ] && [ "${2:-0}" -gt 0 ]; then
        echo "$who: $(( $1 * 3600000 / $2 )) bytes per hour of the game's time"
    fi
done
echo "wall time: $(echo "$end - $start" | bc) s"
