#!/usr/bin/env bash
# Talvenor against the floor program (the plainest program showing the same
# window) under Wine, side by side and interleaved: start-up until the window
# is visible, working set after start, idle processor time, exe size and the
# set-text/click/get-text round trip. Prints medians and ratios; figures, not
# pass/fail. Targets: start-up <= 1.10x floor, working set <= 1.25x, idle 0,
# exe <= 350 KB. Then a soak run: many checked presses in one start of
# Talvenor, its memory at the start and at the end.
#   TALVENOR_SOAK_PRESSES (default 10000), TALVENOR_BENCH_ROUNDS (default 25), TALVENOR_BENCH_PRESET (default win64),
#   TALVENOR_BENCH_BUILD (build directory, default out/<preset>)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${TALVENOR_BENCH_ROUNDS:-25}
preset=${TALVENOR_BENCH_PRESET:-win64}
build=${TALVENOR_BENCH_BUILD:-out/$preset}

cmake --preset "$preset" -B "$build" >/dev/null
cmake --build "$build" -j "$(nproc)" --target talvenor_floor talvenor_start_probe talvenor_soak_probe >/dev/null
if ! cmake --build "$build" -j "$(nproc)" --target Talvenor >/dev/null 2>&1 || [[ ! -f $build/Talvenor.exe ]]; then
  echo "bench-wine: Talvenor.exe is not built yet; nothing to compare."
  exit 0
fi
talvenor=$PWD/$build/Talvenor.exe
floor=$PWD/$build/tools/floor/talvenor_floor.exe
probe=$PWD/$build/tests/gui/talvenor_start_probe.exe
soak_probe=$PWD/$build/tests/gui/talvenor_soak_probe.exe
soak_presses=${TALVENOR_SOAK_PRESSES:-10000}

source scripts/wine-session.sh
wine_session_start
work=$WINE_SESSION_DIR/bench
mkdir -p "$work"

# Output goes to files: Wine's service processes would keep a pipe open.
# The first start in a fresh prefix pays for its set-up: one unmeasured round.
timeout 60 wine "$probe" 1 0 0 0 "$floor" "$talvenor" >"$work/warmup" 2>&1 || true
# Interleaved rounds in one probe process: Talvenor is program 0, the floor 1;
# the first two rounds also measure 3 idle seconds, the others 50 click round trips.
timeout 240 wine "$probe" "$rounds" 2 3 50 "$talvenor" "$floor" >"$work/runs" 2>"$work/runs.err" || {
  echo "bench-wine: some runs failed: $(head -c 400 "$work/runs.err")" >&2
}
grep '^program=0 ' "$work/runs" >"$work/talvenor" || true
grep '^program=1 ' "$work/runs" >"$work/floor" || true
grep ' idle_ticks=[0-9]' "$work/talvenor" >"$work/talvenor_idle" || true
grep ' idle_ticks=[0-9]' "$work/floor" >"$work/floor_idle" || true
grep -v ' idle_ticks=[0-9]' "$work/talvenor" >"$work/talvenor_busy" || true
grep -v ' idle_ticks=[0-9]' "$work/floor" >"$work/floor_busy" || true

# median <file> <field>: the median of field=value over the runs, or "-".
median() {
  [[ -s $work/$1 ]] || { echo -; return; }
  grep -o "$2=[-0-9.]*" "$work/$1" | cut -d= -f2 | sort -g |
    awk '{ v[NR] = $1 } END { if (NR == 0) print "-"; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
# largest <file> <field>
largest() {
  [[ -s $work/$1 ]] || { echo -; return; }
  grep -o "$2=[-0-9.]*" "$work/$1" | cut -d= -f2 | sort -g | tail -1
}
# paired_ratio <field>: the median over rounds of Talvenor's value over the
# floor's in the same round, which a machine that slows down for a while
# affects less than the ratio of the two medians.
paired_ratio() {
  paste -d' ' <(grep -o "$1=[-0-9.]*" "$work/talvenor" | cut -d= -f2) <(grep -o "$1=[-0-9.]*" "$work/floor" | cut -d= -f2) |
    awk '$1 != "" && $2 > 0 { print $1 / $2 }' | sort -g |
    awk '{ v[NR] = $1 } END { if (NR == 0) print "-"; else printf "%.2fx", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a == "-" || b == "-" || b <= 0 || a < 0) print "-"; else printf "%.2fx", a / b }'; }

start_t=$(median talvenor start_ms) start_f=$(median floor start_ms)
ws_t=$(median talvenor working_set_kb) ws_f=$(median floor working_set_kb)
idle_t=$(largest talvenor_idle idle_ticks) idle_f=$(largest floor_idle idle_ticks)
size_t=$(($(stat -c %s "$talvenor") / 1024)) size_f=$(($(stat -c %s "$floor") / 1024))
click_t=$(median talvenor_busy click_us) click_f=$(median floor_busy click_us)
runs_t=$(grep -c . "$work/talvenor" || true)

echo
echo "Talvenor against the floor program under Wine ($runs_t of $rounds interleaved rounds each, medians)"
printf '%-34s %12s %12s %8s  %s\n' "figure" "Talvenor" "floor" "ratio" "target"
printf '%-34s %12s %12s %8s  %s\n' "start-up to visible window (ms)" "$start_t" "$start_f" "$(ratio "$start_t" "$start_f")" "<= 1.10x"
printf '%-34s %12s %12s %8s  %s\n' "  same, median of per-round ratios" "" "" "$(paired_ratio start_ms)" "<= 1.10x"
printf '%-34s %12s %12s %8s  %s\n' "working set after start (KB)" "$ws_t" "$ws_f" "$(ratio "$ws_t" "$ws_f")" "<= 1.25x"
printf '%-34s %12s %12s %8s  %s\n' "idle CPU, most over 3 s (ticks)" "$idle_t" "$idle_f" "" "0"
printf '%-34s %12s %12s %8s  %s\n' "exe size (KB)" "$size_t" "$size_f" "$(ratio "$size_t" "$size_f")" "<= 350 KB"
if [[ $click_t == -* ]]; then
  printf '%-34s %12s %12s %8s  %s\n' "click round trip (us)" "skipped" "$click_f" "" "(no \"175 CM\" for 40 yet)"
else
  printf '%-34s %12s %12s %8s\n' "click round trip (us)" "$click_t" "$click_f" "$(ratio "$click_t" "$click_f")"
fi

# Soak: set-text/click/get-text presses cycling entries with known estimates,
# every output checked. Under Wine the working set is the Unix process's
# resident set, and PrivateUsage always reads 0.
timeout 300 wine "$soak_probe" "$soak_presses" "$talvenor" >"$work/soak" 2>"$work/soak.err" || true
first=$(grep -m1 '^press=' "$work/soak" || true) last=$(grep '^press=' "$work/soak" | tail -1 || true)
field() { grep -o "$1=[-0-9]*" <<<"$2" | cut -d= -f2 || echo -; }
echo
echo "Soak: $(grep -o 'presses=[0-9]*' "$work/soak" | cut -d= -f2 || echo 0) of $soak_presses presses in one start," \
  "$(grep -o 'failures=[0-9]*' "$work/soak" | cut -d= -f2 || echo '?') wrong outputs," \
  "$(grep -o 'seconds=[0-9.]*' "$work/soak" | cut -d= -f2 || echo '?') s"
printf '%-34s %12s %12s %8s\n' "figure" "start" "end" "ratio"
printf '%-34s %12s %12s %8s\n' "working set (KB)" "$(field working_set_kb "$first")" "$(field working_set_kb "$last")" \
  "$(ratio "$(field working_set_kb "$last")" "$(field working_set_kb "$first")")"
printf '%-34s %12s %12s %8s\n' "Unix resident set (KB)" "$(field unix_rss_kb "$first")" "$(field unix_rss_kb "$last")" \
  "$(ratio "$(field unix_rss_kb "$last")" "$(field unix_rss_kb "$first")")"
[[ -s $work/soak.err ]] && echo "soak: $(head -c 400 "$work/soak.err")" >&2
wine_session_stop
