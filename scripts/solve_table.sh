#!/usr/bin/env bash
# Solves deals 1..DEALS of each game with quillo-tool solve and prints, per
# game, how many were won, lost and left unknown, and the median time. With
# -r every won line is played through quillo-tool play, and a last column
# counts the lines whose last command did not win.
# usage: scripts/solve_table.sh [-g "GAME ..."] [-n DEALS] [-b BUDGET_MS] [-t TOOL] [-r]
# Every game by default, 50 deals, 2000 ms each: hours on a slow machine.
set -euo pipefail
cd "$(dirname "$0")/.."

tool=build/quillo-tool
deals=50
budget=2000
games=$(seq 0 54)
replay=0
while getopts "g:n:b:t:r" opt; do
    case $opt in
    g) games=$OPTARG ;;
    n) deals=$OPTARG ;;
    b) budget=$OPTARG ;;
    t) tool=$OPTARG ;;
    r) replay=1 ;;
    *) sed -n 6p "$0" >&2; exit 2 ;;
    esac
done

field() { sed -n "s/.*\"$1\":\"\{0,1\}\([^\",]*\).*/\1/p"; }

# The solve output's winning line as play commands, one a line.
line() { sed -n 's/.*"line":\[\(.*\)\].*/\1/p' | tr ',' '\n' | sed 's/^"//; s/"$//'; }

# True when the line, played on the deal, wins with its last command.
replays() {
    "$tool" play --game "$1" --number "$2" < <(line <<<"$3") | tail -n 1 | grep -q '"win"'
}

printf '%-4s %-22s %5s %5s %8s %10s' game name won lost unknown median_ms
((replay)) && printf ' %11s' replay_fail
printf '\n'
for g in $games; do
    name=$("$tool" catalogue | tr '{' '\n' | grep "\"index\":$g," | field name)
    won=0 lost=0 unknown=0 failed=0 times=()
    for ((n = 1; n <= deals; n++)); do
        out=$("$tool" solve --game "$g" --number "$n" --budget-ms "$budget" 2>/dev/null) || continue 2
        case $(field result <<<"$out") in
        won)
            won=$((won + 1))
            ((replay)) && ! replays "$g" "$n" "$out" && failed=$((failed + 1))
            ;;
        lost) lost=$((lost + 1)) ;;
        *) unknown=$((unknown + 1)) ;;
        esac
        times+=("$(field milliseconds <<<"$out")")
    done
    median=$(printf '%s\n' "${times[@]}" | sort -g | awk '{v[NR] = $1} END {printf "%.1f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}')
    printf '%-4s %-22s %5d %5d %8d %10s' "$g" "$name" "$won" "$lost" "$unknown" "$median"
    ((replay)) && printf ' %11d' "$failed"
    printf '\n'
done
