#!/usr/bin/env bash
# Runs one test program in a throw-away home, so settings, history, logs and
# analytics files written by the test never leak into the next run.
set -u
sandbox=$(mktemp -d "${TMPDIR:-/tmp}/vendrel-test.XXXXXX")
trap 'rm -rf "$sandbox"' EXIT
mkdir -p "$sandbox/home" "$sandbox/config" "$sandbox/data" "$sandbox/cache" "$sandbox/runtime"
chmod 700 "$sandbox/runtime"
export HOME="$sandbox/home"
export XDG_CONFIG_HOME="$sandbox/config"
export XDG_DATA_HOME="$sandbox/data"
export XDG_CACHE_HOME="$sandbox/cache"
export XDG_RUNTIME_DIR="$sandbox/runtime"
export TMPDIR="$sandbox"
"$@"
