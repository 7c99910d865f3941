#!/usr/bin/env bash
# Builds Talvenor and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc)"

exe=out/win64/Talvenor.exe
if [[ ! -f $exe ]]; then
  echo
  echo "Talvenor's window is not built yet: this tree has the conversions and"
  echo "the shell's foundations, but no Talvenor.exe. Nothing was started."
  exit 0
fi
