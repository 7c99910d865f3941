#!/usr/bin/env bash
# Builds Talvenor and runs it. With a display, it just starts the program.
# Without one, it shows the window on a virtual screen inside a Wine desktop
# (so that the caption and frame are drawn too), types the shoe size 40,
# presses biubiu, saves a screenshot to out/screenshot.png and closes it.
#   TALVENOR_RUN_BUILD: build directory (default out/win64)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=${TALVENOR_RUN_BUILD:-out/win64}
cmake --preset win64 -B "$build" >/dev/null
cmake --build "$build" -j "$(nproc)"

exe=$build/Talvenor.exe
if [[ ! -f $exe ]]; then
  echo
  echo "Talvenor's window is not built yet: this tree has the conversions and"
  echo "the shell's foundations, but no Talvenor.exe. Nothing was started."
  exit 0
fi
exe=$PWD/$exe

if [[ -n ${DISPLAY:-} ]]; then
  export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 WINEDEBUG=-all
  exec wine "$exe"
fi

source scripts/wine-session.sh
wine_session_start
log=$WINE_SESSION_DIR/run.log
desktop=(explorer /desktop=Talvenor,1024x768)
demo=$PWD/$build/tests/gui/talvenor_demo.exe
result=$WINE_SESSION_DIR/demo-result.txt

# Output goes to files: Wine's service processes would keep a pipe open.
wine "${desktop[@]}" "$exe" >"$log" 2>&1 &
desktop_id=
for _ in $(seq 300); do
  tree=$(xwininfo -root -tree 2>/dev/null || true)
  if grep -q '"Talvenor—V1.0"' <<<"$tree"; then
    desktop_id=$(grep '"Talvenor - Wine desktop"' <<<"$tree" | awk '{print $1}' | head -1)
    break
  fi
  sleep 0.1
done
if [[ -z $desktop_id ]]; then
  echo "Talvenor's window did not appear (log: $log)"
  exit 1
fi

# The demonstration runs on the same Wine desktop, as a user at that screen.
wine "${desktop[@]}" "$demo" "$(winepath -w "$result")" 40 >>"$log" 2>&1 || true
for _ in $(seq 100); do [[ -s $result ]] && break; sleep 0.1; done
mkdir -p out
import -window "$desktop_id" out/screenshot.png
echo
if [[ -s $result ]]; then
  echo "Typed 40 into the entry box and pressed biubiu: the output box shows \"$(iconv -f GBK -t UTF-8 "$result" | tr -d '\r\n')\"."
else
  echo "The demonstration step did not report (log: $log)."
fi
echo "Screenshot of the window: $PWD/out/screenshot.png"

wine "${desktop[@]}" "$demo" --close >>"$log" 2>&1 || true
wine_session_stop
