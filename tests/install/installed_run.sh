#!/usr/bin/env bash
# Installs the build into a scratch prefix and starts the installed program
# the way a player would: from /, with a fresh home. It must find its data
# under the prefix's share folder, deal a table, and on leaving write its
# settings into the XDG data home, never into the prefix.
# usage: installed_run.sh BUILD_DIR CMAKE [SCREENSHOT.png]
# Exits 77 (skipped) where Xvfb, xdotool or ImageMagick is missing.
set -euo pipefail
build=$1 cmake=$2 shot=${3:-}

for tool in Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: $tool not installed; scripts/install-deps.sh installs it"; exit 77; }
done

source "$(dirname "$0")/../scripts/x_server.sh"
work=$(mktemp -d)
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  stop_x_server || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

prefix=$work/prefix home=$work/home
mkdir -p "$home" "$work/run"
[ -n "$shot" ] && mkdir -p "$(dirname "$shot")"
chmod 700 "$work/run"
"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; fail "install"; }
[ -x "$prefix/bin/quillotaire" ] && [ -f "$prefix/share/quillotaire/standard.cr3" ] || fail "installed files missing"

# An X server on the first free display.
start_x_server || fail "Xvfb did not start"

# Nothing of this machine's own XDG folders takes part.
(cd / && exec env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" HOME="$home" \
  XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" \
  XDG_STATE_HOME="$home/.local/state" XDG_RUNTIME_DIR="$work/run" XDG_DATA_DIRS="$work/none" \
  XDG_CONFIG_DIRS="$work/none" "$prefix/bin/quillotaire") >"$work/app.log" 2>&1 &
app=$!

find_window() { timeout 30 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n1; }
welcome=$(find_window '^Welcome$') || true
[ -n "$welcome" ] || { cat "$work/app.log"; fail "no welcome box"; }
xdotool windowactivate --sync "$welcome" 2>/dev/null || xdotool windowfocus --sync "$welcome"
xdotool key --clearmodifiers Return

# The dealt table's caption: "Quillotaire - GAME [NUMBER]".
main=$(find_window '^Quillotaire - .* \[[0-9]+\]$') || true
[ -n "$main" ] || { import -window root "$work/root.png" && [ -n "$shot" ] && cp "$work/root.png" "$shot"; fail "no dealt table"; }
echo "window: $(xdotool getwindowname "$main")"
sleep 1
import -window "$main" "$work/table.png"
[ -n "$shot" ] && cp "$work/table.png" "$shot"
# A dealt table shows the green baize, and card faces below the menu and
# toolbar: the bright part of the field.
green=$(convert "$work/table.png" -fill black +opaque '#008000' -fill white -opaque '#008000' -format '%[fx:mean*100]' info:)
faces=$(convert "$work/table.png" -crop +0+60 +repage -colorspace gray -threshold 80% -format '%[fx:mean*100]' info:)
echo "baize ${green%.*}% of the window, bright ${faces%.*}% of the field"
[ "${green%.*}" -ge 30 ] || fail "no baize on the table"
[ "${faces%.*}" -ge 3 ] || fail "no cards on the table"

# Game > Exit writes the settings.
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers ctrl+x
for _ in $(seq 200); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "the program did not leave"
app=""

settings=$home/.local/share/Quillotaire/quillo.set
[ -f "$settings" ] || { find "$home" -type f; fail "no settings under the XDG data home"; }
leaked=$(find "$prefix" -name 'quillo.set' -o -name 'quillo.won' -o -name 'quillo.cus' -o -name 'tmpfile.bmp')
[ -z "$leaked" ] || fail "player's files in the prefix: $leaked"
# A new player's cards are drawn to fit the window, and nothing the
# program looked for under the prefix's share folder went missing.
"$prefix/bin/quillo-tool" inspect "$settings" | grep -q '"CardSetPath": *"(fit to window)"' ||
  { "$prefix/bin/quillo-tool" inspect "$settings"; fail "a new player's deck is not the fitted one"; }
if grep -i "could not\|not found\|missing" "$work/app.log"; then fail "data files not found under $prefix/share/quillotaire"; fi
echo "PASS: settings in $settings"
