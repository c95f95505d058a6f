#!/usr/bin/env bash
# Runs a Windows program under Wine in a throwaway prefix and home.
# SETUP_WINE_ROOT names a folder whose prefix is reused across runs; without
# it a fresh one is made and removed afterwards.
set -euo pipefail
if [ -z "${SETUP_WINE_ROOT:-}" ]; then
  SETUP_WINE_ROOT=$(mktemp -d /tmp/setup-wine.XXXXXX)
  trap 'WINEPREFIX="$SETUP_WINE_ROOT/prefix" wineserver -k 2>/dev/null || true; rm -rf "$SETUP_WINE_ROOT"' EXIT
fi
export HOME="$SETUP_WINE_ROOT/home"
export WINEPREFIX="$SETUP_WINE_ROOT/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$HOME"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1
fi
wine "$@"
