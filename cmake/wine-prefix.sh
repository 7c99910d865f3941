#!/usr/bin/env bash
# Creates a throwaway Wine prefix at $1 (64-bit, code page 936, no managed
# windows so that processes exit without waiting for a window manager).
set -euo pipefail
prefix=$1
mkdir -p "$(dirname "$prefix")"
export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
# Wine's service processes outlive the command and keep pipes open: write to files.
log=$(dirname "$prefix")/wine-prefix.log
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >"$log" 2>&1
wineserver -w
