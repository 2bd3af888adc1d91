#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/: libFuzzer, with the address and
# undefined-behaviour sanitizers, clang) into build-fuzz/ and runs each for
# SECONDS (default 30) over its seeds from fuzz/corpus/, copied into a corpus
# of its own in build-fuzz/corpora/ that keeps growing from run to run. Fails
# when a target crashes, leaks, meets undefined behaviour, runs out of memory or
# hangs; the input that did it is kept in build-fuzz/findings/<target>/.
#
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-30}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
  echo "usage: scripts/fuzz.sh [SECONDS]" >&2
  exit 1
fi

./scripts/setup.sh
suppressions="$PWD/scripts/sanitizers"
# The same suppressions as the sanitizer run of the tests. Stacks are unwound the
# fast way here: the slow one would cost most of a target's speed.
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$suppressions/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$suppressions/ubsan.supp"
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVENDREL_FUZZ=ON \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
# The build's own tools run checked too, with the stacks the suppressions need.
ASAN_OPTIONS="$ASAN_OPTIONS:fast_unwind_on_malloc=0" \
  cmake --build build-fuzz --target vendrel_fuzz --parallel "$(nproc)"

# target: the folder of fuzz/corpus/ that holds its seeds
targets=(
  fuzz_qypm_loader:qypm
  fuzz_qypm_editor:qypm
  fuzz_qyam_loader:qyam
  fuzz_qyam_editor:qyam
  fuzz_qyaw_loader:qyaw
  fuzz_qyaw_editor:qyaw
  fuzz_ammonia_abbreviations:ammonia_abbreviations
  fuzz_ammonia_components:ammonia_components
  fuzz_qyld:qyld
  fuzz_help_faq:help_faq
  fuzz_ipc_commands:ipc
  fuzz_line_list:line_list
)

failed=()
for entry in "${targets[@]}"; do
  target="${entry%%:*}"
  seeds="fuzz/corpus/${entry#*:}"
  corpus="build-fuzz/corpora/$target"
  findings="build-fuzz/findings/$target"
  log="build-fuzz/findings/$target.log"
  mkdir -p "$corpus" "$findings"
  cp "$seeds"/* "$corpus"/
  # The target runs in a fresh home (tests/run-test.sh), so nothing the readers
  # write reaches the user's settings. An input that takes a minute hangs: a
  # label takes milliseconds, the largest legends some seconds under the
  # sanitizers.
  status=0
  tests/run-test.sh "build-fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=60 \
    -max_len=8192 -print_final_stats=1 -artifact_prefix="$PWD/$findings/" \
    "$corpus" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  if [ "$status" -ne 0 ]; then
    failed+=("$target")
    echo "$target: FAILED (exit status $status) after ${runs:-?} inputs; see $log"
    grep -E "ERROR|runtime error|SUMMARY|Test unit written" "$log" | head -5 || true
  else
    echo "$target: ${runs:-?} inputs in ${seconds} s (${speed:-?}/s), nothing found"
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found faults in: ${failed[*]}" >&2
  exit 1
fi
