#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine for ctest. The caller (the
# test script) normally provides WINEPREFIX and DISPLAY once per run; run by
# hand, a prefix is made on first use under the build tree.
set -euo pipefail
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 WINEDEBUG=-all WINEARCH=win64
if [[ -z ${WINEPREFIX:-} ]]; then
  export WINEPREFIX=${TALVENOR_WINE_PREFIX_DIR:-$PWD}/wineprefix
fi
if [[ ! -f $WINEPREFIX/system.reg ]]; then
  "$(dirname "$0")/wine-prefix.sh" "$WINEPREFIX"
fi
exec wine "$@"
