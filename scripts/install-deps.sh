#!/usr/bin/env bash
# Installs every Debian 12 package the build, the tests, the screenshots and
# the Debian package need.
# Safe to run again: packages already present are left alone.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev libqt6opengl6-dev
  qt6-tools-dev qt6-tools-dev-tools libqt6help6 libqt6sql6-sqlite
  libjpeg62-turbo-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-14 libclang-rt-14-dev
  xvfb xauth xdotool imagemagick
  fonts-dejavu-core
  desktop-file-utils appstream lintian file dpkg-dev
  python3
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Optional: an independent Free Cell solver, run only by
# scripts/freecell_compare.py to check our solver's verdicts. Never linked.
if ! dpkg-query -W -f='${Status}' freecell-solver-bin 2>/dev/null | grep -q 'install ok installed'; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends freecell-solver-bin \
    || echo "freecell-solver-bin not installed: scripts/freecell_compare.py will not run" >&2
fi
