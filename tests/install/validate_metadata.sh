#!/usr/bin/env bash
# The desktop entry and the AppStream file pass their validators without a
# single remark. Exits 77 (skipped) where a validator is not installed.
# usage: validate_metadata.sh FILE.desktop FILE.metainfo.xml
set -uo pipefail
desktop=$1 metainfo=$2
status=0 missing=()

if command -v desktop-file-validate >/dev/null; then
  out=$(desktop-file-validate "$desktop" 2>&1)
  if [ -n "$out" ]; then echo "desktop-file-validate $desktop:"; echo "$out"; status=1; fi
else
  missing+=("desktop-file-validate (desktop-file-utils)")
fi

if command -v appstreamcli >/dev/null; then
  # Success prints one closing line; any remark (error to pedantic) is a line
  # of its own with a one-letter tag.
  out=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1)
  rc=$?
  if [ $rc -ne 0 ] || grep -qE '^[EWIP]: ' <<<"$out"; then
    echo "appstreamcli validate $metainfo (status $rc):"; echo "$out"; status=1
  fi
else
  missing+=("appstreamcli (appstream)")
fi

if [ $status -eq 0 ] && [ ${#missing[@]} -gt 0 ]; then
  echo "SKIPPED, not installed: ${missing[*]}; scripts/install-deps.sh installs them"
  exit 77
fi
exit $status
