#!/usr/bin/env bash
# Builds (installing what is missing) and runs the whole test suite headless.
#
# With --sanitize it builds into build-sanitize/ instead, with the address and
# undefined-behaviour sanitizers, and runs the whole suite there: any memory
# error, leak or undefined behaviour fails the test that met it. Findings that
# are proven to lie inside Qt or the system libraries are suppressed in
# scripts/sanitizers/ (each with its reason).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != "--sanitize" ]; then
  ./scripts/build.sh
  cd build
  ctest --output-on-failure --parallel "$(nproc)"
  exit
fi

./scripts/setup.sh
suppressions="$PWD/scripts/sanitizers"
# Stacks unwound without frame pointers, so that they reach through Qt (see
# the suppressions).
export ASAN_OPTIONS="detect_leaks=1:fast_unwind_on_malloc=0:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$suppressions/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$suppressions/ubsan.supp"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVENDREL_SANITIZE=ON >/dev/null
# The build's own tools (icons, symbol databases) run checked as well.
cmake --build build-sanitize --parallel "$(nproc)"
cd build-sanitize
ctest --output-on-failure --parallel "$(nproc)"
