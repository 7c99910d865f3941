#!/usr/bin/env bash
# Runs every test of Talvenor: installs what is missing, builds all
# configurations and runs the native tests, the same under ASan/UBSan, the
# Windows tests under Wine on a virtual display, the 32-bit Windows build, the
# fuzzers for a bounded time, the static checks and the benchmarks.
#
#   scripts/test.sh            everything
#   scripts/test.sh native win64 ...   only the named stages
# Stages: native asan win64 win32 fuzz lint bench
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

stages=("$@")
((${#stages[@]})) || stages=(native asan win64 win32 fuzz lint bench)
fuzz_seconds=${TALVENOR_FUZZ_SECONDS:-30}
jobs=$(nproc)

log() { printf '\n=== %s\n' "$*"; }

scripts/setup.sh

build() {  # build <preset>
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1" -j "$jobs"
}

stage_native() {
  log "native: build and test"
  build native
  ctest --preset native -j "$jobs"
}

stage_asan() {
  log "native under AddressSanitizer and UndefinedBehaviorSanitizer"
  build native-asan
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --preset native-asan -j "$jobs"
}

stage_win64() {
  log "win64: build, then test under Wine"
  build win64
  source scripts/wine-session.sh
  wine_session_start
  ctest --preset win64 -j "$jobs"
  wine_session_stop
}

stage_win32() {
  log "win32: compile and link (32-bit programs cannot run on this machine)"
  build win32
}

stage_fuzz() {
  log "fuzzers: ${fuzz_seconds}s each"
  build fuzz
  local corpus_root=out/fuzz/corpus
  shopt -s nullglob
  for fuzzer in out/fuzz/fuzz/*_fuzzer; do
    local name
    name=$(basename "$fuzzer")
    mkdir -p "$corpus_root/$name"
    local seeds=()
    [[ -d fuzz/seeds/$name ]] && seeds=("fuzz/seeds/$name")
    echo "-- $name"
    "$fuzzer" -max_total_time="$fuzz_seconds" -print_final_stats=1 -rss_limit_mb=2048 -malloc_limit_mb=512 \
      "$corpus_root/$name" "${seeds[@]}" >"out/fuzz/$name.log" 2>&1 || {
      tail -40 "out/fuzz/$name.log"
      echo "fuzzer $name found a fault"
      return 1
    }
    grep -E 'stat::number_of_executed_units' "out/fuzz/$name.log" || true
  done
}

stage_lint() {
  log "clang-format, clang-tidy, cppcheck"
  mapfile -t sources < <(git ls-files '*.cpp' '*.h' | grep -Ev '^(out)/')
  clang-format --dry-run -Werror "${sources[@]}"
  # clang-tidy and cppcheck look at the portable code as the native build sees it.
  [[ -f out/native/compile_commands.json ]] || build native
  mapfile -t tidy_sources < <(git ls-files 'shell/*.cpp' 'estimate/*.cpp' 'resources/*.cpp' | grep -v '/win32_')
  run-clang-tidy -quiet -p out/native "${tidy_sources[@]/#/$root/}" >out/clang-tidy.log 2>&1 || {
    grep -E 'warning:|error:' out/clang-tidy.log | head -40
    echo "clang-tidy found problems (out/clang-tidy.log)"
    return 1
  }
  cppcheck --quiet --error-exitcode=1 --inline-suppr --std=c++20 --language=c++ \
    --enable=warning,performance,portability --suppress=missingIncludeSystem \
    -I shell -I estimate -I resources -D__GNUC__ "${tidy_sources[@]}"
}

stage_bench() {
  log "benchmarks (figures, not pass/fail)"
  [[ -d out/native ]] || build native
  shopt -s nullglob
  for bench in out/native/bench/*_bench; do
    "$bench" --benchmark_min_time=0.05
  done
  if [[ -x scripts/bench-wine.sh ]]; then scripts/bench-wine.sh; fi
}

for stage in "${stages[@]}"; do
  "stage_$stage"
done
log "all stages passed: ${stages[*]}"
