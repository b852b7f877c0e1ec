#!/bin/bash
# Plays a won Klondike deal in the window with key presses only (xdotool),
# and takes screenshots of the keyboard cursor on the way.
#
#   scripts/keyboard_win.sh BUILD_DIR DISPLAY [NUMBER] [SHOTS_DIR]
#
# The program runs from a fresh copy of the build's program directory, so
# that no settings file picks another game. keyboard_line (a build target)
# prints the deal's winning keys.
set -euo pipefail
build=$(cd "$1" && pwd)
export DISPLAY=$2
number=${3:-33}
shots=${4:-/tmp/keyboard-shots}
mkdir -p "$shots"

work=$(mktemp -d)
keys=$work/keys.txt
"$build/keyboard_line" 0 "$number" > "$keys"
mkdir "$work/prog" "$work/home"
cp "$build/quillotaire" "$work/prog/"
for f in "$build"/*.cr3 "$build"/*.cr4 "$build"/*.frm "$build"/*.wav "$build"/*.bmp "$build"/*.gif "$build"/*.jpg \
         "$build"/*.hlp "$build"/*.qch "$build"/*.qhc; do
    [ -e "$f" ] && cp "$f" "$work/prog/"
done

HOME=$work/home XDG_DATA_HOME=$work/home "$work/prog/quillotaire" > "$work/log.txt" 2>&1 &
app=$!
trap 'kill $app 2>/dev/null || true; rm -rf "$work"' EXIT

shoot() { import -window root "$shots/$1.png"; }
sleep 3
xdotool key Return          # the welcome box
sleep 1
xdotool key alt+g s         # Game > Select Shuffle
sleep 1
xdotool type --delay 50 "$number"
xdotool key Return
sleep 1
shoot 00-deal

total=$(wc -l < "$keys")
n=0
while read -r key; do
    xdotool key "$key"
    n=$((n + 1))
    sleep 0.05
    case $n in
        1 | 6 | 7 | 9 | 10 | 11) sleep 0.5; shoot "$(printf '%03d' "$n")-$key" ;;
        *) if [ $((n % 100)) -eq 0 ]; then sleep 0.5; shoot "$(printf '%03d' "$n")-$key"; fi ;;
    esac
done < "$keys"
sleep 8
shoot zz-end
echo "pressed $n of $total keys; screenshots in $shots"
grep -v "XDG_RUNTIME_DIR" "$work/log.txt" || true
