#!/bin/bash
# Two copies of the program's player files at once (quillo-tool count-games
# makes the program's own calls): both read the files before either writes,
# each stores a new custom game and counts games, and they finish in either
# order. Both games must be kept under two keys, and the statistics must be
# the sum of both copies' counts.
set -eu
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL ($case): $*" >&2; exit 1; }
field() { grep -o "\"$1\":[-0-9]*" | cut -d: -f2; }
# The statistics record of (game, key) as "played won".
counts() {
    "$tool" inspect "$dir/quillo.won" | grep -o '{"Game":[^}]*}' |
        grep "\"Game\":$1,\"Key\":$2," | sed 's/.*"Played":\([0-9]*\),"Won":\([0-9]*\).*/\1 \2/'
}

# case: played and won by copy A, by copy B; with or without a file before.
for case in "3 1 9 4 fresh" "9 4 3 1 fresh" "5 2 5 3 existing"; do
    read -r pa wa pb wb start <<<"$case"
    dir=$work/${case// /-}
    mkdir -p "$dir"
    base=0
    if [ "$start" = existing ]; then
        # An earlier run left a custom game (key 0) and two Klondike games.
        "$tool" count-games --dir "$dir" --name Earlier --played 0 >/dev/null
        "$tool" count-games --dir "$dir" --played 2 --won 1 >/dev/null
        base=2
    fi
    # Each copy also counts its games on Klondike itself: one row both add to.
    "$tool" count-games --dir "$dir" --name "Game A" --played "$pa" --won "$wa" \
        --ready "$dir/a.ready" --wait "$dir/b.ready" >"$dir/a.json" &
    a=$!
    "$tool" count-games --dir "$dir" --name "Game B" --played "$pb" --won "$wb" \
        --ready "$dir/b.ready" --wait "$dir/a.ready" >"$dir/b.json" &
    b=$!
    wait $a || fail "copy A failed"
    wait $b || fail "copy B failed"
    "$tool" count-games --dir "$dir" --played "$pa" --won "$wa" >/dev/null &
    a=$!
    "$tool" count-games --dir "$dir" --played "$pb" --won "$wb" >/dev/null &
    b=$!
    wait $a && wait $b || fail "Klondike copies failed"

    ka=$(field key <"$dir/a.json")
    kb=$(field key <"$dir/b.json")
    [ "$ka" != "$kb" ] || fail "both copies got key $ka"
    keys=$("$tool" inspect "$dir/quillo.cus" | field Key | sort -n | tr '\n' ' ')
    "$tool" inspect "$dir/quillo.cus" | grep -q '"Game A"' || fail "Game A missing"
    "$tool" inspect "$dir/quillo.cus" | grep -q '"Game B"' || fail "Game B missing"
    n=$("$tool" inspect "$dir/quillo.cus" | field Key | sort -u | wc -l)
    total=$("$tool" inspect "$dir/quillo.cus" | field Key | wc -l)
    [ "$n" = "$total" ] || fail "repeated keys: $keys"
    [ "$(counts 0 "$ka")" = "$pa $wa" ] || fail "Game A counts $(counts 0 "$ka"), want $pa $wa"
    [ "$(counts 0 "$kb")" = "$pb $wb" ] || fail "Game B counts $(counts 0 "$kb"), want $pb $wb"
    want="$((pa + pb + base)) $((wa + wb + base / 2))"
    [ "$(counts 0 -1)" = "$want" ] || fail "Klondike counts $(counts 0 -1), want $want"
    echo "ok ($case): keys $ka and $kb, file keys $keys"
done
